#include "framework/controls/control.h"

#include "framework/core/exception_handling.h"
#include "framework/core/main_thread.h"

namespace rt {

Control::Control(std::weak_ptr<Window> window) : window_(std::move(window)) {}

Control::~Control() = default;

void Control::Constructor() {
    RequireMainThread();
}

std::string Control::Name() const {
    const auto it = properties_.find("Name");
    return it == properties_.end() ? std::string() : AsText(it->second);
}

void Control::SetProperty(const std::string& name, const Value& value) {
    RequireMainThread();
    if (!ApplyProperty(name, value))
        throw RuntimeException("A " + ClassName() + " has no property named \"" + name + "\".");
    properties_[name] = value;
}

std::optional<Value> Control::Property(const std::string& name) const {
    const auto it = properties_.find(name);
    if (it == properties_.end())
        return std::nullopt;
    return it->second;
}

void Control::BindEvent(const std::string& event, Handler handler, const std::string& signature,
                        int flag) {
    RequireMainThread();
    events_[event] = Binding{std::move(handler), signature, flag};
}

bool Control::IsEventBound(const std::string& event) const {
    return events_.count(event) != 0;
}

std::string Control::EventSignature(const std::string& event) const {
    const auto it = events_.find(event);
    return it == events_.end() ? std::string() : it->second.signature;
}

bool Control::RaiseEvent(const std::string& event, const EventArgs& args) {
    const auto it = events_.find(event);
    if (it == events_.end())
        return false;
    // Keep the control alive while its handler runs, whatever the handler does to the window.
    const auto self = shared_from_this();
    const Handler handler = it->second.handler;
    bool answer = false;
    Dispatch([&] { answer = handler(args); });
    return answer;
}

std::shared_ptr<Window> Control::ParentWindow() const {
    return window_.lock();
}

bool Control::ApplyProperty(const std::string& name, const Value&) {
    return name == "Name" || name == "Index" || name == "InitialParent";
}

} // namespace rt
