#include "framework/msg_box.h"

#include "framework/main_thread.h"
#include "framework/platform_hooks.h"

namespace rt {

void MsgBox(const std::string& text) {
    RequireMainThread();
    Hooks().msgBox(text);
}

void Beep() {
    Hooks().beep();
}

} // namespace rt
