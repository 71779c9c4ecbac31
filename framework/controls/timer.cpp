#include "framework/controls/timer.h"

#include "framework/core/main_thread.h"

#include <QTimer>
#include <algorithm>
#include <climits>

namespace rt {

struct Timer::Impl {
    QTimer timer;
    std::int64_t runMode = 0;
    std::int64_t period = 1000;
};

Timer::Timer(std::weak_ptr<Window> window) : Control(std::move(window)), d_(new Impl) {
    // Qt's default coarse timers may fire up to 5% early or late; a Period is kept to the ms.
    d_->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&d_->timer, &QTimer::timeout, &d_->timer, [this] {
        // A one-shot timer is spent before its handler runs, so the handler sees it stopped.
        if (d_->runMode == 1)
            d_->runMode = 0;
        const auto keep = shared_from_this();
        RaiseEvent("Action");
    });
}

Timer::~Timer() = default;

const ClassDescription& Timer::ClassInfo() {
    return ObtainClass(kClassName, [] {
        ClassDescription d;
        d.fullName = kClassName;
        d.virtualOperations = {"Constructor"};
        d.methods = {{"Constructor", "()", {}}};
        return d;
    });
}

bool Timer::IsRunning() const {
    return d_->timer.isActive();
}

int Timer::RemainingTime() const {
    return d_->timer.remainingTime();
}

void Timer::Restart() {
    d_->timer.stop();
    if (d_->runMode == 0)
        return;
    d_->timer.setSingleShot(d_->runMode == 1);
    // Qt counts in int milliseconds; a longer Period waits as long as Qt can (about 24 days).
    d_->timer.start(static_cast<int>(std::min<std::int64_t>(d_->period, INT_MAX)));
}

bool Timer::ApplyProperty(const std::string& name, const Value& value) {
    RequireMainThread();
    if (name == "RunMode") {
        d_->runMode = AsInteger(value);
    } else if (name == "Period") {
        d_->period = std::max<std::int64_t>(0, AsInteger(value));
    } else {
        return Control::ApplyProperty(name, value);
    }
    Restart();
    return true;
}

} // namespace rt
