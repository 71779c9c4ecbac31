#include "windows/menu_window.h"

#include "app/menu.h"
#include "framework/controls/set_properties.h"

namespace {
using rt::MenuItem;
using rt::MenuItemOf;
using rt::QuitMenuItem;

// One source for the names: the accessors, their order and their published signatures.
constexpr const char* kAccessors[] = {"WindowMenu",    "DescriptionMenuItem",
                                      "AboutMenuItem", "ControlMenuItem",
                                      "EditMenu",      "EditPaste",
                                      "EditCopy",      "EditCut",
                                      "UntitledMenu1", "EditUndo",
                                      "FileMenu",      "FileQuit",
                                      "CloseMenuItem", "UntitledMenu3"};
} // namespace

std::shared_ptr<MenuItem> MenuWindow::WindowMenu() const {
    return MenuItemOf<MenuItem>(*this, "WindowMenu");
}
std::shared_ptr<MenuItem> MenuWindow::DescriptionMenuItem() const {
    return MenuItemOf<MenuItem>(*this, "DescriptionMenuItem");
}
std::shared_ptr<MenuItem> MenuWindow::AboutMenuItem() const {
    return MenuItemOf<MenuItem>(*this, "AboutMenuItem");
}
std::shared_ptr<MenuItem> MenuWindow::ControlMenuItem() const {
    return MenuItemOf<MenuItem>(*this, "ControlMenuItem");
}
std::shared_ptr<MenuItem> MenuWindow::EditMenu() const {
    return MenuItemOf<MenuItem>(*this, "EditMenu");
}
std::shared_ptr<MenuItem> MenuWindow::EditPaste() const {
    return MenuItemOf<MenuItem>(*this, "EditPaste");
}
std::shared_ptr<MenuItem> MenuWindow::EditCopy() const {
    return MenuItemOf<MenuItem>(*this, "EditCopy");
}
std::shared_ptr<MenuItem> MenuWindow::EditCut() const {
    return MenuItemOf<MenuItem>(*this, "EditCut");
}
std::shared_ptr<MenuItem> MenuWindow::UntitledMenu1() const {
    return MenuItemOf<MenuItem>(*this, "UntitledMenu1");
}
std::shared_ptr<MenuItem> MenuWindow::EditUndo() const {
    return MenuItemOf<MenuItem>(*this, "EditUndo");
}
std::shared_ptr<MenuItem> MenuWindow::FileMenu() const {
    return MenuItemOf<MenuItem>(*this, "FileMenu");
}
std::shared_ptr<QuitMenuItem> MenuWindow::FileQuit() const {
    return MenuItemOf<QuitMenuItem>(*this, "FileQuit");
}
std::shared_ptr<MenuItem> MenuWindow::CloseMenuItem() const {
    return MenuItemOf<MenuItem>(*this, "CloseMenuItem");
}
std::shared_ptr<MenuItem> MenuWindow::UntitledMenu3() const {
    return MenuItemOf<MenuItem>(*this, "UntitledMenu3");
}

void MenuWindow::LayOut(const WindowFrame& f) {
    SetMenuBar(::Menu());
    rt::SetProperties(*this, {{"Width", f.width},
                              {"Height", f.height},
                              {"MinimumWidth", 64},
                              {"MinimumHeight", 64},
                              {"MaximumWidth", f.maximumWidth},
                              {"MaximumHeight", f.maximumHeight},
                              {"Type", f.type},
                              {"Title", f.title},
                              {"HasCloseButton", f.hasCloseButton},
                              {"HasMaximizeButton", f.hasMaximizeButton},
                              {"HasMinimizeButton", f.hasMinimizeButton},
                              {"HasFullScreenButton", false},
                              {"Resizeable", f.resizeable},
                              {"Composite", false},
                              {"MacProcID", 0},
                              {"FullScreen", false},
                              {"DefaultLocation", 0},
                              {"Visible", true},
                              {"HasBackgroundColor", f.hasBackgroundColor},
                              {"BackgroundColor", rt::Color::FromRGB(0x00FFFFFF)},
                              {"MenuBarVisible", true},
                              {"LiveResize", false}});
}

bool MenuWindow::IsEventImplemented(const std::string& event) const {
    return rt::RuntimeIsEventHandled(*this, FullName(), event, true);
}

std::vector<rt::MethodInfo> MenuWindow::MenuItemAccessorMethods() {
    std::vector<rt::MethodInfo> methods;
    for (const char* name : kAccessors)
        methods.push_back({name,
                           std::string("() as ") +
                               (std::string(name) == "FileQuit" ? "QuitMenuItem" : "MenuItem"),
                           {}});
    return methods;
}

rt::ClassDescription MenuWindow::Finish(const std::string& fullName,
                                        std::vector<rt::MethodInfo> own,
                                        const std::vector<rt::MethodInfo>& rest,
                                        std::vector<rt::EventBinding> events) {
    rt::ClassDescription d;
    d.fullName = fullName;
    d.base = &rt::Window::ClassInfo();
    for (auto& m : MenuItemAccessorMethods())
        own.push_back(std::move(m));
    own.insert(own.end(), rest.begin(), rest.end());
    d.virtualOperations = rt::VirtualOperations(*d.base, own);
    d.methods = d.base->methods;
    d.methods.insert(d.methods.end(), own.begin(), own.end());
    d.methods.push_back(IsEventImplementedMethod());
    d.events = std::move(events);
    return d;
}

rt::MethodInfo MenuWindow::IsEventImplementedMethod() {
    return {"IsEventImplemented", "( String ) as Boolean", {}};
}
