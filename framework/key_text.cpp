#include "framework/key_text.h"

#include "framework/text_functions.h"

#include <QKeyEvent>

namespace rt {

std::optional<std::string> KeyText(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return Chr(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Chr(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Chr(13);
    case Qt::Key_Escape:
        return Chr(27);
    case Qt::Key_Left:
        return Chr(28);
    case Qt::Key_Right:
        return Chr(29);
    case Qt::Key_Up:
        return Chr(30);
    case Qt::Key_Down:
        return Chr(31);
    case Qt::Key_Delete:
        return Chr(127);
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return std::nullopt;
    return text.toStdString();
}

} // namespace rt
