#include "framework/controls/set_properties.h"

#include "framework/controls/control.h"
#include "framework/windows/window.h"

namespace rt {

void SetProperties(Control& control, const PropertyList& properties) {
    for (const auto& p : properties)
        control.SetProperty(p.name, p.value);
}

void SetProperties(Window& window, const PropertyList& properties) {
    for (const auto& p : properties)
        window.SetProperty(p.name, p.value);
}

} // namespace rt
