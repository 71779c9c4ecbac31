#include "framework/controls/control_table.h"

#include "framework/controls/label.h"
#include "framework/controls/timer.h"

namespace rt {

std::shared_ptr<Control> NewControl(Window& window, ControlClass kind) {
    switch (kind) {
    case ControlClass::Canvas:
        return window.New<Canvas>();
    case ControlClass::TextField:
        return window.New<TextField>();
    case ControlClass::TextArea:
        return window.New<TextArea>();
    case ControlClass::PushButton:
        return window.New<PushButton>();
    case ControlClass::Label:
        return window.New<Label>();
    case ControlClass::Timer:
        return window.New<Timer>();
    }
    throw RuntimeException("Unknown control class.");
}

std::string ClassNameOf(ControlClass kind) {
    switch (kind) {
    case ControlClass::Canvas:
        return Canvas::kClassName;
    case ControlClass::TextField:
        return TextField::kClassName;
    case ControlClass::TextArea:
        return TextArea::kClassName;
    case ControlClass::PushButton:
        return PushButton::kClassName;
    case ControlClass::Label:
        return Label::kClassName;
    case ControlClass::Timer:
        return Timer::kClassName;
    }
    throw RuntimeException("Unknown control class.");
}

} // namespace rt
