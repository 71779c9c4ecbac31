#include "framework/platform/date.h"

#include "framework/core/text_model.h"
#include "framework/platform/platform_hooks.h"

#include <QDateTime>
#include <QLocale>

namespace rt {

namespace {
QDateTime Local(std::chrono::system_clock::time_point t) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count()).toLocalTime();
}
} // namespace

Date::Date() : moment_(Hooks().now()) {}

std::string Date::ShortDate() const {
    return FromQt(QLocale::system().toString(Local(moment_).date(), QLocale::ShortFormat));
}

std::string Date::LongTime() const {
    return FromQt(QLocale::system().toString(Local(moment_).time(), QLocale::LongFormat));
}

} // namespace rt
