#pragma once
// The program's start-up, in its order: the runtime and the initialisers, then Main, which
// declares the file types, makes the application object, installs its About handler and has
// the framework open the splash window before the event loop runs.
#include "app/handle_about_menu.h"

#include <functional>
#include <memory>
#include <vector>

void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
// The application object; NilObjectException before it is registered.
std::shared_ptr<HandleAboutMenu> App();
// The program's entries in the initialiser list, in their order.
std::vector<std::function<void()>> Initializers();
// The process's whole run: runtime, the initialisers given, Main, finalisation; the exit status.
// An error in an initialiser is reported, and Main does not run.
int RunProgram(const std::vector<std::function<void()>>& initializers);
