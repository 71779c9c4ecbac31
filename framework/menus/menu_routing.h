#pragma once
// How a window answers the shared menus: which items are enabled before the menus are used, and
// who gets a chosen command: the focused text control, the window, the application, the item.
#include <string>

namespace rt {

class Window;

// Enables each item that someone handles and that enables itself, then lets the window's
// EnableMenuItems adjust the states.
void EnableMenus(Window& window);
// Offers the command in turn until one answers True; false when none did.
bool RouteMenuCommand(Window& window, const std::string& itemName);

} // namespace rt
