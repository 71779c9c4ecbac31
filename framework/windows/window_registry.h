#pragma once
// The framework's hold on the open windows: a window is held from the start of its set-up until
// it closes, so that the program needs to keep no reference of its own.
#include <memory>

namespace rt {

class Window;

void Register(std::shared_ptr<Window> window);
void Unregister(const Window& window);

} // namespace rt
