#include "tests/support/gui_test.h"

#include "app/pictures.h"
#include "app/startup.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

std::string SizeOf(const QWidget* widget) {
    return std::to_string(widget->width()) + "x" + std::to_string(widget->height());
}

std::string Geometry(const QWidget* widget) {
    return std::to_string(widget->x()) + "," + std::to_string(widget->y()) + " " + SizeOf(widget);
}

void ClickAt(QWidget* widget, const QPoint& point) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
}

class AboutWndTest : public GuiTest {
public:
    // For the table of ways to give way, whose rows press keys themselves.
    using GuiTest::Press;

protected:
    // The splash as the program's late start-up opens it.
    static std::shared_ptr<class AboutWnd> OpenSplash() {
        LateStartup();
        return rt::Cast<class AboutWnd>(rt::GetImplicitWindow(AboutWnd::ClassInfo().fullName));
    }

    static std::shared_ptr<rt::Window> Calculator() {
        return rt::GetImplicitWindow(ControlWnd::ClassInfo().fullName);
    }

    static long WindowsOf(const rt::ClassDescription& windowClass) {
        const auto open = rt::OpenWindows();
        return std::count_if(open.begin(), open.end(), [&](const auto& window) {
            return window->FullName() == windowClass.fullName;
        });
    }

    // Pixels inside the area of the window's content that are not its white background.
    static int InkIn(const class AboutWnd& about, const QRect& area) {
        const QImage shot = about.ContentWidget()->grab(area).toImage();
        int ink = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != QColor(Qt::white))
                    ++ink;
        return ink;
    }

    static void ExpectGaveWay(const std::shared_ptr<class AboutWnd>& about) {
        EXPECT_FALSE(about->Visible());
        EXPECT_FALSE(about->IsClosed());
        EXPECT_EQ(::AboutWnd(), about);
        const auto calculator = Calculator();
        ASSERT_NE(calculator, nullptr);
        EXPECT_TRUE(calculator->Visible());
    }
};

TEST_F(AboutWndTest, WithoutTheTitlePictureTheSplashStillOpensAndGivesWay) {
    const QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    rt::Picture::SetResourceRoot(empty.path().toStdString());

    const auto about = OpenSplash();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(about->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(InkIn(*about, about->Canvas1()->Widget()->geometry()), 0);
    EXPECT_EQ(about->StaticText5()->Text(), AboutWnd::kNotice);

    Press(about->TopWidget(), Qt::Key_A, "a");
    ExpectGaveWay(about);
    about->Show();
    ClickAt(about->Canvas1()->Widget(), QPoint(10, 10));
    ExpectGaveWay(about);
    about->Show();
    about->Timer1()->RaiseEvent("Action");
    ExpectGaveWay(about);
}

TEST_F(AboutWndTest, PlainFixedFrameWithoutTitleOrWindowButtons) {
    const auto about = OpenSplash();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(about->Visible());
    QWidget* top = about->TopWidget();
    QWidget* content = about->ContentWidget();

    EXPECT_TRUE(top->windowTitle().isEmpty());
    const Qt::WindowFlags flags = top->windowFlags();
    for (const Qt::WindowType hint :
         {Qt::WindowTitleHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowFullscreenButtonHint})
        EXPECT_FALSE(flags.testFlag(hint)) << "window flag " << std::hex << hint;
    EXPECT_EQ(SizeOf(content), "400x300");
    top->resize(700, 600);
    Settle();
    EXPECT_EQ(SizeOf(content), "400x300");
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window).name(), "#ffffff");
}

TEST_F(AboutWndTest, ShowsTheTitlePictureOverTheCentredNotice) {
    const auto about = OpenSplash();
    auto* label = qobject_cast<QLabel*>(about->StaticText5()->Widget());
    ASSERT_NE(label, nullptr);
    const auto canvas = about->Canvas1();

    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text().toStdString(), AboutWnd::kNotice);
    EXPECT_FALSE(label->text().contains('\r') || label->text().contains('\n'));
    EXPECT_TRUE((label->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter);
    EXPECT_EQ(label->palette().color(QPalette::WindowText).name(), "#0033cc");
    EXPECT_EQ(label->font().pixelSize(), 10);
    EXPECT_EQ(Geometry(label), "0,259 399x21");

    EXPECT_TRUE(canvas->Widget()->isVisible());
    EXPECT_EQ(Geometry(canvas->Widget()), "12,38 325x217");
    ASSERT_NE(Stitle(), nullptr);
    EXPECT_EQ(canvas->Backdrop(), Stitle());
    EXPECT_GT(InkIn(*about, canvas->Widget()->geometry()), 0);
}

