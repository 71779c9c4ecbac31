#include "framework/lifecycle/application.h"

#include "framework/core/exception_handling.h"
#include "framework/core/main_thread.h"

#include <QApplication>

namespace rt {

namespace {
std::shared_ptr<Application>& AppObject() {
    static std::shared_ptr<Application> app;
    return app;
}
bool& HiDPI() {
    static bool supported = false;
    return supported;
}
} // namespace

const ClassDescription& Application::ClassInfo() {
    return ObtainClass("Application", [] {
        ClassDescription d;
        d.fullName = "Application";
        d.virtualOperations = {"AddTrayItem",          "DoEvents",
                               "HideTooltip",          "NewDocument",
                               "OpenDocument",         "RefreshMenuBar",
                               "RemoveTrayItem",       "ShowTooltip",
                               "SleepCurrentThread",   "Window",
                               "WindowCount",          "YieldToNextThread",
                               "AddMenuHandler",       "AddPollableObject",
                               "DependencyList",       "DoSingleEvent",
                               "RemovePollableObject", "x_SetVersionData"};
        for (const auto& name : d.virtualOperations)
            d.methods.push_back({name, "()", {}});
        return d;
    });
}

// Qt 6 always draws at the display's resolution; the declaration is kept for the record.
void Application::SetSupportsHiDPI(bool supported) {
    HiDPI() = supported;
}

bool Application::SupportsHiDPI() {
    return HiDPI();
}

std::exception_ptr Application::CallFunctionWithExceptionHandling(void (*function)(void*),
                                                                  void* argument) {
    return rt::CallFunctionWithExceptionHandling(function, argument);
}

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                   std::int64_t nonRelease, std::int64_t stageCode,
                                   const std::string& longVersion, const std::string& shortVersion,
                                   const std::string& packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stageCode_ = stageCode;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
    packageInfo_ = packageInfo;
}

void Application::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
    RequireMainThread();
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0;
}

bool Application::MenuCommand(const std::string& itemName) {
    const auto it = menuHandlers_.find(itemName);
    if (it == menuHandlers_.end())
        return false;
    const MenuHandler handler = it->second;
    bool answered = false;
    Dispatch([&] { answered = handler(); });
    return answered;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    AppObject() = std::move(app);
    if (AppObject() && QCoreApplication::instance() != nullptr)
        QCoreApplication::setApplicationVersion(
            QString::fromStdString(AppObject()->ShortVersion()));
}

std::shared_ptr<Application> GetAppObject() {
    return AppObject();
}

} // namespace rt
