#pragma once
// The one application object: version data and the application's own menu handlers. The
// program registers it once; the framework keeps it for the rest of the run.
#include "framework/core/class_description.h"
#include "framework/core/object.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace rt {

class Application : public Object {
public:
    static const ClassDescription& ClassInfo();
    virtual const ClassDescription& Describe() const { return ClassInfo(); }

    static void SetSupportsHiDPI(bool supported);
    static bool SupportsHiDPI();
    // Runs program code for the framework and hands back a RuntimeException that escaped it.
    static std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*),
                                                                void* argument);

    void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                          std::int64_t nonRelease, std::int64_t stageCode,
                          const std::string& longVersion, const std::string& shortVersion,
                          const std::string& packageInfo);
    std::int64_t MajorVersion() const { return major_; }
    std::int64_t MinorVersion() const { return minor_; }
    std::int64_t BugVersion() const { return bug_; }
    std::int64_t NonReleaseVersion() const { return nonRelease_; }
    std::int64_t StageCode() const { return stageCode_; }
    std::string LongVersion() const { return longVersion_; }
    std::string ShortVersion() const { return shortVersion_; }
    std::string PackageInfo() const { return packageInfo_; }
    std::string Version() const { return shortVersion_; }
    std::string Description() const { return packageInfo_; }

    using MenuHandler = std::function<bool()>;
    void AddMenuHandler(const std::string& itemName, MenuHandler handler);
    bool HasMenuHandler(const std::string& itemName) const;
    // Runs the application's handler for the item; false when none or it answered False.
    bool MenuCommand(const std::string& itemName);

private:
    std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stageCode_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
    std::map<std::string, MenuHandler> menuHandlers_;
};

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// The registered application object; nil before registration.
std::shared_ptr<Application> GetAppObject();

} // namespace rt
