#include "tests/support/gui_test.h"

#include "framework/controls/canvas.h"
#include "framework/controls/label.h"
#include "framework/controls/push_button.h"
#include "framework/controls/set_properties.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"
#include "framework/core/exception_handling.h"
#include "framework/core/text_functions.h"
#include "framework/lifecycle/application.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/platform/date.h"
#include "framework/platform/msg_box.h"
#include "framework/platform/platform_hooks.h"
#include "framework/windows/window_widget.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QValidator>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// 10^350 written with a negative exponent, and 10^-350 written with a positive one.
const std::string kManyDigits = "1" + std::string(400, '0') + "e-50";
const std::string kManyZeros = "0." + std::string(400, '0') + "1e50";

struct ValCase {
    const char* name;
    std::string text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* os) {
    *os << c.name;
}

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(rt::Val(GetParam().text), GetParam().value);
}

const ValCase kVals[] = {
    {"Empty", "", 0.0},
    {"Integer", "12", 12.0},
    {"LeadingBlank", " 7", 7.0},
    {"LeadingTab", "\t7", 7.0},
    {"Decimal", "99.9", 99.9},
    {"SmallDecimal", "3.9", 3.9},
    {"Negative", "-5", -5.0},
    {"Plus", "+3", 3.0},
    {"Exponent", "1e3", 1000.0},
    {"ExponentWithoutDigits", "1e", 1.0},
    {"BarePoint", ".5", 0.5},
    {"NegativeBarePoint", "-.5", -0.5},
    {"TrailingPoint", "5.", 5.0},
    {"TrailingLetters", "12abc", 12.0},
    {"Letters", "abc", 0.0},
    {"SignAlone", "-", 0.0},
    // Beyond the range of a double: not finite, so no count can come of it.
    {"Overflow", "1e999", kInfinity},
    {"FractionOverflow", "0.5e999", kInfinity},
    {"LeadingZerosOverflow", "007e400", kInfinity},
    {"ManyDigitsOverflow", kManyDigits, kInfinity},
    {"NegativeOverflow", "-1e999", -kInfinity},
    {"Underflow", "1e-999", 0.0},
    {"FractionUnderflow", "0.000001e-999", 0.0},
    {"ManyZerosUnderflow", kManyZeros, 0.0},
    // Exponents at the limits of a 64-bit integer, and one beyond them.
    {"LargestExponent", "11e9223372036854775807", kInfinity},
    {"LargestExponentWithPlus", "11e+9223372036854775807", kInfinity},
    {"NegativeLargestExponent", "-11e9223372036854775807", -kInfinity},
    {"SmallestExponent", "0.5e-9223372036854775808", 0.0},
    {"NegativeSmallestExponent", "-0.05e-9223372036854775808", -0.0},
    {"ExponentBeyondTheInteger", "0.5e99999999999999999999", kInfinity},
};

INSTANTIATE_TEST_SUITE_P(Texts, ValTest, ::testing::ValuesIn(kVals),
                         [](const auto& info) { return std::string(info.param.name); });

struct CharacterCase {
    const char* name;
    const char* text;
    std::int64_t length;
    std::int64_t firstCode;
};

void PrintTo(const CharacterCase& c, std::ostream* os) {
    *os << c.name;
}

class CharacterTest : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(CharacterTest, LenAndAscCountCharactersNotBytes) {
    EXPECT_EQ(rt::Len(GetParam().text), GetParam().length);
    EXPECT_EQ(rt::Asc(GetParam().text), GetParam().firstCode);
}

const CharacterCase kCharacters[] = {
    {"Empty", "", 0, 0},
    {"Ascii", "Abc", 3, 65},
    {"TwoByteLetters", "\u00e9t\u00e9", 3, 0xE9},
    {"ThreeByteMinusSign", "\u22125", 2, 0x2212},
    {"FourByteSymbol", "\U0001D465+1", 3, 0x1D465},
    {"CarriageReturn", "\r", 1, 13},
    {"InvalidByteCountsAsOne", "\377ab", 3, 0xFF},
    {"CutOffSequence", "a\xE2\x88", 3, 97},
};

