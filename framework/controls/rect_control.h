#pragma once
// A control with a place in its window: a real widget on the window's content area.
#include "framework/controls/control.h"

class QWidget;

namespace rt {

class RectControl : public Control {
public:
    using Control::Control;
    ~RectControl() override;

    // Makes the widget on the window's content area, in its default state.
    void Constructor() override;

    void SetVisible(bool visible);
    bool Visible() const;
    void SetFocus();
    bool HasFocus() const;

    // Position kept by the four locks when the window is resized.
    struct Anchor {
        int left = 0, top = 0, width = 0, height = 0;
        bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
    };
    Anchor Placement() const;
    int TabIndex() const;
    bool TabStop() const;

    // The widget, for the framework and for tests that drive it; nullptr once it is gone.
    QWidget* Widget() const;

protected:
    virtual QWidget* CreateWidget(QWidget* parent) = 0;
    bool ApplyProperty(const std::string& name, const Value& value) override;
    // Whether the control takes the keyboard focus at all (canvases choose; text controls do).
    void AllowFocus(bool allow);
    // Whether a click still gives the focus to a control that is no tab stop.
    virtual bool ClickFocusWithoutTabStop() const { return true; }
    // The widget, or NilObjectException when the window that held it is gone.
    QWidget& RequireWidget() const;

private:
    void ApplyFocusPolicy();
    struct Impl;
    std::shared_ptr<Impl> d_;
};

} // namespace rt
