#pragma once
// A drawing area showing its backdrop picture at its top left; it may answer mouse presses.
#include "framework/controls/rect_control.h"
#include "framework/platform/picture.h"

namespace rt {

class Canvas : public RectControl {
public:
    using RectControl::RectControl;
    static constexpr const char* kClassName = "Canvas";
    std::string ClassName() const override { return kClassName; }

    void SetBackdrop(std::shared_ptr<Picture> picture);
    std::shared_ptr<Picture> Backdrop() const;

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool ApplyProperty(const std::string& name, const Value& value) override;

private:
    std::shared_ptr<Picture> backdrop_;
};

} // namespace rt
