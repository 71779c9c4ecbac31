#pragma once
#include <string>

namespace rt {

// Shows the text in an application-modal message box and returns when the user dismisses it.
void MsgBox(const std::string& text);
// The platform's alert sound.
void Beep();

} // namespace rt