INSTANTIATE_TEST_SUITE_P(Texts, CharacterTest, ::testing::ValuesIn(kCharacters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChrTest, EveryCodeComesBackThroughAsc) {
    for (const std::int64_t code : {1, 8, 9, 13, 28, 29, 65, 127, 0x80, 0xE9, 0x7FF, 0x800, 0x2212,
                                    0xFFFD, 0x10000, 0x1D465, 0x10FFFF}) {
        SCOPED_TRACE(code);
        const std::string text = rt::Chr(code);
        EXPECT_EQ(rt::Len(text), 1);
        EXPECT_EQ(rt::Asc(text), code);
    }
    EXPECT_EQ(rt::Chr(-1), "");
    EXPECT_EQ(rt::Chr(0x110000), "");
}

// A bare framework window holding one control of each kind the tests need.
class FrameworkTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = std::make_shared<rt::Window>();
        window->Constructor();
        area = window->New<rt::TextArea>();
        window->AddControl("Area", area);
        field = window->New<rt::TextField>();
        window->AddControl("Field", field);
        button = window->New<rt::PushButton>();
        window->AddControl("Button", button);
        window->Show();
    }

    QPlainTextEdit& Edit() const { return *qobject_cast<QPlainTextEdit*>(area->Widget()); }

    std::shared_ptr<rt::Window> window;
    std::shared_ptr<rt::TextArea> area;
    std::shared_ptr<rt::TextField> field;
    std::shared_ptr<rt::PushButton> button;
};

struct LineCase {
    const char* name;
    const char* written;
    int lines;
    const char* read;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class TextModelTest : public FrameworkTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TextModelTest, EachLineEndIsOneLineBreakAndReadsAsCR) {
    area->SetText(GetParam().written);
    EXPECT_EQ(Edit().document()->blockCount(), GetParam().lines);
    EXPECT_EQ(area->Text(), GetParam().read);
}

const LineCase kLines[] = {
    {"CR", "a\rb", 2, "a\rb"},
    {"LF", "a\nb", 2, "a\rb"},
    {"CRLF", "a\r\nb", 2, "a\rb"},
    {"Mixed", "a\r\nb\nc\rd", 4, "a\rb\rc\rd"},
    {"LFThenCRIsTwo", "a\n\rb", 3, "a\r\rb"},
    {"EmptyLineBetween", "a\r\n\r\nb", 3, "a\r\rb"},
    {"TrailingLineEnd", "a\r\n", 2, "a\r"},
    {"NoLineEnd", "a b", 1, "a b"},
};

INSTANTIATE_TEST_SUITE_P(LineEnds, TextModelTest, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkTest, ReturnTypedIntoATextAreaReadsAsCR) {
    Type(area->Widget(), "ab");
    Press(area->Widget(), Qt::Key_Return, "\r");
    Type(area->Widget(), "cd");
    EXPECT_EQ(area->Text(), "ab\rcd");
}

struct ThreadCase {
    const char* name;
    void (*use)(rt::Window& window, rt::TextArea& area, rt::TextField& field);
};

void PrintTo(const ThreadCase& c, std::ostream* os) {
    *os << c.name;
}

class MainThreadTest : public FrameworkTest, public ::testing::WithParamInterface<ThreadCase> {};

