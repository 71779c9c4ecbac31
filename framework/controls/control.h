#pragma once
// A control belongs to one window, which keeps it under its name. Its properties come from
// the window's layout table through SetProperties; its events are bound to window methods.
#include "framework/core/class_description.h"
#include "framework/core/object.h"
#include "framework/core/value.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace rt {

class Window;

class Control : public Object {
public:
    explicit Control(std::weak_ptr<Window> window);
    ~Control() override;

    // The framework class name ("TextField", "Canvas" ...), also used in event signatures.
    virtual std::string ClassName() const = 0;
    // The control's default state; runs once, right after the window made the object.
    virtual void Constructor();

    std::string Name() const;
    // Stores the value and lets it act; an unknown property name is an error.
    void SetProperty(const std::string& name, const Value& value);
    std::optional<Value> Property(const std::string& name) const;

    using Handler = std::function<bool(const EventArgs&)>;
    void BindEvent(const std::string& event, Handler handler, const std::string& signature,
                   int flag);
    bool IsEventBound(const std::string& event) const;
    std::string EventSignature(const std::string& event) const;
    // Raises a bound event through the dispatch wrapper; false when unbound or it failed.
    bool RaiseEvent(const std::string& event, const EventArgs& args = {});

    std::shared_ptr<Window> ParentWindow() const;
    // Called once when the window that holds the control has been set up.
    virtual void WindowOpened() {}

protected:
    // Acts on a property this class knows; returns false for a name it does not know.
    virtual bool ApplyProperty(const std::string& name, const Value& value);

private:
    struct Binding {
        Handler handler;
        std::string signature;
        int flag = 0;
    };
    std::weak_ptr<Window> window_;
    std::map<std::string, Value> properties_;
    std::map<std::string, Binding> events_;
};

} // namespace rt
