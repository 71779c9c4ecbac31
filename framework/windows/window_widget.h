#pragma once
// The Qt side of a Window: the top-level widget and its content area pass the user's actions
// back to the Window that owns them.
#include <QMainWindow>
#include <memory>

namespace rt {

class Window;

class WindowWidget : public QMainWindow {
    Q_OBJECT

public:
    WindowWidget(std::weak_ptr<Window> owner);
    QWidget* Content() const { return content_; }
    // A press on the menu bar. The window system may activate the window only once the menu has
    // closed, after the chosen command; Activate is raised now, before the command as the user
    // sees it, and the late activation does not raise it again.
    void ActivateBeforeMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::weak_ptr<Window> owner_;
    QWidget* content_;
};

} // namespace rt
