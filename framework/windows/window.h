#pragma once
// A window of the program: a real top-level window whose content area holds the controls and
// whose menu bar view shows the shared menu model. A program window class derives from it and
// describes itself (ClassInfo); the framework raises its events through that description:
// Layout, CreateControls and AddMenuHandlers while it is set up, then Activate, KeyDown,
// MouseDown, EnableMenuItems and Close. The framework keeps each open window (found by its
// class's full name) until it is closed.
#include "framework/controls/control.h"
#include "framework/core/class_description.h"
#include "framework/core/object.h"
#include "framework/core/value.h"
#include "framework/menus/menu_item.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace rt {

class Window : public Object {
public:
    Window();
    ~Window() override;

    static const ClassDescription& ClassInfo();
    // The description of the window's own class; the program's window classes override it.
    virtual const ClassDescription& Describe() const { return ClassInfo(); }
    std::string FullName() const { return Describe().fullName; }

    // Sets the window up through its set-up events; the framework holds it from now on and
    // shows it when its properties made it visible. An error in any step of the set-up (its
    // events, its frame and size) is passed on, and the framework keeps nothing of the window.
    void Constructor();
    void Show();
    void Hide();
    // Raises Close; the window is gone afterwards and its class has no open window.
    void Close();
    bool Visible() const;
    bool IsClosed() const { return closed_; }

    void SetMenuBar(std::shared_ptr<rt::MenuBar> bar);
    std::shared_ptr<rt::MenuBar> MenuBar() const;

    // A new control of class C made for this window, default-constructed.
    template <class C> std::shared_ptr<C> New() {
        auto control = std::make_shared<C>(std::static_pointer_cast<Window>(shared_from_this()));
        control->Constructor();
        return control;
    }
    void AddControl(const std::string& name, std::shared_ptr<Control> control);
    std::shared_ptr<Control> ControlByName(const std::string& name) const;
    std::vector<std::shared_ptr<Control>> Controls() const { return controls_; }

    using MenuHandler = std::function<bool()>;
    void AddMenuHandler(const std::string& itemName, MenuHandler handler);
    bool HasMenuHandler(const std::string& itemName) const;
    // The window's handler for the item; empty when it has none.
    MenuHandler MenuHandlerFor(const std::string& itemName) const;

    void SetProperty(const std::string& name, const Value& value);
    std::optional<Value> Property(const std::string& name) const;

    // Menus: enabling resets every entry, then asks the window's EnableMenuItems handler.
    void RunMenuEnabling();
    // Offers the chosen command to the focused text control, this window, the application and
    // the item's own class, in that order, until one answers True; false when none did.
    bool MenuCommand(const std::string& itemName);

    // Raises a window event bound in the class description; false when unbound or it failed
    // (and was reported). A set-up event's error is not reported here but passed on.
    bool RaiseEvent(const std::string& event, EventArgs args = {});

    // For the framework's widgets, and for tests that drive them.
    QWidget* TopWidget() const;
    QWidget* ContentWidget() const;
    void TabOrderChanged();
    void ContentResized();
    // False when the window refuses the request.
    bool CloseRequestedByUser();

private:
    void ApplyWindowProperty(const std::string& name, const Value& value);
    void ApplyFrame();
    bool ShowsCloseButton() const;
    void ApplySize();
    void RecordAnchors();

    struct Impl;
    std::unique_ptr<Impl> d_;
    std::map<std::string, Value> properties_;
    std::vector<std::shared_ptr<Control>> controls_;
    std::map<std::string, MenuHandler> menuHandlers_;
    std::shared_ptr<rt::MenuBar> menuBar_;
    bool setUp_ = false;
    bool closed_ = false;
};

// The open window registered under the class's full name, visible or hidden; nil when none.
std::shared_ptr<Window> GetImplicitWindow(const std::string& fullName);
std::vector<std::shared_ptr<Window>> OpenWindows();

// A window class's accessor: its open window, or a new one set up and shown. A set-up that
// fails passes its error on to the caller and leaves no window.
template <class W> std::shared_ptr<W> ImplicitWindow() {
    auto window = GetImplicitWindow(W::ClassInfo().fullName);
    if (!window) {
        auto created = std::make_shared<W>();
        created->Constructor();
        window = created;
    }
    return Cast<W>(window);
}

// A window's installed menu bar item of that name, as class C; NilObjectException without a bar.
template <class C> std::shared_ptr<C> MenuItemOf(const Window& window, const std::string& name) {
    const auto bar = window.MenuBar();
    if (!bar)
        throw NilObjectException("The window has no menu bar to find \"" + name + "\" in.");
    return Cast<C>(bar->Lookup(name));
}

} // namespace rt
