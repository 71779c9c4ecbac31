#pragma once
// The run of the program: start-up steps in the order the program calls them, the event loop,
// quitting and the exit status.
#include <functional>
#include <vector>

namespace rt {

// Starts the runtime and the platform's application object, and installs the unhandled-error
// report the user sees (the application's UnhandledException first, then a message box); the
// first call of the process. Without a graphical display the process ends here, with one line
// on stderr and status 1.
void RuntimeInit();
// Works through the initialiser list (class descriptions, initial values) in order. An error
// ends it with the unhandled-error report and fails the run; answers whether every one ran.
bool RuntimePerformInitializers(const std::vector<std::function<void()>>& initializers);
// The framework's built-in classes are known from here on.
void RuntimeInitExternalClasses();
// The matrix component is linked in: its entry points are there from the start.
void InitPluginEntrypoints();
bool PluginEntrypointsResolved();
// Finishes the framework's set-up and calls the late start-up step once, before any input.
void RunFrameworkInitialization(void (*lateStartup)());
// The event loop; returns when the program quits.
void RuntimeRun();
void RuntimePerformFinalizers();
// The process exit status: the code given to Quit, or 1 when an error escaped start-up.
int RuntimeExit();

// Closes every open window (raising Close), then leaves the event loop; a repeat is harmless.
void Quit(int code = 0);
bool QuitRequested();

// Puts the runtime back as a new process has it: no windows, no application object, no quit;
// the unhandled-error report is the one RuntimeInit installs.
void ResetRuntime();

} // namespace rt
