#include "framework/platform_hooks.h"

#include "framework/text_model.h"

#include <QApplication>
#include <QMessageBox>

namespace rt {

namespace {

void ShowMessageBox(const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(ToQt(text));
    box.exec();
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
