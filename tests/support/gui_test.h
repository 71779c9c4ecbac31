#pragma once
// The one fixture of the GUI tests: real widgets on Qt's offscreen platform, the framework's
// platform hooks recording messages and beeps with a fixed clock, everything reset after each
// test. A message the test did not take fails the test, and a real modal dialog is closed and
// reported instead of hanging the run, unless the test has taken the real message box.
#include "framework/lifecycle/runtime.h"
#include "framework/windows/window.h"

#include <QString>
#include <chrono>
#include <deque>
#include <gtest/gtest.h>
#include <string>

class ControlWnd;
class QAction;
class QWidget;

class GuiTest : public ::testing::Test {
public:
    // Whether the running test dismisses real modal dialogs itself.
    static bool OwnsModalDialogs();

protected:
    void SetUp() override;
    void TearDown() override;

    // The oldest message box not yet taken; fails when there is none.
    std::string TakeMessage();
    void ExpectMessage(const std::string& text);
    void ExpectNoMessage();
    int beeps = 0;
    // The real message box from here on; the test dismisses it itself, the watchdog leaves it.
    void UseRealMessageBox();

    // Types text into a widget through real key events.
    static void Type(QWidget* widget, const QString& text);
    // A single key press (with its text) into a widget.
    static void Press(QWidget* widget, int key, const QString& text = {},
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void Click(QWidget* widget);
    // The calculator window as start-up leaves it: opened after the splash, and active.
    static std::shared_ptr<class ControlWnd> CalculatorInFront();
    // Makes the window the active one, as a click on it would, and waits until it is.
    static void MakeActive(rt::Window& window);
    // Lets queued events run (deferred deletes, timers due now).
    static void Settle();

    // The action a window's menu bar view shows for an item, after its menu was opened as a
    // user would open it (so enabling has run).
    static QAction* OpenMenuAction(rt::Window& window, const std::string& itemName);
    // Chooses the item from the window's menu bar as a user would.
    static void Choose(rt::Window& window, const std::string& itemName);

    // The fixed moment every new Date holds in these tests.
    static std::chrono::system_clock::time_point FixedNow();

private:
    std::deque<std::string> messages_;
};
