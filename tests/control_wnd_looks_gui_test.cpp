// How the calculator window's controls look and behave: fonts, alignment, colours, focus,
// selection.
#include "tests/support/control_wnd_test.h"

#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <ostream>
#include <string>

namespace {

// What the values a control shares with its class make it do, as the user meets the control.
struct Looks {
    const char* name;
    Qt::FocusPolicy focus;
    const char* font = nullptr; // "System" or "Courier"; nullptr: the control shows no text
    int fontSize = 0;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wraps = false;
    bool hidesSelection = false; // text areas: no selection drawn while the focus is elsewhere
};

void PrintTo(const Looks& row, std::ostream* os) {
    *os << row.name;
}

class SharedValueTest : public ControlWndLayoutTest, public ::testing::WithParamInterface<Looks> {
protected:
    static QImage Shot(QPlainTextEdit& area) { return area.viewport()->grab().toImage(); }

    static int Differing(const QImage& a, const QImage& b) {
        if (a.size() != b.size())
            return a.width() * a.height();
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        return count;
    }

    // Pixels painted in the colour a selection has in a focused area of the active window.
    static int Highlighted(QPlainTextEdit& area) {
        const QImage shot = Shot(area);
        const QColor highlight = area.palette().color(QPalette::Active, QPalette::Highlight);
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += shot.pixelColor(x, y) == highlight ? 1 : 0;
        return count;
    }

    void ExpectSelectionShownOnlyWithFocus(QPlainTextEdit& area) {
        window->SmatrixFld()->SetVisible(true);
        // Becoming active, the calculator hides the splash and would first create it; have it
        // there already, as at start-up.
        ::AboutWnd();
        ASSERT_NO_FATAL_FAILURE(MakeActive(*window));
        area.setPlainText("0.5 0.25\n0.75 1");
        QWidget* elsewhere = WidgetOf("Nvariables");
        elsewhere->setFocus(Qt::OtherFocusReason);
        const QImage unselected = Shot(area);

        area.setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&area, Qt::Key_A, Qt::ControlModifier);
        ASSERT_TRUE(area.textCursor().hasSelection());
        EXPECT_GT(Highlighted(area), 0) << "no selection drawn in the focused area";

        Click(elsewhere);
        ASSERT_TRUE(elsewhere->hasFocus());
        // Pixels that differ from the unselected area: the selection drawn without the focus.
        EXPECT_EQ(Differing(Shot(area), unselected) > 0, !GetParam().hidesSelection);

        area.setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(area.textCursor().hasSelection());
        EXPECT_GT(Highlighted(area), 0) << "the selection did not come back with the focus";
    }
};

TEST_P(SharedValueTest, ShowAndBehaveAsTheirClassDoes) {
    const Looks& row = GetParam();
    QWidget* widget = WidgetOf(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_TRUE(widget->toolTip().isEmpty());
    EXPECT_EQ(widget->focusPolicy(), row.focus);

    if (row.font != nullptr) {
        const QFontInfo shown(widget->font());
        EXPECT_EQ(shown.pixelSize(), row.fontSize);
        EXPECT_EQ(shown.bold(), row.bold);
        EXPECT_FALSE(shown.italic());
        EXPECT_FALSE(shown.underline());
        const QFontMetrics metrics(widget->font());
        const bool monospaced =
            metrics.horizontalAdvance("iiii") == metrics.horizontalAdvance("MMMM");
        EXPECT_EQ(monospaced, std::string(row.font) == "Courier") << shown.family().toStdString();
    }

    const auto horizontal = [](Qt::Alignment alignment) {
        return alignment & Qt::AlignHorizontal_Mask;
    };
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_EQ(horizontal(field->alignment()), row.alignment);
        EXPECT_FALSE(field->isReadOnly());
        EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
        EXPECT_TRUE(field->hasFrame());
        EXPECT_TRUE(field->placeholderText().isEmpty());
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        EXPECT_EQ(horizontal(area->document()->defaultTextOption().alignment()), row.alignment);
        EXPECT_FALSE(area->isReadOnly());
        EXPECT_NE(area->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(area->lineWrapMode() != QPlainTextEdit::NoWrap, row.wraps);
        EXPECT_EQ(area->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(area->palette().color(QPalette::Text), QColor(Qt::black));
        ExpectSelectionShownOnlyWithFocus(*area);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        EXPECT_EQ(horizontal(label->alignment()), row.alignment);
        EXPECT_EQ(label->wordWrap(), row.wraps);
        EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

constexpr Qt::FocusPolicy kNoFocus = Qt::NoFocus;
constexpr Qt::FocusPolicy kFocus = Qt::StrongFocus;

INSTANTIATE_TEST_SUITE_P(
    Controls, SharedValueTest,
    ::testing::Values(
        Looks{.name = "Canvas1", .focus = kNoFocus},
        Looks{.name = "Nvariables",
              .focus = kFocus,
              .font = "System",
              .fontSize = 12,
              .alignment = Qt::AlignHCenter},
        Looks{.name = "Nfactors",
              .focus = kFocus,
              .font = "System",
              .fontSize = 12,
              .alignment = Qt::AlignHCenter},
        Looks{.name = "PmatrixFld",
              .focus = kFocus,
              .font = "Courier",
              .fontSize = 10,
              .hidesSelection = true},
        Looks{.name = "FmatrixFld",
              .focus = kFocus,
              .font = "Courier",
              .fontSize = 10,
              .hidesSelection = true},
        Looks{.name = "SmatrixFld",
              .focus = kFocus,
              .font = "Courier",
              .fontSize = 10,
              .wraps = true,
              .hidesSelection = true},
        // The buttons are no tab stops, and a click leaves the focus where it was.
        Looks{.name = "ClearBtn", .focus = kNoFocus, .font = "System", .fontSize = 14},
        Looks{.name = "CalculateBtn", .focus = kNoFocus, .font = "System", .fontSize = 14},
        Looks{.name = "StaticText1",
              .focus = kNoFocus,
              .font = "System",
              .fontSize = 12,
              .bold = true},
        Looks{.name = "StaticText3", .focus = kNoFocus, .font = "System", .fontSize = 12},
        Looks{.name = "StructureText", .focus = kNoFocus, .font = "System", .fontSize = 12},
        Looks{.name = "StaticText4", .focus = kNoFocus, .font = "System", .fontSize = 12},
        Looks{.name = "StaticText6",
              .focus = kNoFocus,
              .font = "System",
              .fontSize = 12,
              .bold = true},
        Looks{.name = "helpBtn", .focus = kNoFocus}, Looks{.name = "Canvas2", .focus = kNoFocus}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
