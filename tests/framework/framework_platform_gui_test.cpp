// The platform: dates in the locale's formats.
#include "tests/support/gui_test.h"

#include "framework/platform/date.h"
#include "framework/platform/platform_hooks.h"

#include <QDateTime>
#include <QLocale>

namespace {

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

} // namespace
