#include "tests/support/gui_test.h"

#include "app/file_types.h"
#include "app/startup.h"
#include "framework/core/runtime_exception.h"
#include "framework/lifecycle/application.h"
#include "framework/platform/platform_hooks.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

class StartupTest : public GuiTest {
protected:
    struct Run {
        bool loopRan = false;
        // What Main left behind, before finalisation closes every window.
        std::size_t windowsHeld = 0;
        bool anyWindowShown = false;
        bool appObject = false;
        int status = -1;
    };

    // Runs the program in main's order; once its event loop runs, `inLoop` looks at it and the
    // program quits as the Quit command would.
    static Run RunProgramUntilLoop(const std::function<void()>& inLoop = {}) {
        Run run;
        // A timer of the test's own, so that a loop that never runs leaves nothing behind.
        QTimer quit;
        quit.setSingleShot(true);
        QObject::connect(&quit, &QTimer::timeout, [&] {
            run.loopRan = true;
            if (inLoop)
                inLoop();
            rt::Quit(0);
        });
        quit.start(0);
        rt::RuntimeInit();
        if (rt::RuntimePerformInitializers(Initializers()))
            Main();
        const auto held = rt::OpenWindows();
        run.windowsHeld = held.size();
        run.anyWindowShown = std::any_of(held.begin(), held.end(),
                                         [](const auto& window) { return window->Visible(); });
        run.appObject = rt::GetAppObject() != nullptr;
        rt::RuntimePerformFinalizers();
        run.status = rt::RuntimeExit();
        return run;
    }

    static long WindowsOf(const rt::ClassDescription& windowClass) {
        const auto open = rt::OpenWindows();
        return std::count_if(open.begin(), open.end(), [&](const auto& window) {
            return window->FullName() == windowClass.fullName;
        });
    }
};

TEST_F(StartupTest, FileTypesComeBeforeTheApplicationWhoseAboutHandlerComesBeforeTheSplash) {
    std::vector<std::string> steps;
    bool menuBuilt = false;
    rt::Hooks().registerFileType = [&](const rt::FileType& type) {
        EXPECT_EQ(rt::GetAppObject(), nullptr) << "while declaring \"" << type.Name() << "\"";
        EXPECT_TRUE(rt::OpenWindows().empty());
        steps.push_back("file type \"" + type.Name() + "\"");
    };
    // The first window to lay itself out builds the shared menu bar: that is the splash.
    rt::Hooks().fault = [&](const std::string& operation) {
        if (operation != "MenuItem.Constructor" || menuBuilt)
            return;
        menuBuilt = true;
        steps.push_back("splash");
        const auto app = rt::GetAppObject();
        ASSERT_NE(app, nullptr);
        EXPECT_EQ(app->ShortVersion(), "2.0");
        EXPECT_TRUE(app->HasMenuHandler("AboutMenuItem"));
        const auto open = rt::OpenWindows();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_EQ(open[0]->FullName(), AboutWnd::ClassInfo().fullName);
        EXPECT_FALSE(open[0]->Visible());
    };

    const Run run = RunProgramUntilLoop();

    EXPECT_TRUE(run.loopRan);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(steps, (std::vector<std::string>{"file type \"text\"", "file type \"\"", "splash"}));
}

TEST_F(StartupTest, SplashIsTheOnlyWindowWhenTheEventLoopRuns) {
    const Run run = RunProgramUntilLoop([] {
        const auto open = rt::OpenWindows();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_EQ(open[0], rt::GetImplicitWindow(AboutWnd::ClassInfo().fullName));
        EXPECT_TRUE(open[0]->Visible());
        EXPECT_EQ(rt::GetImplicitWindow(ControlWnd::ClassInfo().fullName), nullptr);
        EXPECT_TRUE(App()->HasMenuHandler("AboutMenuItem"));
        EXPECT_TRUE(rt::Application::SupportsHiDPI());
        EXPECT_TRUE(rt::PluginEntrypointsResolved());
        ASSERT_EQ(pAllFileTypes.size(), 2u);
        EXPECT_EQ(pAllFileTypes[0], FileTypes::Text());
        EXPECT_EQ(pAllFileTypes[1], FileTypes::UntitledType());
    });

    EXPECT_TRUE(run.loopRan);
    EXPECT_EQ(run.status, 0);
}

