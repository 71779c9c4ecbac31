#pragma once
// One model of the menus, shared by every window that installs the bar; each window shows it
// through a menu bar view of its own, so only the items' enabled states ever change.
#include "framework/core/class_description.h"
#include "framework/core/object.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rt {

class MenuItem : public Object {
public:
    static const ClassDescription& ClassInfo();
    virtual std::string ClassName() const { return "MenuItem"; }
    // The framework's parameterless constructor: a fresh item in no menu.
    void Constructor();

    void SetName(const std::string& name);
    std::string Name() const { return name_; }
    void SetValue(const std::string& caption);
    std::string Value() const { return caption_; }
    void SetShortcut(const std::string& shortcut);
    // Nothing when the shortcut was never assigned.
    std::optional<std::string> Shortcut() const { return shortcut_; }
    void SetAutoEnabled(bool autoEnabled);
    bool AutoEnabled() const { return autoEnabled_; }
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // Whether any code has assigned Enabled; the framework's own enabling does not count.
    bool EnabledAssigned() const { return enabledAssigned_; }

    // Appends the item after the present children.
    void AddMenu(std::shared_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    std::shared_ptr<MenuItem> Item(int index) const;
    // The direct child of that name, nil when none.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The item of that name at any depth below this one, nil when none.
    std::shared_ptr<MenuItem> Lookup(const std::string& name) const;

    // The class's own answer to a chosen command; a plain item has none.
    virtual bool HasOwnAction() const { return false; }
    virtual bool OwnAction() { return false; }

    // The framework's enabling resets each entry before the front window's handler runs.
    void ResetEnabled(bool enabled) { enabled_ = enabled; }

private:
    std::string name_;
    std::string caption_;
    std::optional<std::string> shortcut_;
    bool autoEnabled_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool enabledAssigned_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
public:
    std::string ClassName() const override { return "MenuBar"; }
    static const ClassDescription& ClassInfo();
};

// A menu item whose class answers its command by quitting the program.
class QuitMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "QuitMenuItem"; }
    bool HasOwnAction() const override { return true; }
    bool OwnAction() override;
};

} // namespace rt
