#include "tests/support/gui_test.h"

#include "framework/controls/push_button.h"
#include "framework/platform/msg_box.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class MessageBoxTest : public GuiTest {};

// The real box, shown from a button's handler; the window is closed while the box waits.
TEST_F(MessageBoxTest, RealBoxOutlivesTheWindowClosedWhileItWaits) {
    rt::RuntimeInit();
    UseRealMessageBox();
    auto window = std::make_shared<rt::Window>();
    window->Constructor();
    auto button = window->New<rt::PushButton>();
    window->AddControl("Button", button);
    window->Show();
    MakeActive(*window);

    QString title;
    QString text;
    bool boxOutlivedWindow = false;
    bool returned = false;
    button->BindEvent(
        "Action",
        [&](const rt::EventArgs&) {
            QTimer::singleShot(0, [&] {
                const QPointer box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_FALSE(box.isNull()) << "No message box is shown.";
                window->Close();
                Settle();
                ASSERT_FALSE(box.isNull()) << "The box went with the window.";
                boxOutlivedWindow = box->isVisible();
                title = box->windowTitle();
                text = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            });
            rt::MsgBox("The disk is full.");
            returned = true;
            return false;
        },
        "(button as PushButton)", 0);

    Click(button->Widget());
    Settle();

    EXPECT_TRUE(returned);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_TRUE(boxOutlivedWindow);
    EXPECT_EQ(title.toStdString(), "Quorvane");
    EXPECT_EQ(text.toStdString(), "The disk is full.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Runs `step` once the real box is shown, then closes the box if the step left it open.
void WhenTheBoxIsShown(const std::function<void(QMessageBox& box)>& step) {
    QTimer::singleShot(0, [step] {
        const QPointer<QMessageBox> box =
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box.isNull()) {
            ADD_FAILURE() << "No message box is shown.";
            return;
        }
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QWidget* focus = QApplication::focusWidget();
                return focus != nullptr && focus->window() == box;
            },
            1000))
            << "The box does not have the keyboard.";
        step(*box);
        if (!box.isNull() && box->isVisible())
            box->done(0);
    });
}

// Return, as the user answers the box: to the widget with the keyboard focus.
bool AnswerWithReturn(const QMessageBox& box) {
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClick(focus, Qt::Key_Return);
    return !box.isVisible();
}

// The splash's timer brings the calculator forward while its message box waits: the box keeps
// the keyboard, so Return still answers it.
TEST_F(MessageBoxTest, WindowBroughtForwardWhileABoxWaitsLeavesTheBoxInFront) {
    UseRealMessageBox();
    const auto about = ::AboutWnd();
    const auto calculator = CalculatorInFront();
    bool boxActive = false;
    bool answeredByReturn = false;
    WhenTheBoxIsShown([&](QMessageBox& box) {
        about->Timer1_Action(*about->Timer1());
        QTest::qWait(50);
        boxActive = box.isVisible() && QApplication::activeWindow() == &box;
        answeredByReturn = AnswerWithReturn(box);
    });
    Click(calculator->CalculateBtn()->Widget());
    Settle();

    EXPECT_TRUE(boxActive);
    EXPECT_TRUE(answeredByReturn);
    EXPECT_TRUE(calculator->Visible());
    EXPECT_FALSE(about->Visible());
}

// The box has no parent widget, so Qt hands the keyboard to no one when it closes: the window it
// came from takes the keyboard again, and what the user types next reaches its field.
TEST_F(MessageBoxTest, ClosedBoxHandsTheKeyboardBackToTheWindowItCameFrom) {
    UseRealMessageBox();
    const auto calculator = CalculatorInFront();
    bool answeredByReturn = false;
    WhenTheBoxIsShown([&](QMessageBox& box) { answeredByReturn = AnswerWithReturn(box); });
    Click(calculator->CalculateBtn()->Widget());
    ASSERT_TRUE(answeredByReturn);

    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::activeWindow() == calculator->TopWidget(); }, 1000));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    EXPECT_EQ(calculator->Nvariables()->Text(), "7");
}

} // namespace
