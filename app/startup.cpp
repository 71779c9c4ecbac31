#include "app/startup.h"

#include "app/file_types.h"
#include "app/menu.h"
#include "framework/controls/timer.h"
#include "framework/core/exception_handling.h"
#include "framework/lifecycle/runtime.h"
#include "framework/windows/window.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

std::vector<std::function<void()>> Initializers() {
    return {
        [] { pAllFileTypes.clear(); },
        [] {
            FileTypes::pText.reset();
            FileTypes::pUntitledType.reset();
        },
        [] { ControlWnd::ClassInfo(); },
        [] { Menu::_implicitInstance.reset(); },
        [] { Menu::ClassInfo(); },
        [] { rt::Timer::ClassInfo(); },
        [] { AboutWnd::ClassInfo(); },
        [] { HandleAboutMenu::ClassInfo(); },
        [] { DescriptionWnd::ClassInfo(); },
    };
}

int RunProgram(const std::vector<std::function<void()>>& initializers) {
    rt::RuntimeInit();
    // A failed initialiser has been reported; the program body never runs on a half-made set-up.
    if (rt::RuntimePerformInitializers(initializers))
        Main();
    rt::RuntimePerformFinalizers();
    return rt::RuntimeExit();
}

void Main() {
    try {
        rt::RuntimeSetExceptionHelper(&rt::Application::CallFunctionWithExceptionHandling);
        EarlyStartup();
        rt::RunFrameworkInitialization(&LateStartup);
        rt::RuntimeRun();
    } catch (...) {
        // Whatever escaped start-up or the event loop ends the run after the report.
        rt::UnhandledException(std::current_exception());
    }
}

void EarlyStartup() {
    rt::Application::SetSupportsHiDPI(true);
    rt::RuntimeInitExternalClasses();
    rt::InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {
    FileTypes::Initialize();
}

void NewAppInstance() {
    auto app = std::make_shared<HandleAboutMenu>();
    app->Constructor();
    app->x_SetVersionData(2, 0, 0, 0, 3, AboutWnd::kNotice, "2.0", "Quorvane");
    rt::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
    auto app = App();
    app->AddMenuHandler("AboutMenuItem",
                        rt::BoundMenuHandler(*app, &HandleAboutMenu::AboutMenuItem_Action));
}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    static_cast<void>(::AboutWnd());
}

std::shared_ptr<HandleAboutMenu> App() {
    auto app = rt::Cast<HandleAboutMenu>(rt::GetAppObject());
    if (!app)
        throw rt::NilObjectException("There is no application object.");
    return app;
}
