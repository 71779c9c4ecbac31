#pragma once
// A window's controls as a table, one row per control in creation order, and the one loop
// that builds them: make, register, backdrop (canvases), properties, event binding. Each step
// after registration finds the control again by its name, as the accessors do.
#include "framework/controls/canvas.h"
#include "framework/controls/push_button.h"
#include "framework/controls/set_properties.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "framework/windows/window.h"

#include <functional>
#include <string>
#include <vector>

namespace rt {

enum class ControlClass { Canvas, TextField, TextArea, PushButton, Label, Timer };

std::shared_ptr<Control> NewControl(Window& window, ControlClass kind);
std::string ClassNameOf(ControlClass kind);

// A control event bound to a method of window class W; the binding flag is the framework's 1.
template <class W> struct ControlEvent {
    std::string event;
    std::string signature;
    std::function<void(W&, Control&)> bind;
};

namespace detail {
template <class W, class C, class Call>
ControlEvent<W> MakeEvent(std::string event, std::string signature, Call call) {
    return {event, signature, [event, signature, call](W& window, Control& control) {
                auto weakWindow =
                    std::weak_ptr<W>(std::static_pointer_cast<W>(window.shared_from_this()));
                auto weakControl = std::weak_ptr<C>(Cast<C>(control.shared_from_this()));
                control.BindEvent(
                    event,
                    [weakWindow, weakControl, call](const EventArgs& args) {
                        const auto w = weakWindow.lock();
                        const auto c = weakControl.lock();
                        return w && c && call(*w, *c, args);
                    },
                    signature, 1);
            }};
}
} // namespace detail

template <class W, class C>
ControlEvent<W> On(std::string event, bool (W::*method)(C&, const std::string&)) {
    return detail::MakeEvent<W, C>(
        std::move(event), "( " + std::string(C::kClassName) + ", String ) as Boolean",
        [method](W& w, C& c, const EventArgs& a) { return (w.*method)(c, a.key); });
}

template <class W, class C> ControlEvent<W> On(std::string event, void (W::*method)(C&)) {
    return detail::MakeEvent<W, C>(std::move(event), "( " + std::string(C::kClassName) + " )",
                                   [method](W& w, C& c, const EventArgs&) {
                                       (w.*method)(c);
                                       return false;
                                   });
}

template <class W, class C> ControlEvent<W> On(std::string event, bool (W::*method)(C&, int, int)) {
    return detail::MakeEvent<W, C>(
        std::move(event), "( " + std::string(C::kClassName) + ", Integer, Integer ) as Boolean",
        [method](W& w, C& c, const EventArgs& a) { return (w.*method)(c, a.x, a.y); });
}

template <class W> struct ControlRow {
    std::string name;
    ControlClass kind;
    PropertyList properties;
    std::shared_ptr<Picture> (*backdrop)() = nullptr;
    ControlEvent<W> event = {};
};

template <class W>
void CreateControlsFromTable(W& window, const std::vector<ControlRow<W>>& rows,
                             const std::function<PropertyList(ControlClass)>& classProperties) {
    for (const auto& row : rows) {
        window.AddControl(row.name, NewControl(window, row.kind));
        if (row.backdrop != nullptr)
            Deref(Cast<Canvas>(window.ControlByName(row.name))).SetBackdrop(row.backdrop());
        SetProperties(Deref(window.ControlByName(row.name)),
                      classProperties(row.kind) + row.properties);
        if (row.event.bind)
            row.event.bind(window, Deref(window.ControlByName(row.name)));
    }
}

} // namespace rt
