#include "framework/lifecycle/runtime.h"

#include "framework/core/exception_handling.h"
#include "framework/core/main_thread.h"
#include "framework/lifecycle/application.h"
#include "framework/platform/msg_box.h"
#include "framework/platform/picture.h"
#include "framework/platform/platform_hooks.h"
#include "framework/windows/window.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

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

// A message of Qt's while it opens the display, kept with copies of its context: the platform
// plugin that wrote it may be unloaded before the message is passed on.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct HeldMessages {
    std::mutex mutex;
    std::vector<HeldMessage> messages;
};

HeldMessages& Held() {
    static HeldMessages held;
    return held;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(Held().mutex);
    if (type == QtFatalMsg) {
        // Qt found no display to open; its own account ends in an abort and advice that misleads.
        // The platform plugin's first warning says why.
        QString why;
        for (const auto& held : Held().messages)
            if (QByteArray(held.category).startsWith("qt.qpa")) {
                why = held.text.section(QLatin1Char('\n'), 0, 0).trimmed();
                break;
            }
        const QByteArray reason = why.isEmpty() ? QByteArray() : " (" + why.toLocal8Bit() + ")";
        std::fprintf(stderr,
                     "Quorvane needs a graphical display%s: start it inside a desktop session, "
                     "or set DISPLAY or WAYLAND_DISPLAY.\n",
                     reason.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held().messages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

// Opens the display; when there is none the process ends with one line on standard error, and
// Qt's messages on the way are shown only when the display did open.
std::unique_ptr<QApplication> OpenPlatformApp(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(Held().mutex);
        messages.swap(Held().messages);
    }
    const auto chars = [](const QByteArray& held) {
        return held.isNull() ? nullptr : held.constData();
    };
    for (const auto& m : messages) {
        const QMessageLogContext context(chars(m.file), m.line, chars(m.function),
                                         chars(m.category));
        previous(m.type, context, m.text);
    }
    return app;
}

// An application class that binds UnhandledException sees the error first; True settles it.
bool ApplicationHandles(const std::exception_ptr& error) {
    const auto app = GetAppObject();
    const EventBinding* binding = app ? app->Describe().FindEvent("UnhandledException") : nullptr;
    if (binding == nullptr)
        return false;
    try {
        EventArgs args;
        args.key = DescribeError(error);
        return binding->invoke(*app, args);
    } catch (...) {
        return false;
    }
}

// The report the user sees: the line on standard error and a message box naming the error.
// During start-up it fails the run.
void ReportUnhandledError(const std::exception_ptr& error) {
    if (State().phase == Phase::Starting)
        State().startupFailed = true;
    WriteUnhandledErrorLine(error);
    try {
        MsgBox("Quorvane could not finish what it was doing.\r\r" + DescribeError(error));
    } catch (...) {
        // A report that cannot be shown must not take the event loop down with it.
    }
}

} // namespace

void RuntimeInit() {
    State() = RunState{};
    State().phase = Phase::Starting;
    InstallUnhandledErrorReport(&ApplicationHandles, &ReportUnhandledError);
    if (QCoreApplication::instance() == nullptr) {
        // The program takes no command-line options, so Qt is handed none either.
        static int argc = 1;
        static char name[] = "quorvane";
        static char* argv[] = {name, nullptr};
        PlatformApp() = OpenPlatformApp(argc, argv);
    }
    // No display name: Qt would append it to every window title the window manager shows. The
    // message boxes take their title from the application's name.
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    // Hiding the last window (the splash gives way) must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

bool RuntimePerformInitializers(const std::vector<std::function<void()>>& initializers) {
    try {
        for (const auto& initializer : initializers)
            initializer();
    } catch (...) {
        UnhandledException(std::current_exception());
        return false;
    }
    return true;
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
    // A start-up that failed before any window was shown has nothing for the user to work with.
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
    // Before the loop runs there is nothing to leave, and Qt would keep the request: every modal
    // box's loop after it would end at once. The loop is not entered after a Quit.
    if (State().phase == Phase::Running)
        QCoreApplication::exit(State().quitCode);
}

bool QuitRequested() {
    return State().quitCalled;
}

void ResetRuntime() {
    for (const auto& window : OpenWindows())
        window->Close();
    RuntimeRegisterAppObject(nullptr);
    RuntimeSetExceptionHelper(nullptr);
    InstallUnhandledErrorReport(&ApplicationHandles, &ReportUnhandledError);
    ResetPlatformHooks();
    Picture::ResetResourceRoot();
    State() = RunState{};
}

} // namespace rt
