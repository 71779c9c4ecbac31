// Controls: property lists, widgets that outlive their controls, Open handlers and timers.
#include "tests/support/framework_test.h"

#include "framework/controls/canvas.h"
#include "framework/controls/label.h"
#include "framework/controls/set_properties.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <limits>
#include <ostream>
#include <vector>

namespace {

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
        return DescribeTestClass<rt::Window>(
            "OpeningWindow", {rt::BindEvent("CreateControls", &OpeningWindow::CreateControls)});
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
