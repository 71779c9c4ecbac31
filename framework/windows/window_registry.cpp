#include "framework/windows/window_registry.h"

#include "framework/core/main_thread.h"
#include "framework/windows/window.h"

#include <algorithm>
#include <vector>

namespace rt {

namespace {

std::vector<std::shared_ptr<Window>>& Registry() {
    static std::vector<std::shared_ptr<Window>> open;
    return open;
}

} // namespace

void Register(std::shared_ptr<Window> window) {
    Registry().push_back(std::move(window));
}

void Unregister(const Window& window) {
    auto& open = Registry();
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&](const auto& held) { return held.get() == &window; }),
               open.end());
}

std::shared_ptr<Window> GetImplicitWindow(const std::string& fullName) {
    RequireMainThread();
    for (const auto& window : Registry())
        if (window->FullName() == fullName)
            return window;
    return nullptr;
}

std::vector<std::shared_ptr<Window>> OpenWindows() {
    return Registry();
}

} // namespace rt
