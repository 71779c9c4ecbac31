#include "framework/controls/widget_style.h"

#include "framework/core/text_model.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

namespace rt {

namespace {
QString FamilyFor(const std::string& name) {
    if (name.empty() || name == "System")
        return QApplication::font().family();
    if (name == "Courier")
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return ToQt(name);
}
} // namespace

bool ApplyFontProperty(QWidget& widget, const std::string& name, const Value& value) {
    QFont font = widget.font();
    if (name == "FontName") {
        font.setFamily(FamilyFor(AsText(value)));
        font.setFixedPitch(AsText(value) == "Courier");
    } else if (name == "FontSize") {
        // Size 0 keeps the platform's own size.
        if (const double size = AsDouble(value); size > 0)
            font.setPixelSize(static_cast<int>(size + 0.5));
    } else if (name == "Bold") {
        font.setBold(AsBool(value));
    } else if (name == "Italic") {
        font.setItalic(AsBool(value));
    } else if (name == "Underline") {
        font.setUnderline(AsBool(value));
    } else if (name == "FontUnit") {
        return true; // sizes are device-independent pixels on every platform here
    } else {
        return false;
    }
    widget.setFont(font);
    return true;
}

Qt::Alignment HorizontalAlignment(const Value& value) {
    switch (AsInteger(value)) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, const Value& value) {
    QPalette palette = widget.palette();
    palette.setColor(role, ToQColor(AsColor(value)));
    widget.setPalette(palette);
}

} // namespace rt
