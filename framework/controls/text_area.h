#pragma once
// A text area of many lines; its text reads with CR between lines.
#include "framework/controls/rect_control.h"
#include "framework/controls/styled_text.h"

namespace rt {

class TextArea : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "TextArea";
    std::string ClassName() const override { return kClassName; }

    std::string Text() const;
    void SetText(const std::string& text);
    std::shared_ptr<rt::StyledText> StyledText();

    // Raises Open: the window that holds the area has been set up.
    void WindowOpened() override;

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool ApplyProperty(const std::string& name, const Value& value) override;

private:
    // A hidden selection is drawn only while the area has the focus.
    bool hideSelection_ = false;
};

} // namespace rt
