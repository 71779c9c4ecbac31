#pragma once
// The fixture of tests in which the program brought a window forward whose activation the window
// system refused.
#include "tests/support/activated_window.h"
#include "tests/support/gui_test.h"

#include <QWidget>
#include <memory>

class RefusedActivationTest : public GuiTest {
protected:
    // Two counting windows, the first active, and a third brought forward since whose
    // activation the window system refused (a window manager may refuse it).
    void OpenWindowsAndRefuseOne() {
        first = std::make_shared<ActivatedWindow>();
        first->Constructor();
        first->Show();
        second = std::make_shared<ActivatedWindow>();
        second->Constructor();
        second->Show();
        refused = std::make_shared<rt::Window>();
        refused->Constructor();
        refused->TopWidget()->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        refused->Show();
        MakeActive(*first);
        // Shown already, it is only brought forward.
        refused->Show();
        Settle();
        ASSERT_FALSE(refused->TopWidget()->isActiveWindow());
    }

    std::shared_ptr<ActivatedWindow> first;
    std::shared_ptr<ActivatedWindow> second;
    std::shared_ptr<rt::Window> refused;
};
