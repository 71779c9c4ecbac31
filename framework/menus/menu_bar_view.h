#pragma once
// One window's view of the shared menu model. Opening a menu runs the window's enabling first;
// a chosen item, by click or shortcut, is enabled afresh and then offered as a command.
#include <QMenuBar>
#include <map>
#include <memory>

class QKeyEvent;

namespace rt {

class MenuBar;
class MenuItem;
class Window;

class MenuBarView : public QMenuBar {
    Q_OBJECT

public:
    MenuBarView(QWidget* parent, std::weak_ptr<Window> window, const MenuBar& model);

    // The action shown for the named item, for tests that choose commands as a user would.
    QAction* ActionFor(const std::string& itemName) const;
    // Brings the shown enabled states in line with the model.
    void SyncEnabled();
    // Runs the window's enabling when the key is one of the bar's shortcuts, before Qt matches it:
    // Qt passes over a disabled item's shortcut, and the key arrives as a press (KeyDown).
    void EnableForShortcut(const QKeyEvent& event);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void RunEnabling();
    void Choose(const std::string& itemName);
    std::weak_ptr<Window> window_;
    std::map<std::string, std::pair<QAction*, std::weak_ptr<MenuItem>>> actions_;
};

} // namespace rt
