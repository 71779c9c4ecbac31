#pragma once
// The calculator window as its accessor opens it, for the tests of its layout and looks.
#include "tests/support/gui_test.h"

#include "framework/controls/rect_control.h"
#include "windows/control_wnd.h"

#include <QWidget>
#include <string>

class ControlWndLayoutTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = ::ControlWnd();
    }

    QWidget* WidgetOf(const std::string& name) const {
        const auto control = rt::Cast<rt::RectControl>(window->ControlByName(name));
        return control ? control->Widget() : nullptr;
    }

    // The control that has the window's keyboard focus, whether or not the window is active.
    static QWidget* FocusOf(const rt::Window& w) { return w.TopWidget()->focusWidget(); }

    std::shared_ptr<class ControlWnd> window;
};
