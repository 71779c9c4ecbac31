#pragma once
#include "framework/core/value.h"

namespace rt {

class Control;
class Window;

// Applies a property list in its order; an unknown name is an error of the table.
void SetProperties(Control& control, const PropertyList& properties);
void SetProperties(Window& window, const PropertyList& properties);

} // namespace rt
