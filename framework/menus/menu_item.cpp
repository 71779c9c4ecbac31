#include "framework/menus/menu_item.h"

#include "framework/core/main_thread.h"
#include "framework/lifecycle/runtime.h"
#include "framework/platform/platform_hooks.h"

namespace rt {

void MenuItem::Constructor() {
    RequireMainThread();
    Fault("MenuItem.Constructor");
}

void MenuItem::SetName(const std::string& name) {
    RequireMainThread();
    name_ = name;
}

void MenuItem::SetValue(const std::string& caption) {
    RequireMainThread();
    caption_ = caption;
}

void MenuItem::SetShortcut(const std::string& shortcut) {
    RequireMainThread();
    shortcut_ = shortcut;
}

void MenuItem::SetAutoEnabled(bool autoEnabled) {
    RequireMainThread();
    autoEnabled_ = autoEnabled;
}

void MenuItem::SetVisible(bool visible) {
    RequireMainThread();
    visible_ = visible;
}

void MenuItem::SetEnabled(bool enabled) {
    RequireMainThread();
    enabled_ = enabled;
    enabledAssigned_ = true;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    RequireMainThread();
    Deref(item);
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    RequireMainThread();
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) const {
    RequireMainThread();
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (auto found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

const ClassDescription& MenuItem::ClassInfo() {
    return ObtainClass("MenuItem", [] {
        ClassDescription d;
        d.fullName = "MenuItem";
        d.virtualOperations = {"AddMenu", "Child", "Constructor", "Count", "Item", "Lookup"};
        for (const auto& name : d.virtualOperations)
            d.methods.push_back({name, "()", {}});
        return d;
    });
}

const ClassDescription& MenuBar::ClassInfo() {
    return ObtainClass("MenuBar", [] {
        ClassDescription d;
        d.fullName = "MenuBar";
        d.base = &MenuItem::ClassInfo();
        d.virtualOperations = VirtualOperations(*d.base, {});
        d.methods = d.base->methods;
        return d;
    });
}

bool QuitMenuItem::OwnAction() {
    Quit(0);
    return true;
}

} // namespace rt
