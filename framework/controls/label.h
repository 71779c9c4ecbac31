#pragma once
#include "framework/controls/rect_control.h"

namespace rt {

class Label : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "Label";
    std::string ClassName() const override { return kClassName; }

    std::string Text() const;
    void SetText(const std::string& text);

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool ApplyProperty(const std::string& name, const Value& value) override;
};

} // namespace rt
