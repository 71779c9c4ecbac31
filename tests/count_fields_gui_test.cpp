#include "tests/support/gui_test.h"

#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// Focus only lands where a user would see it: in the active window.
QLineEdit* Edit(const std::shared_ptr<rt::TextField>& field) {
    return qobject_cast<QLineEdit*>(field->Widget());
}

class CountFieldTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = CalculatorInFront();
    }
    std::vector<std::shared_ptr<rt::TextField>> Fields() const {
        return {window->Nvariables(), window->Nfactors()};
    }
    std::shared_ptr<class ControlWnd> window;
};

struct KeyCase {
    const char* name;
    int key;
    QString text;
    int cursorBefore;
    bool accepted;
    const char* textAfter;
    int cursorAfter;
};

// Every field starts the press holding "1".
const KeyCase kKeys[] = {
    {"Digit0", Qt::Key_0, "0", 1, true, "10", 2},
    {"Digit5", Qt::Key_5, "5", 0, true, "51", 1},
    {"Digit9", Qt::Key_9, "9", 1, true, "19", 2},
    {"Backspace", Qt::Key_Backspace, "\b", 1, true, "", 0},
    {"Delete", Qt::Key_Delete, "\x7f", 0, true, "", 0},
    {"LeftArrow", Qt::Key_Left, {}, 1, true, "1", 0},
    {"RightArrow", Qt::Key_Right, {}, 0, true, "1", 1},
    {"UpArrow", Qt::Key_Up, {}, 1, false, "1", 1},
    {"SlashBelowTheDigits", Qt::Key_Slash, "/", 1, false, "1", 1},
    {"ColonAboveTheDigits", Qt::Key_Colon, ":", 1, false, "1", 1},
    {"Letter", Qt::Key_A, "a", 1, false, "1", 1},
    {"CapitalLetter", Qt::Key_O, "O", 1, false, "1", 1},
    {"Space", Qt::Key_Space, " ", 1, false, "1", 1},
    {"Point", Qt::Key_Period, ".", 1, false, "1", 1},
    {"Minus", Qt::Key_Minus, "-", 1, false, "1", 1},
    {"Return", Qt::Key_Return, "\r", 1, false, "1", 1},
    {"Escape", Qt::Key_Escape, "\x1b", 1, false, "1", 1},
};

