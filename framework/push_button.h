#pragma once
// A push button; pressing it raises Action.
#include "framework/rect_control.h"

namespace rt {

class PushButton : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "PushButton";
    std::string ClassName() const override { return kClassName; }

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool ApplyProperty(const std::string& name, const Value& value) override;
};

} // namespace rt
