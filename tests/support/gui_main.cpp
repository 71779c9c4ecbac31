// Runs a GUI test binary on Qt's offscreen platform, with a watchdog that closes any real
// modal dialog so that a test fails instead of hanging.
#include "tests/support/gui_test.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (GuiTest::OwnsModalDialogs())
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "A modal dialog opened during a test and was closed: "
                          << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(200);
    return RUN_ALL_TESTS();
}
