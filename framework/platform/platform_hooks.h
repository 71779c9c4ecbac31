#pragma once
// The few places where the framework meets the user's desktop directly. Tests replace them to
// record messages and beeps, fix the clock, or make a platform call fail; the defaults are real.
#include <chrono>
#include <functional>
#include <string>

namespace rt {

class FileType;

struct PlatformHooks {
    std::function<void(const std::string& text)> msgBox;
    std::function<void()> beep;
    std::function<std::chrono::system_clock::time_point()> now;
    std::function<void(const FileType&)> registerFileType;
    // Called at the start of a few framework operations by name ("MenuItem.Constructor",
    // "FileType.Register"); a test makes the platform fail there by raising from it.
    std::function<void(const std::string& operation)> fault;
};

// Gives the fault hook its chance to fail the named operation.
void Fault(const std::string& operation);

PlatformHooks& Hooks();
void ResetPlatformHooks();

} // namespace rt
