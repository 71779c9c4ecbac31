#pragma once
// The program's one menu bar, built once and installed by every window as it lays itself out.
// Items are found by name; the windows and the application answer them by name too.
#include "framework/core/class_description.h"
#include "framework/menus/menu_item.h"

#include <memory>

class Menu : public rt::MenuBar {
public:
    static const rt::ClassDescription& ClassInfo();

    // Builds the whole tree: the four top-level menus and their entries, in order.
    void Constructor();
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();

    // The shared bar; set once, by the accessor, after a complete build.
    static std::shared_ptr<Menu> _implicitInstance;
};

// The shared menu bar, built on first use.
std::shared_ptr<class Menu> Menu();
