#include "tests/support/gui_test.h"

#include "app/startup.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

namespace {

constexpr const char* kHelpClass = "DescriptionWnd.DescriptionWnd";

// The program as the user has it: application object, the splash, then the calculator in front.
class CalculatorMenuTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        NewAppInstance();
        ApplicationAddMenuHandlers();
        calculator = CalculatorInFront();
        about = ::AboutWnd();
    }
    void ExpectProgramEnded() {
        EXPECT_TRUE(rt::QuitRequested());
        EXPECT_EQ(rt::RuntimeExit(), 0);
        EXPECT_TRUE(calculator->IsClosed());
        EXPECT_TRUE(rt::OpenWindows().empty());
    }
    std::shared_ptr<class AboutWnd> about;
    std::shared_ptr<class ControlWnd> calculator;
};

struct EnablingCase {
    const char* item;
    bool enabled;
};

class CalculatorEnablingTest : public CalculatorMenuTest,
                               public ::testing::WithParamInterface<EnablingCase> {};

// The menu model is shared: the help window's enabling runs first, so the calculator's must
// not inherit it.
TEST_P(CalculatorEnablingTest, CalculatorWindowSetsItsItems) {
    const auto help = ::DescriptionWnd();
    ASSERT_NE(OpenMenuAction(*help, GetParam().item), nullptr);
    QAction* action = OpenMenuAction(*calculator, GetParam().item);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->isEnabled(), GetParam().enabled);
}

const EnablingCase kCalculatorEnabling[] = {
    {"ControlMenuItem", false}, {"AboutMenuItem", true}, {"DescriptionMenuItem", true},
    {"CloseMenuItem", true},    {"EditUndo", true},      {"EditCut", true},
    {"EditCopy", true},         {"EditPaste", true},     {"FileQuit", true},
};

