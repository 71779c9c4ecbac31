// Renders each of Quorvane's windows offscreen to a PNG: the splash, the calculator window
// with the help text's worked example calculated, and the help window.
// Usage: screenshots OUTPUT-FOLDER
#include "app/startup.h"
#include "framework/lifecycle/runtime.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

bool Save(rt::Window& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(name));
    const bool saved = window.TopWidget()->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", path.toUtf8().constData());
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    rt::RuntimeInit();
    rt::RuntimePerformInitializers(Initializers());
    EarlyStartup();
    bool ok = Save(*::AboutWnd(), folder, "splash.png");

    auto calculator = ::ControlWnd();
    QTest::keyClicks(calculator->Nvariables()->Widget(), QStringLiteral("6"));
    QTest::keyClicks(calculator->Nfactors()->Widget(), QStringLiteral("2"));
    calculator->PmatrixFld()->SetText(".80\t.00\r.60\t.00\r.40\t.30\r.40\t.50\r.00\t.70\r.00\t.60");
    calculator->FmatrixFld()->SetText("1.00\t.50\r.50\t1.00");
    QTest::mouseClick(calculator->CalculateBtn()->Widget(), Qt::LeftButton);
    ok = Save(*calculator, folder, "calculator.png") && ok;

    ok = Save(*::DescriptionWnd(), folder, "help.png") && ok;
    rt::Quit(0);
    rt::RuntimePerformFinalizers();
    return ok ? 0 : 1;
}
