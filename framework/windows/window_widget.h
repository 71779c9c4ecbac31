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
    // Raises Activate once each time the window becomes active. A press on the menu bar of an
    // inactive window answers at once: with no window manager, X reports the window active only
    // once the menu has closed, after the chosen command, and that late report raises nothing.
    void AnswerActivation();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::weak_ptr<Window> owner_;
    QWidget* content_;
};

} // namespace rt
