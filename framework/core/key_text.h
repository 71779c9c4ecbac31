#pragma once
// The key text a KeyDown event carries: a printable key as its character, editing keys as the
// codes 1 (home), 4 (end), 8 (backspace), 9 (tab), 11 and 12 (page up, down), 13 (return),
// 27 (escape), 28-31 (arrows) and 127 (delete), any other key as the empty text.
#include <optional>
#include <string>

class QKeyEvent;

namespace rt {

// The key text of a press in a text control. Nothing for bare modifiers, and for keys with the
// command modifier, which the control leaves to its own editing keys and to the menus.
std::optional<std::string> KeyText(const QKeyEvent& event);
// The key text of a press that reaches a window: any key, with or without modifiers; nothing
// only for a bare modifier.
std::optional<std::string> WindowKeyText(const QKeyEvent& event);

} // namespace rt