TEST_P(MainThreadTest, UIOperationOnAnotherThreadRaisesAndChangesNothing) {
    area->SetText("kept");
    field->SetText("42");
    std::string caught = "nothing";
    std::thread worker([&] {
        try {
            GetParam().use(*window, *area, *field);
        } catch (const rt::ThreadAccessingUIException& e) {
            caught = e.ClassName();
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    worker.join();
    EXPECT_EQ(caught, "ThreadAccessingUIException");
    EXPECT_EQ(area->Text(), "kept");
    EXPECT_EQ(field->Text(), "42");
    EXPECT_EQ(field->Widget()->x(), 0);
    EXPECT_TRUE(area->Visible());
    EXPECT_FALSE(window->IsClosed());
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Controls().size(), 3u);
}

using rt::TextArea, rt::TextField, rt::Window;

const ThreadCase kThreadUses[] = {
    {"SetTextAreaText", [](Window&, TextArea& area, TextField&) { area.SetText("lost"); }},
    {"ReadTextFieldText",
     [](Window&, TextArea&, TextField& field) { static_cast<void>(field.Text()); }},
    {"HideControl", [](Window&, TextArea& area, TextField&) { area.SetVisible(false); }},
    {"SetProperty", [](Window&, TextArea&, TextField& field) { field.SetProperty("Left", 9); }},
    {"HideWindow", [](Window& window, TextArea&, TextField&) { window.Hide(); }},
    {"CloseWindow", [](Window& window, TextArea&, TextField&) { window.Close(); }},
    {"NewControl",
     [](Window& window, TextArea&, TextField&) { static_cast<void>(window.New<rt::Label>()); }},
    {"FindControl", [](Window& window, TextArea&,
                       TextField&) { static_cast<void>(window.ControlByName("Area")); }},
    {"MsgBox", [](Window&, TextArea&, TextField&) { rt::MsgBox("from a thread"); }},
    {"MenuItem",
     [](Window&, TextArea&, TextField&) {
         rt::MenuItem item;
         item.SetEnabled(false);
     }},
};

INSTANTIATE_TEST_SUITE_P(Uses, MainThreadTest, ::testing::ValuesIn(kThreadUses),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    void (*raise)();
    const char* message;
    const char* className;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultReportTest : public FrameworkTest, public ::testing::WithParamInterface<ErrorCase> {
protected:
    void ExpectReport() {
        const std::string report = TakeMessage();
        EXPECT_EQ(report.rfind("Quorvane could not finish what it was doing.", 0), 0u) << report;
        EXPECT_NE(report.find(GetParam().message), std::string::npos) << report;
        EXPECT_NE(report.find(GetParam().className), std::string::npos) << report;
    }
};

TEST_P(DefaultReportTest, ErrorEscapingAHandlerIsReportedOnceAndTheProgramGoesOn) {
    int presses = 0;
    button->BindEvent(
        "Action",
        [&](const rt::EventArgs&) {
            if (++presses == 1)
                GetParam().raise();
            return false;
        },
        "(button as PushButton)", 0);
    Click(button->Widget());
    ExpectReport();
    ExpectNoMessage();
    Click(button->Widget());
    EXPECT_EQ(presses, 2);

    EXPECT_FALSE(rt::Dispatch(GetParam().raise));
    ExpectReport();
    bool ran = false;
    EXPECT_TRUE(rt::Dispatch([&] { ran = true; }));
    EXPECT_TRUE(ran);
}

const ErrorCase kErrors[] = {
    {"RuntimeException", [] { throw rt::RuntimeException("The disk is full."); },
     "The disk is full.", "(RuntimeException)"},
    {"FrameworkError", [] { throw rt::NilObjectException("Nothing there."); }, "Nothing there.",
     "(NilObjectException)"},
    {"StandardError", [] { throw std::runtime_error("Out of paper."); }, "Out of paper.",
     "(std::runtime_error)"},
    {"NotAnException", [] { throw 42; }, "An unknown error occurred.", ""},
};

INSTANTIATE_TEST_SUITE_P(Errors, DefaultReportTest, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

// An application class of its own that answers UnhandledException, True or False as told.
class ErrorHandlingApp : public rt::Application {
public:
    static const rt::ClassDescription& ClassInfo() {
        return rt::ObtainClass("ErrorHandlingApp", [] {
            rt::ClassDescription d;
            d.fullName = "ErrorHandlingApp";
            d.base = &rt::Application::ClassInfo();
            d.events = {rt::BindEvent("UnhandledException", &ErrorHandlingApp::OnError)};
            return d;
        });
    }
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    bool OnError(const std::string& description) {
        seen = description;
        return settles;
    }
    bool settles = true;
    std::string seen;
};

TEST_F(FrameworkTest, AnApplicationThatHandlesUnhandledErrorsSeesThemFirst) {
    auto app = std::make_shared<ErrorHandlingApp>();
    rt::RuntimeRegisterAppObject(app);
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("settled by the application"); }));
    EXPECT_NE(app->seen.find("settled by the application"), std::string::npos);

    app->settles = false;
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("left to the report"); }));
    EXPECT_NE(TakeMessage().find("left to the report"), std::string::npos);
}