INSTANTIATE_TEST_SUITE_P(Items, CalculatorEnablingTest, ::testing::ValuesIn(kCalculatorEnabling),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(CalculatorMenuTest, CopyTakesTheFocusedFieldsSelection) {
    QClipboard* clipboard = QApplication::clipboard();

    Type(calculator->Nvariables()->Widget(), "42");
    qobject_cast<QLineEdit*>(calculator->Nvariables()->Widget())->setSelection(1, 1);
    clipboard->clear();
    Choose(*calculator, "EditCopy");
    EXPECT_EQ(clipboard->text(), "2");
    EXPECT_EQ(calculator->Nvariables()->Text(), "42");

    calculator->PmatrixFld()->SetText(".80 .00\r.60 .00");
    auto* area = qobject_cast<QPlainTextEdit*>(calculator->PmatrixFld()->Widget());
    area->setFocus();
    QTextCursor cursor = area->textCursor();
    cursor.setPosition(8);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
    clipboard->clear();
    Choose(*calculator, "EditCopy");
    EXPECT_EQ(clipboard->text(), ".60");
    EXPECT_EQ(calculator->PmatrixFld()->Text(), ".80 .00\r.60 .00");
}

enum class Effect { OpensHelp, ShowsAbout, None, EndsProgram };

struct HandlerCase {
    const char* name;
    bool (ControlWnd::*handler)();
    bool answer;
    Effect effect;
};

class CalculatorHandlerTest : public CalculatorMenuTest,
                              public ::testing::WithParamInterface<HandlerCase> {};

TEST_P(CalculatorHandlerTest, HandlerActsAndAnswers) {
    const HandlerCase& c = GetParam();
    about->Hide();
    const auto windowsBefore = rt::OpenWindows().size();
    EXPECT_EQ(((*calculator).*c.handler)(), c.answer);
    switch (c.effect) {
    case Effect::OpensHelp:
        ASSERT_NE(rt::GetImplicitWindow(kHelpClass), nullptr);
        EXPECT_TRUE(rt::GetImplicitWindow(kHelpClass)->Visible());
        break;
    case Effect::ShowsAbout:
        EXPECT_TRUE(about->Visible());
        EXPECT_EQ(rt::OpenWindows().size(), windowsBefore);
        break;
    case Effect::None:
        EXPECT_EQ(rt::OpenWindows().size(), windowsBefore);
        EXPECT_FALSE(about->Visible());
        break;
    case Effect::EndsProgram:
        ExpectProgramEnded();
        break;
    }
    EXPECT_EQ(rt::QuitRequested(), c.effect == Effect::EndsProgram);
}

const HandlerCase kHandlers[] = {
    {"Description", &ControlWnd::DescriptionMenuItem_Action, false, Effect::OpensHelp},
    {"About", &ControlWnd::AboutMenuItem_Action, false, Effect::ShowsAbout},
    {"Copy", &ControlWnd::EditCopy_Action, true, Effect::None},
    {"Close", &ControlWnd::CloseMenuItem_Action, false, Effect::EndsProgram},
    {"Quit", &ControlWnd::FileQuit_Action, false, Effect::EndsProgram},
};

INSTANTIATE_TEST_SUITE_P(Handlers, CalculatorHandlerTest, ::testing::ValuesIn(kHandlers),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Ending { CloseCommand, CloseBox, QuitCommand, QuitShortcut };

struct EndingCase {
    const char* name;
    Ending ending;
};

class ProgramEndTest : public CalculatorMenuTest,
                       public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ProgramEndTest, EndsTheProgramWithStatusZero) {
    const auto help = ::DescriptionWnd();
    MakeActive(*calculator);
    switch (GetParam().ending) {
    case Ending::CloseCommand:
        Choose(*calculator, "CloseMenuItem");
        break;
    case Ending::CloseBox:
        calculator->TopWidget()->close();
        break;
    case Ending::QuitCommand:
        Choose(*calculator, "FileQuit");
        break;
    case Ending::QuitShortcut:
        QTest::keyClick(calculator->TopWidget(), Qt::Key_Q, Qt::ControlModifier);
        break;
    }
    ExpectProgramEnded();
    EXPECT_TRUE(help->IsClosed());

    rt::Quit(0);
    EXPECT_FALSE(calculator->FileQuit_Action());
    Settle();
    EXPECT_EQ(rt::RuntimeExit(), 0);
}

const EndingCase kEndings[] = {
    {"CloseCommand", Ending::CloseCommand},
    {"CloseBox", Ending::CloseBox},
    {"QuitCommand", Ending::QuitCommand},
    {"QuitShortcut", Ending::QuitShortcut},
};

INSTANTIATE_TEST_SUITE_P(Endings, ProgramEndTest, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorMenuTest, AboutGoesAwayWheneverTheCalculatorBecomesActive) {
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        Choose(*calculator, "AboutMenuItem");
        ASSERT_TRUE(about->Visible());
        MakeActive(*calculator);
        QTRY_VERIFY_WITH_TIMEOUT(!about->Visible(), 1000);
        EXPECT_FALSE(about->IsClosed());
        EXPECT_EQ(::AboutWnd(), about);
    }
    EXPECT_FALSE(rt::QuitRequested());
}

// With About in front, a press on the calculator's menu bar makes the calculator the active
// window, but the window system says so only after the chosen command has run.
TEST_F(CalculatorMenuTest, AboutChosenWhileTheAboutWindowIsInFrontStaysShown) {
    Choose(*calculator, "AboutMenuItem");
    MakeActive(*about);
    auto* top = qobject_cast<QMainWindow*>(calculator->TopWidget());
    auto* bar = qobject_cast<QMenuBar*>(top->menuWidget());
    QAction* windowMenu = bar->actions().last();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier,
                      bar->actionGeometry(windowMenu).center());
    EXPECT_FALSE(about->Visible()) << "the calculator's Activate comes with the press";

    QAction* aboutEntry = OpenMenuAction(*calculator, "AboutMenuItem");
    ASSERT_NE(aboutEntry, nullptr);
    aboutEntry->trigger();
    windowMenu->menu()->hide();
    MakeActive(*calculator);
    Settle();

    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(::AboutWnd(), about);
    // The next activation is an ordinary one again.
    MakeActive(*about);
    MakeActive(*calculator);
    QTRY_VERIFY_WITH_TIMEOUT(!about->Visible(), 1000);
}

// The About window has no close button: a close request from the window manager is refused.
TEST_F(CalculatorMenuTest, TheAboutWindowRefusesACloseRequest) {
    Choose(*calculator, "AboutMenuItem");
    ASSERT_TRUE(about->Visible());
    EXPECT_FALSE(about->TopWidget()->close());
    Settle();
    EXPECT_TRUE(about->Visible());
    EXPECT_FALSE(about->IsClosed());
    EXPECT_EQ(::AboutWnd(), about);
    EXPECT_FALSE(rt::QuitRequested());
}

} // namespace
