#include "framework/runtime.h"

#include "framework/application.h"
#include "framework/exception_handling.h"
#include "framework/main_thread.h"
#include "framework/picture.h"
#include "framework/platform_hooks.h"
#include "framework/window.h"

#include <QApplication>
#include <algorithm>
#include <memory>

namespace rt {

namespace {

enum class Phase { NotStarted, Starting, Running, Finished };

struct RunState {
    Phase phase = Phase::NotStarted;
    bool quitting = false;
    bool quitCalled = false;
    int quitCode = 0;
    bool startupFailed = false;
    bool pluginsResolved = false;
};

RunState& State() {
    static RunState state;
    return state;
}

std::unique_ptr<QApplication>& PlatformApp() {
    static std::unique_ptr<QApplication> app;
    return app;
}

} // namespace

void RuntimeInit() {
    State() = RunState{};
    State().phase = Phase::Starting;
    if (QCoreApplication::instance() == nullptr) {
        // The program takes no command-line options, so Qt is handed none either.
        static int argc = 1;
        static char name[] = "quorvane";
        static char* argv[] = {name, nullptr};
        PlatformApp() = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    // Hiding the last window (the splash gives way) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimePerformInitializers(const std::vector<std::function<void()>>& initializers) {
    for (const auto& initializer : initializers)
        initializer();
}

void RuntimeInitExternalClasses() {
    Window::ClassInfo();
    Application::ClassInfo();
}

void InitPluginEntrypoints() {
    State().pluginsResolved = true;
}

bool PluginEntrypointsResolved() {
    return State().pluginsResolved;
}

void RunFrameworkInitialization(void (*lateStartup)()) {
    RequireMainThread();
    Dispatch([lateStartup] { lateStartup(); });
}

void RuntimeRun() {
    RequireMainThread();
    // A start-up that failed before any window was shown has nothing for the user to work with,
    // even when it left a window held whose set-up failed before it could show itself.
    const auto open = OpenWindows();
    const bool anyShown =
        std::any_of(open.begin(), open.end(), [](const auto& window) { return window->Visible(); });
    if (State().quitCalled || (State().startupFailed && !anyShown))
        return;
    State().phase = Phase::Running;
    QApplication::exec();
    State().phase = Phase::Finished;
}

void RuntimePerformFinalizers() {
    for (const auto& window : OpenWindows())
        window->Close();
    // Qt's own objects must go before the process's static destructors run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    PlatformApp().reset();
}

int RuntimeExit() {
    if (State().quitCalled)
        return State().quitCode;
    return State().startupFailed ? 1 : 0;
}

void Quit(int code) {
    RequireMainThread();
    if (!State().quitCalled) {
        State().quitCalled = true;
        State().quitCode = code;
    }
    if (State().quitting)
        return;
    State().quitting = true;
    for (const auto& window : OpenWindows())
        window->Close();
    QCoreApplication::exit(State().quitCode);
}

bool QuitRequested() {
    return State().quitCalled;
}

void RuntimeNoteUnhandledError() {
    if (State().phase == Phase::Starting)
        State().startupFailed = true;
}

void ResetRuntime() {
    for (const auto& window : OpenWindows())
        window->Close();
    RuntimeRegisterAppObject(nullptr);
    RuntimeSetExceptionHelper(nullptr);
    ResetPlatformHooks();
    Picture::ResetResourceRoot();
    State() = RunState{};
}

} // namespace rt
