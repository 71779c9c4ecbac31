#include "framework/core/key_text.h"

#include "framework/core/text_functions.h"

#include <QKeyEvent>
#include <utility>

namespace rt {

namespace {

// Keys without a character of their own, as the codes their key text carries.
constexpr std::pair<int, int> kEditingKeys[] = {
    {Qt::Key_Home, 1},    {Qt::Key_End, 4},     {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9}, {Qt::Key_PageUp, 11}, {Qt::Key_PageDown, 12}, {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27}, {Qt::Key_Left, 28},     {Qt::Key_Right, 29},
    {Qt::Key_Up, 30},     {Qt::Key_Down, 31},   {Qt::Key_Delete, 127}};

bool IsModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta ||
           key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

} // namespace

std::optional<std::string> KeyText(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier)
        return std::nullopt;
    return WindowKeyText(event);
}

std::optional<std::string> WindowKeyText(const QKeyEvent& event) {
    if (IsModifier(event.key()))
        return std::nullopt;
    for (const auto& [key, code] : kEditingKeys)
        if (event.key() == key)
            return Chr(code);
    const QString text = event.text();
    // A key with no character (a function key, say) still is a key press: its text is empty.
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return std::string();
    return text.toStdString();
}

} // namespace rt