TEST_F(StartupTest, ApplicationObjectCarriesTheVersionData) {
    NewAppInstance();
    const auto app = App();

    EXPECT_EQ(app->MajorVersion(), 2);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->ShortVersion(), "2.0");
    EXPECT_EQ(app->Version(), "2.0");
    EXPECT_EQ(app->PackageInfo(), "Quorvane");
    EXPECT_EQ(app->Description(), "Quorvane");
    EXPECT_EQ(app->LongVersion(), AboutWnd::kNotice);
    EXPECT_EQ(app->LongVersion().find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(App(), app);
}

TEST_F(StartupTest, AppBeforeTheApplicationObjectIsRegisteredIsAnError) {
    EXPECT_THROW(App(), rt::NilObjectException);
}

TEST_F(StartupTest, ApplicationAboutHandlerShowsTheOneAboutWindowAndAnswersFalse) {
    NewAppInstance();
    ApplicationAddMenuHandlers();
    ASSERT_EQ(WindowsOf(AboutWnd::ClassInfo()), 0);

    EXPECT_FALSE(App()->MenuCommand("AboutMenuItem"));
    const auto about = rt::GetImplicitWindow(AboutWnd::ClassInfo().fullName);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());

    EXPECT_FALSE(App()->AboutMenuItem_Action());
    EXPECT_EQ(rt::GetImplicitWindow(AboutWnd::ClassInfo().fullName), about);
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(rt::OpenWindows().size(), 1u);
}

TEST_F(StartupTest, AboutFromCalculatorWithBothHandlersShowsOneAboutWindow) {
    NewAppInstance();
    ApplicationAddMenuHandlers();
    const auto calculator = ::ControlWnd();
    Settle();
    ASSERT_TRUE(calculator->HasMenuHandler("AboutMenuItem"));

    Choose(*calculator, "AboutMenuItem");
    Settle();
    Choose(*calculator, "AboutMenuItem");
    Settle();

    EXPECT_EQ(WindowsOf(AboutWnd::ClassInfo()), 1);
    EXPECT_TRUE(::AboutWnd()->Visible());
    EXPECT_TRUE(calculator->Visible());
    EXPECT_EQ(WindowsOf(ControlWnd::ClassInfo()), 1);
}

// A platform operation that fails during start-up, and how far the start-up had come.
struct StartupFault {
    const char* name;
    const char* operation;
    bool afterApplicationObject;
};

class StartupFaultTest : public StartupTest, public ::testing::WithParamInterface<StartupFault> {};

TEST_P(StartupFaultTest, ErrorEndsTheRunAfterOneReportWithoutAnEventLoop) {
    const StartupFault fault = GetParam();
    rt::Hooks().fault = [&](const std::string& operation) {
        if (operation == fault.operation)
            throw rt::RuntimeException("The platform refused " + operation + ".");
    };

    const Run run = RunProgramUntilLoop();

    EXPECT_FALSE(run.loopRan);
    EXPECT_FALSE(run.anyWindowShown);
    EXPECT_EQ(run.appObject, fault.afterApplicationObject);
    if (!fault.afterApplicationObject) {
        EXPECT_EQ(run.windowsHeld, 0u);
    }
    EXPECT_EQ(run.status, 1);
    // Nothing was typed yet: the report claims nothing about it.
    ExpectMessage("Quorvane could not finish what it was doing.\r\rThe platform refused " +
                  std::string(fault.operation) + ".\r\r(RuntimeException)");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StartupFaultTest,
    ::testing::Values(StartupFault{"DeclaringFileTypes", "FileType.Register", false},
                      StartupFault{"BuildingTheSplashMenuBar", "MenuItem.Constructor", true}),
    [](const ::testing::TestParamInfo<StartupFault>& info) {
        return std::string(info.param.name);
    });

TEST_F(StartupTest, FailingInitialiserIsReportedAndTheProgramEndsWithoutItsBody) {
    auto initializers = Initializers();
    initializers.insert(initializers.begin() + 2,
                        [] { throw rt::RuntimeException("The class table is full."); });
    bool laterInitializerRan = false;
    initializers.push_back([&] { laterInitializerRan = true; });
    bool loopRan = false;
    QTimer quit;
    quit.setSingleShot(true);
    QObject::connect(&quit, &QTimer::timeout, [&] {
        loopRan = true;
        rt::Quit(0);
    });
    quit.start(0);

    EXPECT_EQ(RunProgram(initializers), 1);

    EXPECT_FALSE(laterInitializerRan);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(rt::GetAppObject(), nullptr);
    EXPECT_TRUE(pAllFileTypes.empty());
    ExpectMessage("Quorvane could not finish what it was doing.\r\rThe class table is "
                  "full.\r\r(RuntimeException)");
}

} // namespace
