#include "tests/support/gui_test.h"

#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The class, which its accessor's name hides.
using Calculator = class ControlWnd;

QPlainTextEdit* Area(const std::shared_ptr<rt::TextArea>& area) {
    return qobject_cast<QPlainTextEdit*>(area->Widget());
}

class FocusTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = CalculatorInFront();
    }
    // Selects the characters from start to end of the area.
    static void Select(const std::shared_ptr<rt::TextArea>& area, int start, int end) {
        QTextCursor cursor = Area(area)->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Area(area)->setTextCursor(cursor);
    }
    std::shared_ptr<Calculator> window;
};

TEST_F(FocusTest, CalculateClickLeavesTheFocusAndKeysDoNotPressItAgain) {
    const auto pattern = window->PmatrixFld();
    pattern->SetText(".8 .1");
    pattern->SetFocus();

    Click(window->CalculateBtn()->Widget());
    ExpectMessage("Variables must range from 4-99");
    EXPECT_TRUE(pattern->HasFocus());
    EXPECT_EQ(QApplication::focusWidget(), pattern->Widget());

    // The keys go to the field; a button with the focus would take them as a press.
    Press(QApplication::focusWidget(), Qt::Key_Space, " ");
    Press(QApplication::focusWidget(), Qt::Key_Return, "\r");
    ExpectNoMessage();
    EXPECT_EQ(pattern->Text(), " \r.8 .1");
}

TEST_F(FocusTest, EditCommandsActOnTheFieldAfterACalculateClick) {
    QClipboard* clipboard = QApplication::clipboard();
    const auto pattern = window->PmatrixFld();
    pattern->SetText(".8 .1");
    pattern->SetFocus();
    Select(pattern, 0, 2);

    Click(window->CalculateBtn()->Widget());
    ExpectMessage("Variables must range from 4-99");

    clipboard->clear();
    Choose(*window, "EditCut");
    EXPECT_EQ(clipboard->text(), ".8");
    EXPECT_EQ(pattern->Text(), " .1");
    Choose(*window, "EditUndo");
    EXPECT_EQ(pattern->Text(), ".8 .1");
    clipboard->setText(".6 ");
    Area(pattern)->moveCursor(QTextCursor::Start);
    Choose(*window, "EditPaste");
    EXPECT_EQ(pattern->Text(), ".6 .8 .1");
}

TEST_F(FocusTest, AClickStillPutsTheFocusInATextAreaThatIsNoTabStop) {
    const auto help = ::DescriptionWnd();
    MakeActive(*help);
    const auto text = help->DescribeFld2();
    ASSERT_FALSE(text->TabStop());
    ASSERT_FALSE(text->HasFocus());

    Click(Area(text)->viewport());
    EXPECT_TRUE(text->HasFocus());
}

// What the pattern area shows of its text, drawn as the screen would show it.
class HiddenSelectionTest : public FocusTest {
protected:
    void SetUp() override {
        FocusTest::SetUp();
        pattern = window->PmatrixFld();
        pattern->SetText(".80 .00\r.60 .00");
        pattern->SetFocus();
        Select(pattern, 0, 7);
        ASSERT_TRUE(pattern->HasFocus());
    }
    QImage Shot() const { return pattern->Widget()->grab().toImage(); }
    // The same area drawn with no text selected, the caret where the selection ends.
    QImage ShotUnselected() const {
        QPlainTextEdit* area = Area(pattern);
        const QTextCursor selected = area->textCursor();
        QTextCursor plain = selected;
        plain.clearSelection();
        area->setTextCursor(plain);
        const QImage shot = Shot();
        area->setTextCursor(selected);
        return shot;
    }
    int HighlightPixels(const QImage& shot) const {
        const QColor highlight =
            pattern->Widget()->palette().color(QPalette::Active, QPalette::Highlight);
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) == highlight)
                    ++count;
        return count;
    }
    // Moves the focus away, checks what is drawn, and brings the focus back.
    void ExpectSelectionDrawnOnlyWithFocus() {
        EXPECT_GT(HighlightPixels(Shot()), 0);
        window->Nvariables()->SetFocus();
        ASSERT_FALSE(pattern->HasFocus());
        EXPECT_EQ(HighlightPixels(Shot()), 0);
        EXPECT_EQ(Shot(), ShotUnselected());
        pattern->SetFocus();
        ASSERT_TRUE(pattern->HasFocus());
        EXPECT_GT(HighlightPixels(Shot()), 0);
        EXPECT_NE(Shot(), ShotUnselected());
    }
    std::shared_ptr<rt::TextArea> pattern;
};

TEST_F(HiddenSelectionTest, SelectionIsDrawnOnlyWhileTheAreaHasTheFocus) {
    ExpectSelectionDrawnOnlyWithFocus();
    EXPECT_EQ(pattern->Text(), ".80 .00\r.60 .00");
}

TEST_F(HiddenSelectionTest, StaysHiddenInTheAreasNewColours) {
    pattern->SetProperty("BackgroundColor", rt::Color::FromRGB(0xFFFFCC));
    pattern->SetProperty("TextColor", rt::Color::FromRGB(0x000080));
    ExpectSelectionDrawnOnlyWithFocus();
}

TEST_F(HiddenSelectionTest, ShownSelectionStaysDrawnWithoutTheFocus) {
    pattern->SetProperty("HideSelection", false);
    window->Nvariables()->SetFocus();
    ASSERT_FALSE(pattern->HasFocus());
    EXPECT_NE(Shot(), ShotUnselected());
}

} // namespace
