#include "framework/menus/menu_routing.h"

#include "framework/core/exception_handling.h"
#include "framework/lifecycle/application.h"
#include "framework/menus/menu_item.h"
#include "framework/windows/window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace rt {

namespace {

// A text control's own answer to the Edit menu's standard commands.
template <class Edit> bool StandardEdit(Edit& edit, const std::string& itemName) {
    if (itemName == "EditUndo")
        edit.undo();
    else if (itemName == "EditCut")
        edit.cut();
    else if (itemName == "EditCopy")
        edit.copy();
    else if (itemName == "EditPaste")
        edit.paste();
    else
        return false;
    return true;
}

bool EditCommand(const Window& window, const std::string& itemName) {
    const QWidget* top = window.TopWidget();
    QWidget* focus = top ? top->focusWidget() : nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return StandardEdit(*line, itemName);
    if (auto* area = qobject_cast<QPlainTextEdit*>(focus))
        return StandardEdit(*area, itemName);
    return false;
}

} // namespace

void EnableMenus(Window& window) {
    const auto bar = window.MenuBar();
    if (!bar)
        return;
    const auto app = GetAppObject();
    for (int i = 0; i < bar->Count(); ++i) {
        const auto top = bar->Item(i);
        for (int k = 0; k < top->Count(); ++k) {
            const auto entry = top->Item(k);
            const std::string name = entry->Name();
            const bool handled = window.HasMenuHandler(name) ||
                                 (app && app->HasMenuHandler(name)) || entry->HasOwnAction();
            entry->ResetEnabled(entry->AutoEnabled() && handled);
        }
    }
    window.RaiseEvent("EnableMenuItems");
}

bool RouteMenuCommand(Window& window, const std::string& itemName) {
    if (EditCommand(window, itemName))
        return true;
    if (const auto handler = window.MenuHandlerFor(itemName)) {
        bool answered = false;
        Dispatch([&] { answered = handler(); });
        if (answered)
            return true;
    }
    if (const auto app = GetAppObject(); app && app->MenuCommand(itemName))
        return true;
    if (const auto bar = window.MenuBar())
        if (const auto item = bar->Lookup(itemName); item && item->HasOwnAction()) {
            bool answered = false;
            Dispatch([&] { answered = item->OwnAction(); });
            return answered;
        }
    return false;
}

} // namespace rt
