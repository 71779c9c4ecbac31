#include "framework/menus/menu_bar_view.h"

#include "framework/core/exception_handling.h"
#include "framework/core/text_model.h"
#include "framework/menus/menu_item.h"
#include "framework/windows/window.h"
#include "framework/windows/window_widget.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace rt {

namespace {
// "Cmd+Q" is the platform's command modifier and a letter: Ctrl outside macOS, where Qt maps
// Ctrl to the command key itself.
QKeySequence ToKeySequence(const std::string& shortcut) {
    QString text = ToQt(shortcut);
    text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence(text);
}
} // namespace

MenuBarView::MenuBarView(QWidget* parent, std::weak_ptr<Window> window, const MenuBar& model)
    : QMenuBar(parent), window_(std::move(window)) {
    for (int i = 0; i < model.Count(); ++i) {
        const auto top = model.Item(i);
        // A top-level menu without caption or entries has nothing to show.
        if (!top->Visible() || (top->Value().empty() && top->Count() == 0))
            continue;
        QMenu* menu = addMenu(ToQt(top->Value()));
        connect(menu, &QMenu::aboutToShow, this, &MenuBarView::RunEnabling);
        // Closed menus keep their shortcuts live; each choice is enabled afresh anyway.
        connect(menu, &QMenu::aboutToHide, this, [this] {
            for (auto& [name, entry] : actions_)
                entry.first->setEnabled(true);
        });
        for (int k = 0; k < top->Count(); ++k) {
            const auto entry = top->Item(k);
            if (!entry->Visible())
                continue;
            if (entry->Value() == "-") {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(ToQt(entry->Value()));
            if (const auto shortcut = entry->Shortcut(); shortcut && !shortcut->empty())
                action->setShortcut(ToKeySequence(*shortcut));
            const std::string name = entry->Name();
            connect(action, &QAction::triggered, this, [this, name] { Choose(name); });
            actions_[name] = {action, entry};
        }
    }
}

QAction* MenuBarView::ActionFor(const std::string& itemName) const {
    const auto it = actions_.find(itemName);
    return it == actions_.end() ? nullptr : it->second.first;
}

void MenuBarView::EnableForShortcut(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    for (const auto& [name, entry] : actions_)
        if (entry.first->shortcut() == pressed) {
            RunEnabling();
            return;
        }
}

void MenuBarView::RunEnabling() {
    if (const auto w = window_.lock())
        Dispatch([&] { w->RunMenuEnabling(); });
    SyncEnabled();
}

void MenuBarView::mousePressEvent(QMouseEvent* event) {
    if (auto* top = qobject_cast<WindowWidget*>(window()))
        top->AnswerActivation();
    QMenuBar::mousePressEvent(event);
}

void MenuBarView::SyncEnabled() {
    for (auto& [name, entry] : actions_)
        if (const auto item = entry.second.lock())
            entry.first->setEnabled(item->Enabled());
}

void MenuBarView::Choose(const std::string& itemName) {
    const auto window = window_.lock();
    const auto item = actions_.at(itemName).second.lock();
    if (!window || !item)
        return;
    Dispatch([&] {
        window->RunMenuEnabling();
        if (item->Enabled())
            window->MenuCommand(itemName);
    });
}

} // namespace rt