TEST_F(FrameworkTest, CastKeepsNilAndRefusesAWrongClass) {
    EXPECT_EQ(rt::Cast<rt::TextArea>(window->ControlByName("NoSuchControl")), nullptr);
    EXPECT_EQ(rt::Cast<rt::TextArea>(window->ControlByName("Area")), area);
    EXPECT_EQ(rt::Cast<rt::RectControl>(window->ControlByName("Field")), field);
    EXPECT_THROW(rt::Cast<rt::TextArea>(window->ControlByName("Field")), rt::IllegalCastException);
    EXPECT_THROW(rt::Deref(std::shared_ptr<rt::TextArea>()), rt::NilObjectException);
}

TEST_F(FrameworkTest, SetPropertiesRaisesOnAnUnknownNameOrAWrongKindOfValue) {
    try {
        rt::SetProperties(*field, {{"Left", 40}, {"Colour", "red"}});
        ADD_FAILURE() << "an unknown control property was taken";
    } catch (const rt::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("\"Colour\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(field->Widget()->x(), 40);
    EXPECT_FALSE(field->Property("Colour").has_value());

    try {
        rt::SetProperties(*window, {{"Title", "Kept"}, {"Titel", "Lost"}});
        ADD_FAILURE() << "an unknown window property was taken";
    } catch (const rt::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("\"Titel\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(window->TopWidget()->windowTitle(), "Kept");
    EXPECT_FALSE(window->Property("Titel").has_value());

    EXPECT_THROW(rt::SetProperties(*field, {{"Width", "wide"}}), rt::RuntimeException);
}

// A control that goes before its window leaves its widget to the deferred deletion; events
// that reach the widget until then find no control.
TEST_F(FrameworkTest, WidgetOfAControlThatIsGoneTakesNoEvent) {
    int presses = 0;
    int keys = 0;
    auto canvas = window->New<rt::Canvas>();
    canvas->SetProperty("Width", 40);
    canvas->SetProperty("Height", 40);
    canvas->BindEvent(
        "MouseDown",
        [&](const rt::EventArgs&) {
            ++presses;
            return true;
        },
        "( Canvas, Integer, Integer ) as Boolean", 1);
    auto typed = window->New<rt::TextField>();
    typed->BindEvent(
        "KeyDown",
        [&](const rt::EventArgs&) {
            ++keys;
            return true;
        },
        "( TextField, String ) as Boolean", 1);
    const QPointer<QWidget> paper = canvas->Widget();
    const QPointer<QWidget> line = typed->Widget();
    canvas.reset();
    typed.reset();
    ASSERT_TRUE(paper && line);

    static_cast<void>(paper->grab());
    Click(paper);
    Press(line, Qt::Key_A, "a");
    Press(line, Qt::Key_Tab, "\t");
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(keys, 0);
    Settle();
    EXPECT_FALSE(paper);
    EXPECT_FALSE(line);
}

struct ClosedWindowCase {
    const char* name;
    const char* property;
    rt::Value value;
};

void PrintTo(const ClosedWindowCase& c, std::ostream* os) {
    *os << c.name;
}

class ClosedWindowTest : public FrameworkTest,
                         public ::testing::WithParamInterface<ClosedWindowCase> {};

TEST_P(ClosedWindowTest, SetPropertyKeepsTheValueAndShowsNothing) {
    window->Close();
    Settle();
    ASSERT_EQ(window->TopWidget(), nullptr);
    EXPECT_NO_THROW(window->SetProperty(GetParam().property, GetParam().value));
    EXPECT_EQ(window->Property(GetParam().property), GetParam().value);
    EXPECT_FALSE(window->Visible());
    EXPECT_THROW(window->SetProperty("Titel", "x"), rt::RuntimeException);
}

const ClosedWindowCase kClosedWindowProperties[] = {
    {"Title", "Title", std::string("Later")},
    {"Width", "Width", std::int64_t{500}},
    {"Height", "Height", std::int64_t{200}},
    // A plain frame is placed in the middle of the screen.
    {"PlainFrame", "Type", std::int64_t{2}},
    {"FixedSize", "Resizeable", false},
    {"Background", "HasBackgroundColor", true},
    {"MenuBarHidden", "MenuBarVisible", false},
    {"Visible", "Visible", true},
};

INSTANTIATE_TEST_SUITE_P(Properties, ClosedWindowTest, ::testing::ValuesIn(kClosedWindowProperties),
                         [](const auto& info) { return std::string(info.param.name); });

struct LongPeriodCase {
    const char* name;
    std::int64_t period;
};

void PrintTo(const LongPeriodCase& c, std::ostream* os) {
    *os << c.name;
}

class LongPeriodTest : public FrameworkTest,
                       public ::testing::WithParamInterface<LongPeriodCase> {};

TEST_P(LongPeriodTest, WaitsAsLongAsItCanInsteadOfActingAtOnce) {
    int actions = 0;
    const auto timer = window->New<rt::Timer>();
    timer->BindEvent(
        "Action",
        [&](const rt::EventArgs&) {
            ++actions;
            return false;
        },
        "( Timer )", 1);
    timer->SetProperty("Period", GetParam().period);
    timer->SetProperty("RunMode", 2);
    QTest::qWait(50);
    EXPECT_EQ(actions, 0);
    EXPECT_TRUE(timer->IsRunning());
    constexpr int kTwentyFourDaysMs = 24 * 24 * 3600 * 1000;
    EXPECT_GT(timer->RemainingTime(), kTwentyFourDaysMs);
}

// Periods whose lower 32 bits alone would be no wait, one millisecond, and a negative wait.
const LongPeriodCase kLongPeriods[] = {
    {"TwoToThe32", std::int64_t{1} << 32},
    {"TwoToThe32AndOne", (std::int64_t{1} << 32) + 1},
    {"Largest", std::numeric_limits<std::int64_t>::max()},
};

INSTANTIATE_TEST_SUITE_P(Periods, LongPeriodTest, ::testing::ValuesIn(kLongPeriods),
                         [](const auto& info) { return std::string(info.param.name); });

// A window class whose two text areas each add labels to the window when it opens.
class OpeningWindow : public rt::Window {
public:
    static const rt::ClassDescription& ClassInfo() {
        return rt::ObtainClass("OpeningWindow", [] {
            rt::ClassDescription d;
            d.fullName = "OpeningWindow";
            d.base = &rt::Window::ClassInfo();
            d.events = {rt::BindEvent("CreateControls", &OpeningWindow::CreateControls)};
            return d;
        });
    }
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }

    void CreateControls() {
        for (const std::string name : {"First", "Second"}) {
            auto area = New<rt::TextArea>();
            area->BindEvent(
                "Open",
                [this, name](const rt::EventArgs&) {
                    opened.push_back(name);
                    // Enough to move the window's list of controls elsewhere in memory.
                    for (int i = 0; i < 16; ++i)
                        AddControl(name + "Label" + std::to_string(i), New<rt::Label>());
                    return false;
                },
                "( TextArea )", 1);
            AddControl(name, area);
        }
    }

    std::vector<std::string> opened;
};

TEST_F(FrameworkTest, OpenHandlersThatAddControlsEachRunOnce) {
    const auto opening = std::make_shared<OpeningWindow>();
    opening->Constructor();
    EXPECT_EQ(opening->opened, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(opening->Controls().size(), 34u);
    EXPECT_NE(opening->ControlByName("SecondLabel15"), nullptr);
}

TEST_F(FrameworkTest, FrameworkWidgetsKnowTheirOwnClasses) {
    window->SetMenuBar(std::make_shared<rt::MenuBar>());
    const auto canvas = window->New<rt::Canvas>();
    auto* top = qobject_cast<rt::WindowWidget*>(window->TopWidget());
    ASSERT_NE(top, nullptr);
    auto* view = qobject_cast<rt::MenuBarView*>(top->menuWidget());
    ASSERT_NE(view, nullptr);
    const std::pair<const QObject*, const char*> objects[] = {
        {top, "rt::WindowWidget"},
        {window->ContentWidget(), "rt::ContentWidget"},
        {view, "rt::MenuBarView"},
        {canvas->Widget(), "rt::CanvasWidget"},
        {field->Widget(), "rt::LineEdit"},
        {qobject_cast<QLineEdit*>(field->Widget())->validator(), "rt::TypingLimit"},
    };
    for (const auto& [object, name] : objects) {
        ASSERT_NE(object, nullptr) << name;
        EXPECT_STREQ(object->metaObject()->className(), name);
    }
}

class DateTest : public GuiTest {};

TEST_F(DateTest, GivesTheLocaleFormatsOfTheMomentItWasMade) {
    const QDateTime fixed =
        QDateTime::fromSecsSinceEpoch(std::chrono::system_clock::to_time_t(FixedNow()))
            .toLocalTime();
    const rt::Date date;
    rt::Hooks().now = [] { return FixedNow() + std::chrono::hours(30); };
    EXPECT_EQ(date.ShortDate(),
              QLocale::system().toString(fixed.date(), QLocale::ShortFormat).toStdString());
    EXPECT_EQ(date.LongTime(),
              QLocale::system().toString(fixed.time(), QLocale::LongFormat).toStdString());

    const rt::Date later;
    EXPECT_EQ(later.LongTime(), QLocale::system()
                                    .toString(fixed.addSecs(30 * 3600).time(), QLocale::LongFormat)
                                    .toStdString());
    EXPECT_NE(later.ShortDate(), date.ShortDate());
}

// A timer on the bare window whose Actions are stamped with the time since it was started.
class TimerTest : public FrameworkTest {
protected:
    static constexpr int kPeriodMs = 50;
    // Timers may round their due time to the millisecond.
    static constexpr qint64 kSlackNs = 1'000'000;

    void Start(int runMode) {
        timer = window->New<rt::Timer>();
        window->AddControl("Timer", timer);
        timer->BindEvent(
            "Action",
            [this](const rt::EventArgs&) {
                actions.push_back(clock.nsecsElapsed());
                return false;
            },
            "( Timer )", 1);
        timer->SetProperty("Period", kPeriodMs);
        clock.start();
        timer->SetProperty("RunMode", runMode);
    }

    static qint64 Periods(int count) { return count * kPeriodMs * qint64{1'000'000}; }

    std::shared_ptr<rt::Timer> timer;
    QElapsedTimer clock;
    std::vector<qint64> actions;
};

TEST_F(TimerTest, SingleRunActsOnceAndNotBeforeItsPeriod) {
    Start(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !actions.empty(); }, 20 * kPeriodMs));
    QTest::qWait(3 * kPeriodMs);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_GE(actions[0], Periods(1) - kSlackNs) << actions[0] << " ns";
    EXPECT_FALSE(timer->IsRunning());
}

TEST_F(TimerTest, RepeatedRunActsEveryPeriodUntilItIsTurnedOff) {
    Start(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return actions.size() >= 3; }, 60 * kPeriodMs));
    timer->SetProperty("RunMode", 0);
    const std::size_t acted = actions.size();
    // Late Actions may come closer together, but the n-th never comes before n periods.
    for (std::size_t n = 0; n < acted; ++n)
        EXPECT_GE(actions[n], Periods(static_cast<int>(n + 1)) - kSlackNs) << "Action " << n + 1;
    QTest::qWait(3 * kPeriodMs);
    EXPECT_EQ(actions.size(), acted);
    EXPECT_FALSE(timer->IsRunning());
}

} // namespace
