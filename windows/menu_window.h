#pragma once
// What the program's three window classes share: the accessors of the shared menu bar's
// fourteen items, each looking its item up afresh on the bar installed on the window.
#include "framework/controls/control_table.h"
#include "framework/core/class_description.h"
#include "framework/menus/menu_item.h"
#include "framework/windows/window.h"

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

    // A window class's description: Window's operations, then its set-up methods, the accessors
    // and event handlers of the controls in its layout table, the menu-item accessors and the
    // class's other methods (`rest`); `events` binds its window events.
    template <class W>
    static rt::ClassDescription
    DescribeClass(const std::string& fullName, const std::vector<rt::ControlRow<W>>& table,
                  const std::vector<rt::MethodInfo>& rest, std::vector<rt::EventBinding> events) {
        std::vector<rt::MethodInfo> own = {{"Layout", "()", {}},
                                           {"CreateControls", "()", {}},
                                           {"CreateControls0", "()", {"Hidden"}}};
        for (const auto& row : table)
            own.push_back({row.name, "() as " + rt::ClassNameOf(row.kind), {}});
        for (const auto& row : table)
            if (row.event.bind)
                own.push_back({row.name + "_" + row.event.event, row.event.signature, {}});
        return Finish(fullName, std::move(own), rest, std::move(events));
    }

private:
    static rt::ClassDescription Finish(const std::string& fullName, std::vector<rt::MethodInfo> own,
                                       const std::vector<rt::MethodInfo>& rest,
                                       std::vector<rt::EventBinding> events);
};
