// Windows: a closed window's properties, a build that fails, the classes of the framework's
// widgets, and the Activate event as the user moves between windows.
#include "tests/support/activated_window.h"
#include "tests/support/framework_test.h"
#include "tests/support/refused_activation_test.h"

#include "app/menu.h"
#include "framework/controls/canvas.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/windows/window_widget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QValidator>
#include <ostream>

namespace {

struct ClosedWindowCase {
    const char* name;
    const char* property;
    rt::Value value;
};

void PrintTo(const ClosedWindowCase& c, std::ostream* os) {
    *os << c.name;
}

class ClosedWindowTest : public FrameworkTest,
                         public ::testing::WithParamInterface<ClosedWindowCase> {};

TEST_P(ClosedWindowTest, SetPropertyKeepsTheValueAndShowsNothing) {
    window->Close();
    Settle();
    ASSERT_EQ(window->TopWidget(), nullptr);
    EXPECT_NO_THROW(window->SetProperty(GetParam().property, GetParam().value));
    EXPECT_EQ(window->Property(GetParam().property), GetParam().value);
    EXPECT_FALSE(window->Visible());
    EXPECT_THROW(window->SetProperty("Titel", "x"), rt::RuntimeException);
}

const ClosedWindowCase kClosedWindowProperties[] = {
    {"Title", "Title", std::string("Later")},
    {"Width", "Width", std::int64_t{500}},
    {"Height", "Height", std::int64_t{200}},
    // A plain frame is placed in the middle of the screen.
    {"PlainFrame", "Type", std::int64_t{2}},
    {"FixedSize", "Resizeable", false},
    {"Background", "HasBackgroundColor", true},
    {"MenuBarHidden", "MenuBarVisible", false},
    {"Visible", "Visible", true},
};

INSTANTIATE_TEST_SUITE_P(Properties, ClosedWindowTest, ::testing::ValuesIn(kClosedWindowProperties),
                         [](const auto& info) { return std::string(info.param.name); });

// The step at which a build of the faulty window class goes wrong.
enum class Fault { None, Layout, CreateControls, AddMenuHandlers, Frame, Size };

// A window class of its own whose build fails at the step it is told to.
class FaultyWindow : public rt::Window {
public:
    static const rt::ClassDescription& ClassInfo() {
        return DescribeTestClass<rt::Window>(
            "FaultyWindow", {rt::BindEvent("Layout", &FaultyWindow::Layout),
                             rt::BindEvent("CreateControls", &FaultyWindow::CreateControls),
                             rt::BindEvent("AddMenuHandlers", &FaultyWindow::AddMenuHandlers)});
    }
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }

    void Layout() {
        SetProperty("Title", std::string("Faulty"));
        // A text where a number belongs is taken here and fails when the frame or size is applied.
        SetProperty("Type", fault == Fault::Frame ? rt::Value(std::string("plain"))
                                                  : rt::Value(std::int64_t{0}));
        SetProperty("Width", fault == Fault::Size ? rt::Value(std::string("wide"))
                                                  : rt::Value(std::int64_t{320}));
        SetProperty("Height", std::int64_t{200});
        SetProperty("Visible", true);
        FailAt(Fault::Layout);
    }
    void CreateControls() {
        AddControl("Area", New<rt::TextArea>());
        FailAt(Fault::CreateControls);
    }
    void AddMenuHandlers(rt::Window& window) {
        window.AddMenuHandler("EditCopy", [] { return true; });
        FailAt(Fault::AddMenuHandlers);
    }

    static inline Fault fault = Fault::None;

private:
    static void FailAt(Fault step) {
        if (fault == step)
            throw rt::RuntimeException("The build failed here.");
    }
};

struct FailedBuildCase {
    const char* name;
    Fault fault;
    const char* error;
};

void PrintTo(const FailedBuildCase& c, std::ostream* os) {
    *os << c.name;
}

class FailedBuildTest : public GuiTest, public ::testing::WithParamInterface<FailedBuildCase> {
protected:
    void TearDown() override {
        FaultyWindow::fault = Fault::None;
        GuiTest::TearDown();
    }
};

TEST_P(FailedBuildTest, PassesTheErrorOnAndLeavesNoWindowBehind) {
    Settle();
    const auto topLevels = QApplication::topLevelWidgets().size();
    FaultyWindow::fault = GetParam().fault;
    try {
        rt::ImplicitWindow<FaultyWindow>();
        ADD_FAILURE() << "the build went through";
    } catch (const rt::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().error), std::string::npos) << e.what();
    }
    Settle();
    EXPECT_EQ(rt::GetImplicitWindow("FaultyWindow"), nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels) << "a half-built window is left";

    FaultyWindow::fault = Fault::None;
    const auto window = rt::ImplicitWindow<FaultyWindow>();
    EXPECT_EQ(rt::GetImplicitWindow("FaultyWindow"), window);
    ASSERT_TRUE(window->Visible());
    EXPECT_EQ(window->TopWidget()->windowTitle(), "Faulty");
    EXPECT_EQ(window->ContentWidget()->size(), QSize(320, 200));
    const auto area = rt::Cast<rt::TextArea>(window->ControlByName("Area"));
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->Widget()->isVisible());
    EXPECT_TRUE(window->HasMenuHandler("EditCopy"));
    Settle();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels + 1);
}

