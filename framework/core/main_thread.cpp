#include "framework/core/main_thread.h"

#include "framework/core/runtime_exception.h"

#include <QCoreApplication>
#include <QThread>

namespace rt {

void RequireMainThread() {
    const auto* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() != app->thread())
        throw ThreadAccessingUIException(
            "A window, control or menu was used outside the main thread.");
}

} // namespace rt
