#pragma once
// A class's registration with the framework, built once per run: its base, its virtual
// operations in order, the events bound to its methods and its published methods. The
// framework raises a window's events through these bindings, so the event query and the
// dispatch answer from one table.
#include <functional>
#include <string>
#include <vector>

namespace rt {

class Object;
class Window;

// The arguments an event carries besides the object it is raised on.
struct EventArgs {
    std::string key;
    int x = 0;
    int y = 0;
    Window* window = nullptr;
};

struct EventBinding {
    std::string event;
    // Calls the bound method on the object; the result is the event's Boolean answer.
    std::function<bool(Object& self, const EventArgs& args)> invoke;
};

struct MethodInfo {
    std::string name;
    std::string signature;
    std::vector<std::string> attributes;
};

struct ClassDescription {
    std::string fullName;
    const ClassDescription* base = nullptr;
    std::vector<std::string> virtualOperations;
    std::vector<EventBinding> events;
    std::vector<MethodInfo> methods;

    const EventBinding* FindEvent(const std::string& event) const;
};

// Returns the description registered under the name, building it with the builder on first use.
const ClassDescription& ObtainClass(const std::string& fullName,
                                    const std::function<ClassDescription()>& build);
// The description registered under the name, or nullptr when none has been built.
const ClassDescription* LookupClass(const std::string& fullName);
// How many descriptions were built under the name this run (each class's is built once).
int ClassBuildCount(const std::string& fullName);

// Whether the class registered under the name binds the event. The user-level query (True)
// looks at the class itself, the general one (False) at its bases too.
bool RuntimeIsEventHandled(const Object& object, const std::string& fullName,
                           const std::string& event, bool userLevel);

// Binding helpers: take a window class's method as the handler of a window event.
template <class W> EventBinding BindEvent(std::string event, void (W::*method)()) {
    return {std::move(event), [method](Object& self, const EventArgs&) {
                (dynamic_cast<W&>(self).*method)();
                return false;
            }};
}
template <class W> EventBinding BindEvent(std::string event, void (W::*method)(Window&)) {
    return {std::move(event), [method](Object& self, const EventArgs& args) {
                (dynamic_cast<W&>(self).*method)(*args.window);
                return false;
            }};
}
template <class W>
EventBinding BindEvent(std::string event, bool (W::*method)(const std::string&)) {
    return {std::move(event), [method](Object& self, const EventArgs& args) {
                return (dynamic_cast<W&>(self).*method)(args.key);
            }};
}
template <class W> EventBinding BindEvent(std::string event, bool (W::*method)(int, int)) {
    return {std::move(event), [method](Object& self, const EventArgs& args) {
                return (dynamic_cast<W&>(self).*method)(args.x, args.y);
            }};
}

// Virtual operations of a class: its base's, in the base's order, then its own.
std::vector<std::string> VirtualOperations(const ClassDescription& base,
                                           const std::vector<MethodInfo>& own);

} // namespace rt
