#include "framework/controls/push_button.h"

#include "framework/controls/widget_style.h"
#include "framework/core/text_model.h"

#include <QPushButton>

namespace rt {

QWidget* PushButton::CreateWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    QObject::connect(button, &QPushButton::clicked, button, [self = weak_from_this()] {
        if (const auto held = self.lock())
            static_cast<Control&>(*held).RaiseEvent("Action");
    });
    return button;
}

bool PushButton::ApplyProperty(const std::string& name, const Value& value) {
    auto& b = static_cast<QPushButton&>(RequireWidget());
    if (name == "Caption") {
        b.setText(ToQt(AsText(value)));
    } else if (name == "Default") {
        b.setDefault(AsBool(value));
    } else if (!ApplyFontProperty(b, name, value) && name != "Cancel" && name != "MacButtonStyle") {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

} // namespace rt
