#pragma once
// A push button; pressing it raises Action.
#include "framework/controls/rect_control.h"

namespace rt {

class PushButton : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "PushButton";
    std::string ClassName() const override { return kClassName; }

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    // A click presses the button and leaves the focus where it was.
    bool ClickFocusWithoutTabStop() const override { return false; }
    bool ApplyProperty(const std::string& name, const Value& value) override;
};

} // namespace rt
