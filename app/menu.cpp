#include "app/menu.h"

#include <optional>
#include <string>

std::shared_ptr<class Menu> Menu::_implicitInstance;

namespace {

// One row of the menu table; an unset shortcut is never assigned (the separator's).
struct ItemRow {
    const char* name;
    bool quitItem;
    const char* caption;
    std::optional<std::string> shortcut;
    bool autoEnabled;
};

// Builds one item in the fixed order of its setters, then attaches it: a top-level menu to the
// bar, an entry to the top-level menu found afresh on the bar by name.
void Build(class Menu& bar, const ItemRow& row, const char* parent) {
    std::shared_ptr<rt::MenuItem> item;
    if (row.quitItem)
        item = std::make_shared<rt::QuitMenuItem>();
    else
        item = std::make_shared<rt::MenuItem>();
    item->Constructor();
    item->SetName(row.name);
    item->SetAutoEnabled(row.autoEnabled);
    item->SetValue(row.caption);
    item->SetVisible(true);
    if (row.shortcut)
        item->SetShortcut(*row.shortcut);
    if (parent == nullptr)
        bar.AddMenu(item);
    else
        rt::Deref(bar.Child(parent)).AddMenu(item);
}

constexpr bool kAuto = true;
constexpr bool kPlain = false;

} // namespace

const rt::ClassDescription& Menu::ClassInfo() {
    return rt::ObtainClass("Menu.Menu", [] {
        rt::ClassDescription d;
        d.fullName = "Menu.Menu";
        d.base = &rt::MenuBar::ClassInfo();
        const std::vector<rt::MethodInfo> own = {{"Untitled0", "()", {}},
                                                 {"Untitled1", "()", {}},
                                                 {"Untitled2", "()", {}},
                                                 {"Untitled3", "()", {}}};
        // The bar's own Constructor takes the base's slot; the builders follow.
        d.virtualOperations = rt::VirtualOperations(*d.base, own);
        d.methods = d.base->methods;
        d.methods.insert(d.methods.end(), own.begin(), own.end());
        return d;
    });
}

void Menu::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void Menu::Untitled0() {
    Build(*this, {"UntitledMenu3", false, "", "", kPlain}, nullptr);
}

void Menu::Untitled1() {
    Build(*this, {"FileMenu", false, "File", "", kPlain}, nullptr);
    Build(*this, {"CloseMenuItem", false, "Close", "", kAuto}, "FileMenu");
    Build(*this, {"FileQuit", true, "Quit", "Cmd+Q", kAuto}, "FileMenu");
}

void Menu::Untitled2() {
    Build(*this, {"EditMenu", false, "Edit", "", kPlain}, nullptr);
    Build(*this, {"EditUndo", false, "Undo", "Cmd+Z", kPlain}, "EditMenu");
    Build(*this, {"UntitledMenu1", false, "-", std::nullopt, kPlain}, "EditMenu");
    Build(*this, {"EditCut", false, "Cut", "Cmd+X", kPlain}, "EditMenu");
    Build(*this, {"EditCopy", false, "Copy", "Cmd+C", kPlain}, "EditMenu");
    Build(*this, {"EditPaste", false, "Paste", "Cmd+V", kPlain}, "EditMenu");
}

void Menu::Untitled3() {
    Build(*this, {"WindowMenu", false, "Window", "", kPlain}, nullptr);
    Build(*this, {"ControlMenuItem", false, "Control", "", kPlain}, "WindowMenu");
    Build(*this, {"AboutMenuItem", false, "About Quorvane", "", kPlain}, "WindowMenu");
    Build(*this, {"DescriptionMenuItem", false, "Description", "", kPlain}, "WindowMenu");
}

std::shared_ptr<class Menu> Menu() {
    if (Menu::_implicitInstance)
        return Menu::_implicitInstance;
    auto bar = std::make_shared<class Menu>();
    bar->Constructor();
    Menu::_implicitInstance = bar;
    return bar;
}
