#pragma once
// The key text a KeyDown event carries: a printable key as its character, editing keys as the
// codes 1 (home), 4 (end), 8 (backspace), 9 (tab), 11 and 12 (page up, down), 13 (return),
// 27 (escape), 28-31 (arrows) and 127 (delete), any other key as the empty text.
#include <optional>
#include <string>

class QKeyEvent;

namespace rt {

// Nothing for keys that no KeyDown sees: bare modifiers, and shortcuts with the command
// modifier, which belong to the menus.
std::optional<std::string> KeyText(const QKeyEvent& event);

} // namespace rt
