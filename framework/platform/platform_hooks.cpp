#include "framework/platform/platform_hooks.h"

#include "framework/core/text_model.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace rt {

namespace {

void ShowMessageBox(const std::string& text) {
    // No parent widget: a window closed while the box waits would delete it. The active window
    // is only its transient parent, which places the box over it and keeps it in front.
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QApplication::applicationName());
    box.setIcon(QMessageBox::Warning);
    box.setText(ToQt(text));
    const QPointer<QWidget> active = QApplication::activeWindow();
    if (active) {
        // The box needs its native window before it can take a transient parent.
        static_cast<void>(box.winId());
        box.windowHandle()->setTransientParent(active->windowHandle());
    }
    box.exec();
    // Without a parent widget Qt hands the keyboard back to no one, and with no window manager
    // X leaves it on the root window: the window the box came from takes it again.
    if (active && active->isVisible())
        active->activateWindow();
}

PlatformHooks Defaults() {
    PlatformHooks h;
    h.msgBox = ShowMessageBox;
    h.beep = [] { QApplication::beep(); };
    h.now = [] { return std::chrono::system_clock::now(); };
    // This platform has no registry of document types; declaring them is all there is to do.
    h.registerFileType = [](const FileType&) {};
    return h;
}

} // namespace

PlatformHooks& Hooks() {
    static PlatformHooks hooks = Defaults();
    return hooks;
}

void ResetPlatformHooks() {
    Hooks() = Defaults();
}

void Fault(const std::string& operation) {
    if (Hooks().fault)
        Hooks().fault(operation);
}

} // namespace rt
