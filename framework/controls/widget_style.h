#pragma once
// Properties that several control classes share, acted out on their Qt widgets.
#include "framework/core/value.h"

#include <QColor>
#include <QPalette>
#include <Qt>
#include <string>

class QWidget;

namespace rt {

// FontName, FontSize (pixels), FontUnit, Bold, Italic, Underline; false for other names.
bool ApplyFontProperty(QWidget& widget, const std::string& name, const Value& value);
// TextAlignment 0 (default) and 1 left, 2 centre, 3 right.
Qt::Alignment HorizontalAlignment(const Value& value);
void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, const Value& value);
QColor ToQColor(Color color);

} // namespace rt
