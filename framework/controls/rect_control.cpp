#include "framework/controls/rect_control.h"

#include "framework/core/main_thread.h"
#include "framework/core/text_model.h"
#include "framework/windows/window.h"

#include <QPointer>
#include <QWidget>

namespace rt {

struct RectControl::Impl {
    QPointer<QWidget> widget;
    Anchor anchor;
    int tabIndex = 0;
    bool tabStop = true;
    Qt::FocusPolicy naturalFocus = Qt::NoFocus;
};

RectControl::~RectControl() {
    // The window's content area owns the widget; when the control goes first, so does it.
    if (d_ && d_->widget)
        d_->widget->deleteLater();
}

void RectControl::Constructor() {
    Control::Constructor();
    auto window = ParentWindow();
    d_ = std::make_shared<Impl>();
    d_->widget = CreateWidget(Deref(window).ContentWidget());
    d_->naturalFocus = d_->widget->focusPolicy();
    d_->widget->show();
}

QWidget* RectControl::Widget() const {
    return d_ ? d_->widget.data() : nullptr;
}

QWidget& RectControl::RequireWidget() const {
    RequireMainThread();
    if (!d_ || !d_->widget)
        throw NilObjectException("The control " + Name() + " is no longer on a window.");
    return *d_->widget;
}

void RectControl::SetVisible(bool visible) {
    SetProperty("Visible", visible);
}

bool RectControl::Visible() const {
    return !RequireWidget().isHidden();
}

void RectControl::SetFocus() {
    RequireWidget().setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
    return RequireWidget().hasFocus();
}

RectControl::Anchor RectControl::Placement() const {
    return d_ ? d_->anchor : Anchor{};
}

int RectControl::TabIndex() const {
    return d_ ? d_->tabIndex : 0;
}

bool RectControl::TabStop() const {
    return d_ && d_->tabStop;
}

void RectControl::AllowFocus(bool allow) {
    d_->naturalFocus = allow ? Qt::StrongFocus : Qt::NoFocus;
    ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
    auto policy = static_cast<int>(d_->naturalFocus);
    if (!d_->tabStop)
        policy = ClickFocusWithoutTabStop() ? policy & ~static_cast<int>(Qt::TabFocus)
                                            : static_cast<int>(Qt::NoFocus);
    RequireWidget().setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

bool RectControl::ApplyProperty(const std::string& name, const Value& value) {
    QWidget& w = RequireWidget();
    Anchor& a = d_->anchor;
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        const int v = static_cast<int>(AsInteger(value));
        (name == "Left"    ? a.left
         : name == "Top"   ? a.top
         : name == "Width" ? a.width
                           : a.height) = v;
        w.setGeometry(a.left, a.top, a.width, a.height);
    } else if (name == "LockLeft" || name == "LockTop" || name == "LockRight" ||
               name == "LockBottom") {
        (name == "LockLeft"    ? a.lockLeft
         : name == "LockTop"   ? a.lockTop
         : name == "LockRight" ? a.lockRight
                               : a.lockBottom) = AsBool(value);
    } else if (name == "Visible") {
        w.setVisible(AsBool(value));
    } else if (name == "Enabled") {
        w.setEnabled(AsBool(value));
    } else if (name == "Tooltip") {
        w.setToolTip(ToQt(AsText(value)));
    } else if (name == "TabIndex" || name == "TabStop") {
        if (name == "TabIndex")
            d_->tabIndex = static_cast<int>(AsInteger(value));
        else
            d_->tabStop = AsBool(value);
        ApplyFocusPolicy();
        if (auto window = ParentWindow())
            window->TabOrderChanged();
    } else if (name != "TabPanelIndex" && name != "AllowAutoDeactivate" && name != "Transparent" &&
               name != "DataSource" && name != "DataField") {
        return Control::ApplyProperty(name, value);
    }
    return true;
}

} // namespace rt