TEST_F(AboutWndTest, TimerWaitsFourSecondsForItsOneAction) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const auto about = OpenSplash();
    const auto timer = about->Timer1();
    ASSERT_NE(timer, nullptr);
    // The timer started after the clock did, so its Action is due no sooner than 4000 ms from
    // the clock's start; each of the two readings may lose up to a millisecond to rounding.
    const int remaining = timer->RemainingTime();
    const qint64 elapsed = sinceStart.elapsed();
    EXPECT_GE(remaining + elapsed, 4000 - 2) << remaining << " ms left after " << elapsed << " ms";
    EXPECT_LE(remaining, 4000);

    EXPECT_EQ(rt::AsInteger(timer->Property("RunMode").value()), 1);
    EXPECT_EQ(rt::AsInteger(timer->Property("Period").value()), 4000);
    EXPECT_TRUE(timer->IsRunning());
    EXPECT_TRUE(timer->IsEventBound("Action"));
    EXPECT_TRUE(about->Visible());
}

// One way the user or the timer makes the splash give way.
struct GiveWay {
    const char* name;
    std::function<void(class AboutWnd&)> act;
    bool byUser;
};

class AboutWndGiveWayTest : public AboutWndTest, public ::testing::WithParamInterface<GiveWay> {};

TEST_P(AboutWndGiveWayTest, HidesTheSplashAndShowsTheNewCalculator) {
    const auto about = OpenSplash();
    ASSERT_EQ(Calculator(), nullptr);

    GetParam().act(*about);
    Settle();

    ExpectGaveWay(about);
    EXPECT_EQ(WindowsOf(ControlWnd::ClassInfo()), 1);
    EXPECT_EQ(rt::OpenWindows().size(), 2u);
    if (GetParam().byUser) {
        EXPECT_TRUE(about->Timer1()->IsRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutWndGiveWayTest,
    ::testing::Values(
        GiveWay{"TimerAction", [](class AboutWnd& w) { w.Timer1()->RaiseEvent("Action"); }, false},
        GiveWay{"LetterKey",
                [](class AboutWnd& w) { AboutWndTest::Press(w.TopWidget(), Qt::Key_Q, "q"); },
                true},
        GiveWay{"EscapeKey",
                [](class AboutWnd& w) { AboutWndTest::Press(w.TopWidget(), Qt::Key_Escape); },
                true},
        GiveWay{"ReturnKey",
                [](class AboutWnd& w) { AboutWndTest::Press(w.TopWidget(), Qt::Key_Return, "\r"); },
                true},
        GiveWay{"MouseOnBackground",
                [](class AboutWnd& w) { ClickAt(w.ContentWidget(), QPoint(370, 10)); }, true},
        GiveWay{"MouseOnPicture",
                [](class AboutWnd& w) { ClickAt(w.Canvas1()->Widget(), QPoint(100, 100)); }, true},
        GiveWay{"MouseOnNotice",
                [](class AboutWnd& w) { ClickAt(w.StaticText5()->Widget(), QPoint(200, 10)); },
                true}),
    [](const ::testing::TestParamInfo<GiveWay>& info) { return std::string(info.param.name); });

// A key as the keyboard sends it, through Qt's shortcut handling; the splash holds the menu bar
// whose Edit shortcuts have no handler while it is in front.
struct KeyWithModifiers {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

class AboutWndKeyTest : public AboutWndTest,
                        public ::testing::WithParamInterface<KeyWithModifiers> {};

TEST_P(AboutWndKeyTest, EveryKeyGivesWayWhateverItsModifiers) {
    const auto about = OpenSplash();
    MakeActive(*about);

    QTest::keyClick(about->TopWidget(), GetParam().key, GetParam().modifiers);
    Settle();

    ExpectGaveWay(about);
    EXPECT_FALSE(rt::QuitRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutWndKeyTest,
    ::testing::Values(KeyWithModifiers{"Plain", Qt::Key_A, Qt::NoModifier},
                      KeyWithModifiers{"Shift", Qt::Key_A, Qt::ShiftModifier},
                      KeyWithModifiers{"CtrlA", Qt::Key_A, Qt::ControlModifier},
                      KeyWithModifiers{"CtrlXCutShortcut", Qt::Key_X, Qt::ControlModifier},
                      KeyWithModifiers{"CtrlCCopyShortcut", Qt::Key_C, Qt::ControlModifier},
                      KeyWithModifiers{"CtrlVPasteShortcut", Qt::Key_V, Qt::ControlModifier},
                      KeyWithModifiers{"CtrlZUndoShortcut", Qt::Key_Z, Qt::ControlModifier},
                      KeyWithModifiers{"CtrlShiftX", Qt::Key_X,
                                       Qt::ControlModifier | Qt::ShiftModifier},
                      KeyWithModifiers{"AltF", Qt::Key_F, Qt::AltModifier},
                      KeyWithModifiers{"MetaA", Qt::Key_A, Qt::MetaModifier},
                      KeyWithModifiers{"CtrlF1", Qt::Key_F1, Qt::ControlModifier}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutWndTest, KeyAndMouseHandlersGiveWayAndAnswerFalse) {
    const auto about = OpenSplash();
    for (const std::string key : {"a", "\x1B"}) {
        about->Show();
        EXPECT_FALSE(about->Event_KeyDown(key)) << "key code " << int(key[0]);
        ExpectGaveWay(about);
    }
    about->Show();
    EXPECT_FALSE(about->Event_MouseDown(0, 0));
    ExpectGaveWay(about);
}

TEST_F(AboutWndTest, LaterGivingWayShowsTheSameCalculator) {
    const auto about = OpenSplash();
    Press(about->TopWidget(), Qt::Key_Space, " ");
    Settle();
    const auto calculator = Calculator();
    ASSERT_NE(calculator, nullptr);

    Choose(*calculator, "AboutMenuItem");
    Settle();
    ASSERT_TRUE(about->Visible());
    ClickAt(about->ContentWidget(), QPoint(5, 5));
    Settle();

    ExpectGaveWay(about);
    EXPECT_EQ(Calculator(), calculator);
    EXPECT_EQ(WindowsOf(ControlWnd::ClassInfo()), 1);
}

TEST_F(AboutWndTest, AboutCommandOnTheShownSplashKeepsItsOneInstanceAndTimer) {
    NewAppInstance();
    ApplicationAddMenuHandlers();
    const auto about = OpenSplash();
    // Long enough for the timer's remaining time to drop below a fresh start's.
    QTest::qWait(50);
    const int remaining = about->Timer1()->RemainingTime();
    ASSERT_LT(remaining, 4000);

    EXPECT_FALSE(App()->AboutMenuItem_Action());

    EXPECT_EQ(::AboutWnd(), about);
    EXPECT_EQ(WindowsOf(AboutWnd::ClassInfo()), 1);
    EXPECT_TRUE(about->Visible());
    EXPECT_LE(about->Timer1()->RemainingTime(), remaining);
}

TEST_F(AboutWndTest, TimerPutsAwayTheAboutWindowAgainAfterAnEarlyKeyPress) {
    const auto about = OpenSplash();
    const auto timer = about->Timer1();
    Press(about->TopWidget(), Qt::Key_X, "x");
    Settle();
    ExpectGaveWay(about);
    ASSERT_TRUE(timer->IsRunning());

    Choose(*Calculator(), "AboutMenuItem");
    Settle();
    ASSERT_TRUE(about->Visible());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !about->Visible(); }, 4500));
    ExpectGaveWay(about);
    EXPECT_FALSE(timer->IsRunning());
    EXPECT_EQ(timer->RemainingTime(), -1);
}

} // namespace
