#include "tests/support/gui_test.h"

#include "app/pictures.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/platform/platform_hooks.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

bool ownsModalDialogs = false;

} // namespace

bool GuiTest::OwnsModalDialogs() {
    return ownsModalDialogs;
}

void GuiTest::SetUp() {
    rt::ResetRuntime();
    ResetPictures();
    rt::Hooks().msgBox = [this](const std::string& text) { messages_.push_back(text); };
    rt::Hooks().beep = [this] { ++beeps; };
    rt::Hooks().now = [] { return FixedNow(); };
}

void GuiTest::TearDown() {
    ownsModalDialogs = false;
    for (const auto& message : messages_)
        ADD_FAILURE() << "Unexpected message box: " << message;
    messages_.clear();
    rt::ResetRuntime();
    ResetPictures();
    Settle();
}

std::string GuiTest::TakeMessage() {
    if (messages_.empty()) {
        ADD_FAILURE() << "Expected a message box, but none was shown.";
        return {};
    }
    std::string text = messages_.front();
    messages_.pop_front();
    return text;
}

void GuiTest::ExpectMessage(const std::string& text) {
    EXPECT_EQ(TakeMessage(), text);
}

void GuiTest::ExpectNoMessage() {
    for (const auto& message : messages_)
        ADD_FAILURE() << "Unexpected message box: " << message;
    messages_.clear();
}

void GuiTest::UseRealMessageBox() {
    const rt::PlatformHooks recording = rt::Hooks();
    rt::ResetPlatformHooks();
    const auto real = rt::Hooks().msgBox;
    rt::Hooks() = recording;
    rt::Hooks().msgBox = real;
    ownsModalDialogs = true;
}

void GuiTest::Type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

void GuiTest::Press(QWidget* widget, int key, const QString& text,
                    Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void GuiTest::Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

std::shared_ptr<class ControlWnd> GuiTest::CalculatorInFront() {
    ::AboutWnd();
    auto calculator = ::ControlWnd();
    MakeActive(*calculator);
    return calculator;
}

void GuiTest::MakeActive(rt::Window& window) {
    QWidget* top = window.TopWidget();
    top->activateWindow();
    top->windowHandle()->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
}

void GuiTest::Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* GuiTest::OpenMenuAction(rt::Window& window, const std::string& itemName) {
    auto* top = qobject_cast<QMainWindow*>(window.TopWidget());
    auto* view = top ? dynamic_cast<rt::MenuBarView*>(top->menuWidget()) : nullptr;
    if (view == nullptr) {
        ADD_FAILURE() << "The window shows no menu bar.";
        return nullptr;
    }
    QAction* action = view->ActionFor(itemName);
    if (action == nullptr) {
        ADD_FAILURE() << "The menu bar shows no item " << itemName;
        return nullptr;
    }
    for (QMenu* menu : view->findChildren<QMenu*>())
        if (menu->actions().contains(action))
            emit menu->aboutToShow();
    return action;
}

void GuiTest::Choose(rt::Window& window, const std::string& itemName) {
    if (QAction* action = OpenMenuAction(window, itemName))
        action->trigger();
}

std::chrono::system_clock::time_point GuiTest::FixedNow() {
    // 2026-03-14 15:09:26 UTC
    return std::chrono::system_clock::time_point(std::chrono::seconds(1773500966));
}
