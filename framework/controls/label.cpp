#include "framework/controls/label.h"

#include "framework/controls/widget_style.h"
#include "framework/core/text_model.h"

#include <QLabel>

namespace rt {

namespace {
QLabel& Of(QWidget& w) {
    return static_cast<QLabel&>(w);
}
} // namespace

QWidget* Label::CreateWidget(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A press on a label belongs to its window.
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

std::string Label::Text() const {
    return FromQt(Of(RequireWidget()).text());
}

void Label::SetText(const std::string& text) {
    Of(RequireWidget()).setText(ToQt(text));
}

bool Label::ApplyProperty(const std::string& name, const Value& value) {
    QLabel& l = Of(RequireWidget());
    if (name == "Value" || name == "Text") {
        l.setText(ToQt(AsText(value)));
    } else if (name == "Multiline") {
        l.setWordWrap(AsBool(value));
    } else if (name == "Selectable") {
        l.setTextInteractionFlags(AsBool(value) ? Qt::TextSelectableByMouse
                                                : Qt::NoTextInteraction);
    } else if (name == "TextAlignment") {
        l.setAlignment(HorizontalAlignment(value) | Qt::AlignTop);
    } else if (name == "TextColor") {
        SetPaletteColor(l, QPalette::WindowText, value);
    } else if (!ApplyFontProperty(l, name, value)) {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

} // namespace rt
