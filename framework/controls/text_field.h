#pragma once
// A one-line text field. Its KeyDown event sees each key first: a True answer keeps the key out.
#include "framework/controls/rect_control.h"

namespace rt {

class TextField : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "TextField";
    std::string ClassName() const override { return kClassName; }

    std::string Text() const;
    void SetText(const std::string& text);

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool ApplyProperty(const std::string& name, const Value& value) override;
};

} // namespace rt
