#pragma once
// What the program's three window classes share: the accessors of the shared menu bar's
// fourteen items, each looking its item up afresh on the bar installed on the window.
#include "framework/class_description.h"
#include "framework/menu_item.h"
#include "framework/window.h"

#include <memory>
#include <string>
#include <vector>

// A window's own property list, in the order it is applied; what the three windows leave at
// the neutral value is not spelled out again.
struct WindowFrame {
    int width = 0;
    int height = 0;
    int maximumWidth = 32000;
    int maximumHeight = 32000;
    int type = 0;
    const char* title = "";
    bool hasCloseButton = false;
    bool hasMaximizeButton = false;
    bool hasMinimizeButton = false;
    bool resizeable = false;
    bool hasBackgroundColor = true;
};

class MenuWindow : public rt::Window {
public:
    // Installs the one shared menu bar, then applies the window's property list.
    void LayOut(const WindowFrame& frame);

    std::shared_ptr<rt::MenuItem> WindowMenu() const;
    std::shared_ptr<rt::MenuItem> DescriptionMenuItem() const;
    std::shared_ptr<rt::MenuItem> AboutMenuItem() const;
    std::shared_ptr<rt::MenuItem> ControlMenuItem() const;
    std::shared_ptr<rt::MenuItem> EditMenu() const;
    std::shared_ptr<rt::MenuItem> EditPaste() const;
    std::shared_ptr<rt::MenuItem> EditCopy() const;
    std::shared_ptr<rt::MenuItem> EditCut() const;
    std::shared_ptr<rt::MenuItem> UntitledMenu1() const;
    std::shared_ptr<rt::MenuItem> EditUndo() const;
    std::shared_ptr<rt::MenuItem> FileMenu() const;
    std::shared_ptr<rt::QuitMenuItem> FileQuit() const;
    std::shared_ptr<rt::MenuItem> CloseMenuItem() const;
    std::shared_ptr<rt::MenuItem> UntitledMenu3() const;

    // Whether the window's class implements the named event, as the framework answers it.
    bool IsEventImplemented(const std::string& event) const;

    // The accessors above as the class descriptions publish them, in this order.
    static std::vector<rt::MethodInfo> MenuItemAccessorMethods();
    // The method every window class publishes without a slot among its virtual operations.
    static rt::MethodInfo IsEventImplementedMethod();
};
