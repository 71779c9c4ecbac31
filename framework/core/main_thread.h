#pragma once

namespace rt {

// Every window, control and menu operation starts here: Qt widgets live on the main thread only.
void RequireMainThread();

} // namespace rt
