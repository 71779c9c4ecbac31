#include "framework/window_widget.h"

#include "framework/key_text.h"
#include "framework/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rt {

namespace {

class ContentWidget : public QWidget {
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

} // namespace

WindowWidget::WindowWidget(std::weak_ptr<Window> owner)
    : owner_(std::move(owner)), content_(new ContentWidget(this, owner_)) {
    setCentralWidget(content_);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (const auto window = owner_.lock())
        window->CloseRequestedByUser();
    event->accept();
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (const auto window = owner_.lock())
            window->RaiseEvent("Activate");
    return QMainWindow::event(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const auto window = owner_.lock();
    const auto key = KeyText(*event);
    if (window && key && window->RaiseEvent("KeyDown", {*key})) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace rt
