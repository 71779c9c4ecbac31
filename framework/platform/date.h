#pragma once
#include <chrono>
#include <string>

namespace rt {

// A moment in time; a new Date holds the current date and time.
class Date {
public:
    Date();
    // Both in the user's locale, short date and long time formats.
    std::string ShortDate() const;
    std::string LongTime() const;

private:
    std::chrono::system_clock::time_point moment_;
};

} // namespace rt
