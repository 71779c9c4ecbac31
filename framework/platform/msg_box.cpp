#include "framework/platform/msg_box.h"

#include "framework/core/main_thread.h"
#include "framework/platform/platform_hooks.h"

namespace rt {

void MsgBox(const std::string& text) {
    RequireMainThread();
    Hooks().msgBox(text);
}

void Beep() {
    Hooks().beep();
}

} // namespace rt