const FailedBuildCase kFailedBuilds[] = {
    {"Layout", Fault::Layout, "The build failed here."},
    {"CreateControls", Fault::CreateControls, "The build failed here."},
    {"AddMenuHandlers", Fault::AddMenuHandlers, "The build failed here."},
    {"FrameStep", Fault::Frame, "not an integer"},
    {"SizeStep", Fault::Size, "not an integer"},
};

INSTANTIATE_TEST_SUITE_P(Steps, FailedBuildTest, ::testing::ValuesIn(kFailedBuilds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkTest, FrameworkWidgetsKnowTheirOwnClasses) {
    window->SetMenuBar(std::make_shared<rt::MenuBar>());
    const auto canvas = window->New<rt::Canvas>();
    auto* top = qobject_cast<rt::WindowWidget*>(window->TopWidget());
    ASSERT_NE(top, nullptr);
    auto* view = qobject_cast<rt::MenuBarView*>(top->menuWidget());
    ASSERT_NE(view, nullptr);
    const std::pair<const QObject*, const char*> objects[] = {
        {top, "rt::WindowWidget"},
        {window->ContentWidget(), "rt::ContentWidget"},
        {view, "rt::MenuBarView"},
        {canvas->Widget(), "rt::CanvasWidget"},
        {field->Widget(), "rt::LineEdit"},
        {area->Widget(), "rt::PlainTextEdit"},
        {qobject_cast<QLineEdit*>(field->Widget())->validator(), "rt::TypingLimit"},
    };
    for (const auto& [object, name] : objects) {
        ASSERT_NE(object, nullptr) << name;
        EXPECT_STREQ(object->metaObject()->className(), name);
    }
}

// A plain widget stands for another program's window: the program's windows all lose the
// activation to it.
void ActivateAnotherProgramsWindow(QWidget& elsewhere) {
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
}

// The program shows a window whose activation the window system refuses (a window manager may),
// then the user goes to another window or comes back to the first: that window's Activate is
// raised however the user got there, with a press or only through the window manager.
enum class Switch { ClickIntoSecond, WindowManagerToSecond, BackAfterRefusedHidden, BackByAClick };

struct SwitchCase {
    const char* name;
    Switch how;
};

void PrintTo(const SwitchCase& c, std::ostream* os) {
    *os << c.name;
}

class SwitchAfterARefusedActivationTest : public RefusedActivationTest,
                                          public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchAfterARefusedActivationTest, RaisesActivateOfTheWindowTheUserGoesTo) {
    OpenWindowsAndRefuseOne();
    ActivatedWindow* target = second.get();
    switch (GetParam().how) {
    case Switch::ClickIntoSecond:
        QTest::mouseClick(second->ContentWidget(), Qt::LeftButton);
        break;
    case Switch::WindowManagerToSecond:
        break;
    case Switch::BackAfterRefusedHidden:
    case Switch::BackByAClick: {
        target = first.get();
        // Away to another program's window first.
        QWidget elsewhere;
        ASSERT_NO_FATAL_FAILURE(ActivateAnotherProgramsWindow(elsewhere));
        if (GetParam().how == Switch::BackAfterRefusedHidden)
            refused->Hide();
        else
            QTest::mouseClick(first->ContentWidget(), Qt::LeftButton);
        break;
    }
    }
    const int before = target->activations;
    MakeActive(*target);
    EXPECT_EQ(target->activations, before + 1);
}

const SwitchCase kSwitches[] = {
    {"ClickIntoAnotherWindow", Switch::ClickIntoSecond},
    {"WindowManagerSwitch", Switch::WindowManagerToSecond},
    {"BackAfterTheRefusedWindowIsHidden", Switch::BackAfterRefusedHidden},
    {"BackByAClick", Switch::BackByAClick},
};

INSTANTIATE_TEST_SUITE_P(Switches, SwitchAfterARefusedActivationTest,
                         ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });

// A press on an inactive window's menu bar answers its activation at once; the window system's
// reports of that same activation, however many, raise nothing more.
TEST_F(GuiTest, OneActivationOfTheUsersRaisesActivateOnce) {
    const auto first = std::make_shared<ActivatedWindow>();
    first->Constructor();
    first->SetMenuBar(::Menu());
    first->Show();
    const auto second = std::make_shared<ActivatedWindow>();
    second->Constructor();
    second->Show();
    MakeActive(*second);
    const int before = first->activations;

    auto* bar = qobject_cast<QMainWindow*>(first->TopWidget())->menuWidget();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(first->activations, before + 1) << "Activate comes with the press";
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    for (int report = 0; report < 2; ++report) {
        QEvent activated(QEvent::WindowActivate);
        QApplication::sendEvent(first->TopWidget(), &activated);
    }
    MakeActive(*first);
    EXPECT_EQ(first->activations, before + 1);

    MakeActive(*second);
    MakeActive(*first);
    EXPECT_EQ(first->activations, before + 2) << "a later activation is a new one";
    // Away to another program's window and back.
    QWidget elsewhere;
    ASSERT_NO_FATAL_FAILURE(ActivateAnotherProgramsWindow(elsewhere));
    MakeActive(*first);
    EXPECT_EQ(first->activations, before + 3) << "coming back from elsewhere is a new one";
}

} // namespace
