#include "framework/windows/window_activation.h"

#include "framework/windows/window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <memory>

namespace rt {

namespace {

struct Activation {
    std::weak_ptr<const Window> answered;
    std::weak_ptr<const Window> awaited;
};

Activation& State() {
    static Activation state;
    return state;
}

bool Is(const std::weak_ptr<const Window>& held, const Window& window) {
    return held.lock().get() == &window;
}

std::weak_ptr<const Window> Hold(const Window& window) {
    return std::static_pointer_cast<const Window>(window.shared_from_this());
}

// Sees every press before its widget does, so a command it leads to can start a new wait.
class UserPresses : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
            State().awaited.reset();
        return QObject::eventFilter(watched, event);
    }
};

void WatchUserPresses() {
    static bool watching = false;
    if (watching || QCoreApplication::instance() == nullptr)
        return;
    watching = true;
    QCoreApplication::instance()->installEventFilter(new UserPresses(QCoreApplication::instance()));
}

} // namespace

bool TakeActivation(const Window& window) {
    Activation& s = State();
    if (!s.awaited.expired()) {
        if (!Is(s.awaited, window))
            return false;
        s.awaited.reset();
    }
    if (Is(s.answered, window))
        return false;
    s.answered = Hold(window);
    return true;
}

void NoteDeactivation(const Window& window) {
    Activation& s = State();
    if (s.awaited.expired() && Is(s.answered, window))
        s.answered.reset();
}

bool AnswerActivationNow(const Window& window) {
    Activation& s = State();
    if (Is(s.answered, window))
        return false;
    s.answered = Hold(window);
    return true;
}

void NoteActivationRequested(const Window& window) {
    WatchUserPresses();
    State().awaited = Hold(window);
}

void ForgetActivation(const Window& window) {
    Activation& s = State();
    if (Is(s.awaited, window))
        s.awaited.reset();
    if (Is(s.answered, window))
        s.answered.reset();
}

} // namespace rt

#include "window_activation.moc"
