#include "framework/canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace rt {

namespace {

class CanvasWidget : public QWidget {
public:
    CanvasWidget(QWidget* parent, Canvas& owner) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (const auto picture = owner_.Backdrop()) {
            QPainter painter(this);
            painter.drawImage(QPointF(0, 0), picture->Image());
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        // Without a handler of its own the press goes on to the window.
        if (!owner_.IsEventBound("MouseDown")) {
            event->ignore();
            return;
        }
        const QPoint p = event->position().toPoint();
        owner_.RaiseEvent("MouseDown", {"", p.x(), p.y()});
        event->accept();
    }

private:
    Canvas& owner_;
};

} // namespace

QWidget* Canvas::CreateWidget(QWidget* parent) {
    auto* widget = new CanvasWidget(parent, *this);
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
