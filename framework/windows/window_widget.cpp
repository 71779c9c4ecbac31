#include "framework/windows/window_widget.h"

#include "framework/core/key_text.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/windows/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <utility>

namespace rt {

namespace {

class ContentWidget : public QWidget {
    Q_OBJECT

public:
    ContentWidget(QWidget* parent, std::weak_ptr<Window> owner)
        : QWidget(parent), owner_(std::move(owner)) {}

protected:
    // Presses that no control took, on the picture and the labels too, reach the window.
    void mousePressEvent(QMouseEvent* event) override {
        const auto window = owner_.lock();
        const QPoint p = event->position().toPoint();
        if (window && window->RaiseEvent("MouseDown", {"", p.x(), p.y()}))
            event->accept();
        else
            event->ignore();
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (const auto window = owner_.lock())
            window->ContentResized();
    }

private:
    std::weak_ptr<Window> owner_;
};

// The window whose activation was answered last. One window is active at a time, so the
// activation of any other is a new one, also when this one's deactivation was never reported.
QPointer<WindowWidget>& Answered() {
    static QPointer<WindowWidget> answered;
    return answered;
}

} // namespace

WindowWidget::WindowWidget(std::weak_ptr<Window> owner)
    : owner_(std::move(owner)), content_(new ContentWidget(this, owner_)) {
    setCentralWidget(content_);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    const auto window = owner_.lock();
    if (window && !window->CloseRequestedByUser())
        event->ignore();
    else
        event->accept();
}

void WindowWidget::AnswerActivation() {
    if (Answered() == this)
        return;
    Answered() = this;
    if (const auto window = owner_.lock())
        window->RaiseEvent("Activate");
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride)
        if (auto* bar = qobject_cast<MenuBarView*>(menuWidget()))
            bar->EnableForShortcut(static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::WindowActivate)
        AnswerActivation();
    else if (event->type() == QEvent::WindowDeactivate && Answered() == this)
        Answered() = nullptr;
    return QMainWindow::event(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const auto window = owner_.lock();
    const auto key = WindowKeyText(*event);
    if (window && key && window->RaiseEvent("KeyDown", {*key})) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace rt

#include "window_widget.moc"