class CountFieldKeyTest : public CountFieldTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CountFieldKeyTest, KeyPassesSilentlyOrBeepsAndStaysOut) {
    const KeyCase& c = GetParam();
    for (const auto& field : Fields()) {
        SCOPED_TRACE(field->Name());
        beeps = 0;
        field->SetText("1");
        field->SetFocus();
        Edit(field)->setCursorPosition(c.cursorBefore);
        Press(field->Widget(), c.key, c.text);
        EXPECT_EQ(beeps, c.accepted ? 0 : 1);
        EXPECT_EQ(field->Text(), c.textAfter);
        EXPECT_EQ(Edit(field)->cursorPosition(), c.cursorAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CountFieldKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CountFieldTest, TabPassesSilentlyAndMovesTheFocusOn) {
    for (const auto& field : Fields()) {
        SCOPED_TRACE(field->Name());
        beeps = 0;
        field->SetText("7");
        field->SetFocus();
        ASSERT_TRUE(field->HasFocus());
        Press(field->Widget(), Qt::Key_Tab, "\t");
        EXPECT_EQ(beeps, 0);
        EXPECT_EQ(field->Text(), "7");
        EXPECT_FALSE(field->HasFocus());
    }
    EXPECT_TRUE(window->PmatrixFld()->HasFocus());
}

TEST_F(CountFieldTest, KeyTextOfSeveralCharactersIsJudgedByItsFirst) {
    auto& variables = *window->Nvariables();
    auto& factors = *window->Nfactors();
    EXPECT_FALSE(window->Nvariables_KeyDown(variables, "5x"));
    EXPECT_FALSE(window->Nfactors_KeyDown(factors, "5x"));
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(window->Nvariables_KeyDown(variables, "x5"));
    EXPECT_TRUE(window->Nfactors_KeyDown(factors, "x5"));
    EXPECT_EQ(beeps, 2);
}

TEST_F(CountFieldTest, ShortcutWithControlGoesPastTheFilter) {
    for (const auto& field : Fields()) {
        SCOPED_TRACE(field->Name());
        field->SetText("42");
        field->SetFocus();
        Edit(field)->deselect();
        Press(field->Widget(), Qt::Key_A, "a", Qt::ControlModifier);
        EXPECT_EQ(Edit(field)->selectedText(), "42");
        EXPECT_EQ(field->Text(), "42");
    }
    EXPECT_EQ(beeps, 0);
}

struct TypingCase {
    const char* name;
    const char* typed;
    const char* text;
    int beeps;
};

const TypingCase kTyping[] = {
    {"TwoDigits", "12", "12", 0},
    {"ThirdDigitIsDropped", "123", "12", 0},
    {"LettersBetweenDigits", "4a5", "45", 1},
    {"NegativeNumber", "-3", "3", 1},
    {"DecimalNumber", "2.5", "25", 1},
    {"Words", "ten", "", 3},
};

class CountFieldTypingTest : public CountFieldTest,
                             public ::testing::WithParamInterface<TypingCase> {};

TEST_P(CountFieldTypingTest, TypingKeepsAtMostTwoDigits) {
    const TypingCase& c = GetParam();
    for (const auto& field : Fields()) {
        SCOPED_TRACE(field->Name());
        beeps = 0;
        Type(field->Widget(), c.typed);
        EXPECT_EQ(field->Text(), c.text);
        EXPECT_EQ(beeps, c.beeps);
    }
}

INSTANTIATE_TEST_SUITE_P(Typing, CountFieldTypingTest, ::testing::ValuesIn(kTyping),
                         [](const auto& info) { return std::string(info.param.name); });

class ClearTest : public CountFieldTest {
protected:
    void ExpectCleared() {
        EXPECT_EQ(window->Nvariables()->Text(), "");
        EXPECT_EQ(window->Nfactors()->Text(), "");
        EXPECT_EQ(window->PmatrixFld()->Text(), "");
        EXPECT_EQ(window->FmatrixFld()->Text(), "");
        EXPECT_EQ(window->SmatrixFld()->Text(), "");
        EXPECT_TRUE(window->Nvariables()->HasFocus());
        EXPECT_EQ(QApplication::focusWidget(), window->Nvariables()->Widget());
        EXPECT_FALSE(window->SmatrixFld()->Visible());
        EXPECT_FALSE(window->StructureText()->Visible());
        EXPECT_EQ(beeps, 0);
    }
};

TEST_F(ClearTest, ClearRemovesTheResultAndStartsOver) {
    Type(window->Nvariables()->Widget(), "4");
    Type(window->Nfactors()->Widget(), "2");
    window->PmatrixFld()->SetText(".8 .1\r.7 .2\r.1 .9\r.2 .6");
    window->FmatrixFld()->SetText("1 .3\r.3 1");
    Click(window->CalculateBtn()->Widget());
    ASSERT_TRUE(window->SmatrixFld()->Visible());
    ASSERT_NE(window->SmatrixFld()->Text(), "");
    window->FmatrixFld()->SetFocus();

    Click(window->ClearBtn()->Widget());
    ExpectCleared();
}

TEST_F(ClearTest, ClearOnAnEmptyWindowStillMovesTheFocus) {
    window->PmatrixFld()->SetFocus();
    ASSERT_FALSE(window->Nvariables()->HasFocus());

    Click(window->ClearBtn()->Widget());
    ExpectCleared();

    Click(window->ClearBtn()->Widget());
    ExpectCleared();
}

} // namespace
