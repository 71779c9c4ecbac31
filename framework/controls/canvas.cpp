#include "framework/controls/canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <utility>

namespace rt {

namespace {

// The widget outlives its control until its deferred deletion runs: it holds the control weakly.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    CanvasWidget(QWidget* parent, std::weak_ptr<Canvas> owner)
        : QWidget(parent), owner_(std::move(owner)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const auto owner = owner_.lock();
        if (const auto picture = owner ? owner->Backdrop() : nullptr) {
            QPainter painter(this);
            painter.drawImage(QPointF(0, 0), picture->Image());
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        // Without a handler of its own the press goes on to the window.
        const auto owner = owner_.lock();
        if (!owner || !owner->IsEventBound("MouseDown")) {
            event->ignore();
            return;
        }
        const QPoint p = event->position().toPoint();
        owner->RaiseEvent("MouseDown", {"", p.x(), p.y()});
        event->accept();
    }

private:
    std::weak_ptr<Canvas> owner_;
};

} // namespace

QWidget* Canvas::CreateWidget(QWidget* parent) {
    auto* widget = new CanvasWidget(parent, std::static_pointer_cast<Canvas>(shared_from_this()));
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    RequireWidget().update();
    backdrop_ = std::move(picture);
}

std::shared_ptr<Picture> Canvas::Backdrop() const {
    return backdrop_;
}

bool Canvas::ApplyProperty(const std::string& name, const Value& value) {
    if (name == "AllowFocus") {
        AllowFocus(AsBool(value));
    } else if (name != "AllowFocusRing" && name != "AllowTabs" && name != "DoubleBuffer") {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

} // namespace rt

#include "canvas.moc"
