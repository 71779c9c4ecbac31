#include "tests/support/control_wnd_test.h"
#include "tests/support/event_signatures.h"

#include "app/menu.h"
#include "app/pictures.h"
#include "windows/control_wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

namespace {

TEST_F(ControlWndLayoutTest, WindowIsAFixedWhite650By560FrameTitledQuorvaneWithCloseButtonOnly) {
    QWidget* top = window->TopWidget();
    QWidget* content = window->ContentWidget();
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(content->size(), QSize(650, 560));
    EXPECT_EQ(top->windowTitle(), "Quorvane");

    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);

    EXPECT_EQ(content->minimumSize(), QSize(650, 560));
    EXPECT_EQ(content->maximumSize(), QSize(650, 560));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    top->resize(900, 800);
    Settle();
    EXPECT_EQ(content->size(), QSize(650, 560));

    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(Qt::white));

    auto* frame = qobject_cast<QMainWindow*>(top);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->menuWidget(), nullptr);
    EXPECT_FALSE(frame->menuWidget()->isHidden());
    EXPECT_EQ(window->MenuBar(), ::Menu());
}

struct Layout {
    const char* name;
    const char* className;
    int left, top, width, height;
    const char* text; // the text or caption; for a canvas, nothing
    std::shared_ptr<rt::Picture> (*picture)();
    const char* font; // nullptr: the control shows no text
    int fontSize;
    bool bold;
    int tabIndex;
    bool tabStop;
    bool visible;
    const char* event; // the one bound event, if any
    const char* signature;
};

void PrintTo(const Layout& row, std::ostream* os) {
    *os << row.name;
}

QString ShownText(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget))
        return area->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return {};
}

class ControlLayoutTest : public ControlWndLayoutTest,
                          public ::testing::WithParamInterface<Layout> {};

TEST_P(ControlLayoutTest, HasItsClassPlaceContentFontTabAndVisibility) {
    const Layout& row = GetParam();
    const auto control = rt::Cast<rt::RectControl>(window->ControlByName(row.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->ClassName(), row.className);
    QWidget* widget = control->Widget();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), window->ContentWidget());
    EXPECT_EQ(widget->geometry(), QRect(row.left, row.top, row.width, row.height));

    if (row.picture != nullptr) {
        const auto canvas = rt::Cast<rt::Canvas>(control);
        ASSERT_NE(canvas->Backdrop(), nullptr);
        EXPECT_EQ(canvas->Backdrop(), row.picture());
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    } else {
        EXPECT_EQ(ShownText(widget), row.text);
    }
    if (row.font != nullptr) {
        const QFont font = widget->font();
        const QString family = std::string(row.font) == "Courier"
                                   ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family()
                                   : QApplication::font().family();
        EXPECT_EQ(font.family(), family);
        EXPECT_EQ(font.pixelSize(), row.fontSize);
        EXPECT_EQ(font.bold(), row.bold);
    }

    EXPECT_EQ(control->TabIndex(), row.tabIndex);
    EXPECT_EQ(control->TabStop(), row.tabStop);
    // Of the tab stops, only the text controls take the keyboard focus on this platform.
    const std::string kind = row.className;
    const bool reachedByTab = row.tabStop && (kind == "TextField" || kind == "TextArea");
    EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, reachedByTab);
    EXPECT_EQ(control->Visible(), row.visible);
    EXPECT_EQ(widget->isVisible(), row.visible);

    for (const char* event : {"KeyDown", "Action", "MouseDown", "Open"}) {
        const bool bound = row.event != nullptr && std::string(row.event) == event;
        EXPECT_EQ(control->IsEventBound(event), bound) << event;
        EXPECT_EQ(control->EventSignature(event), bound ? row.signature : "") << event;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlLayoutTest,
    ::testing::Values(Layout{"Canvas1", "Canvas", -31, -12, 350, 175, "", &Stitle, nullptr, 0,
                             false, 19, false, true, nullptr, nullptr},
                      Layout{"Nvariables", "TextField", 209, 212, 30, 20, "", nullptr, "System", 12,
                             false, 0, true, true, "KeyDown", kKey},
                      Layout{"Nfactors", "TextField", 597, 211, 30, 20, "", nullptr, "System", 12,
                             false, 1, true, true, "KeyDown", kKey},
                      Layout{"PmatrixFld", "TextArea", 20, 262, 185, 225, "", nullptr, "Courier",
                             10, false, 3, true, true, nullptr, nullptr},
                      Layout{"FmatrixFld", "TextArea", 238, 262, 150, 225, "", nullptr, "Courier",
                             10, false, 4, true, true, nullptr, nullptr},
                      Layout{"SmatrixFld", "TextArea", 425, 262, 205, 225, "", nullptr, "Courier",
                             10, false, 5, true, false, nullptr, nullptr},
                      Layout{"ClearBtn", "PushButton", 536, 507, 100, 40, "Clear", nullptr,
                             "System", 14, false, 7, false, true, "Action", kPress},
                      Layout{"CalculateBtn", "PushButton", 20, 507, 100, 40, "Calculate", nullptr,
                             "System", 14, false, 8, false, true, "Action", kPress},
                      Layout{"StaticText1", "Label", 20, 211, 186, 20,
                             "Number of variables (4-99):", nullptr, "System", 12, true, 9, false,
                             true, nullptr, nullptr},
                      Layout{"StaticText3", "Label", 20, 244, 186, 19, "Pattern Matrix", nullptr,
                             "System", 12, false, 10, true, true, nullptr, nullptr},
                      Layout{"StructureText", "Label", 425, 239, 189, 30, "Structure Matrix",
                             nullptr, "System", 12, false, 11, true, false, nullptr, nullptr},
                      Layout{"StaticText4", "Label", 238, 244, 159, 19, "Factor Correlation Matrix",
                             nullptr, "System", 12, false, 12, true, true, nullptr, nullptr},
                      Layout{"StaticText6", "Label", 426, 211, 172, 20, "Number of factors (2-10):",
                             nullptr, "System", 12, true, 15, true, true, nullptr, nullptr},
                      Layout{"helpBtn", "Canvas", 286, 500, 48, 48, "", &Q, nullptr, 0, false, 20,
                             false, true, "MouseDown", kMouse},
                      Layout{"Canvas2", "Canvas", 320, 54, 316, 49, "", &by, nullptr, 0, false, 21,
                             false, true, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlWndLayoutTest, ControlsStandInCreationOrderUnderTheirOwnNames) {
    const std::vector<std::string> expected = {
        "Canvas1",       "Nvariables",  "Nfactors",     "PmatrixFld",  "FmatrixFld",
        "SmatrixFld",    "ClearBtn",    "CalculateBtn", "StaticText1", "StaticText3",
        "StructureText", "StaticText4", "StaticText6",  "helpBtn",     "Canvas2"};
    std::vector<std::string> names;
    for (const auto& control : window->Controls())
        names.push_back(control->Name());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(window->Nvariables(), window->ControlByName("Nvariables"));
    EXPECT_EQ(window->StructureText(), window->ControlByName("StructureText"));
    EXPECT_EQ(window->Canvas2(), window->ControlByName("Canvas2"));
}

TEST_F(ControlWndLayoutTest, CountFieldsTakeTwoCentredCharacters) {
    for (const char* name : {"Nvariables", "Nfactors"}) {
        auto* field = qobject_cast<QLineEdit*>(WidgetOf(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->alignment() & Qt::AlignHCenter) << name;
        EXPECT_FALSE(field->isReadOnly()) << name;
        Type(field, "123");
        EXPECT_EQ(field->text(), "12") << name;
    }
}

TEST_F(ControlWndLayoutTest, MatrixAreasTakeTabsAndOnlyTheResultAreaWrapsLines) {
    struct Area {
        const char* name;
        Qt::ScrollBarPolicy horizontal;
        QPlainTextEdit::LineWrapMode wrap;
    };
    for (const Area& expected :
         {Area{"PmatrixFld", Qt::ScrollBarAsNeeded, QPlainTextEdit::NoWrap},
          Area{"FmatrixFld", Qt::ScrollBarAsNeeded, QPlainTextEdit::NoWrap},
          Area{"SmatrixFld", Qt::ScrollBarAlwaysOff, QPlainTextEdit::WidgetWidth}}) {
        auto* area = qobject_cast<QPlainTextEdit*>(WidgetOf(expected.name));
        ASSERT_NE(area, nullptr) << expected.name;
        EXPECT_FALSE(area->tabChangesFocus()) << expected.name;
        EXPECT_FALSE(area->isReadOnly()) << expected.name;
        EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded) << expected.name;
        EXPECT_EQ(area->horizontalScrollBarPolicy(), expected.horizontal) << expected.name;
        EXPECT_EQ(area->lineWrapMode(), expected.wrap) << expected.name;
    }
    QWidget* pattern = WidgetOf("PmatrixFld");
    Type(pattern, ".8\t.1");
    EXPECT_EQ(window->PmatrixFld()->Text(), ".8\t.1");
    EXPECT_EQ(FocusOf(*window), pattern) << "Tab left the pattern area instead of typing a tab";
}

TEST_F(ControlWndLayoutTest, ShownResultAreaCanBeEditedLikeTheInputs) {
    Type(WidgetOf("Nvariables"), "4");
    Type(WidgetOf("Nfactors"), "2");
    window->PmatrixFld()->SetText("1 0\r0 1\r1 1\r0 0");
    window->FmatrixFld()->SetText("1 0\r0 1");
    Click(WidgetOf("CalculateBtn"));
    ASSERT_TRUE(window->SmatrixFld()->Visible());
    EXPECT_TRUE(window->StructureText()->Visible());

    const std::string before = window->SmatrixFld()->Text();
    Type(WidgetOf("SmatrixFld"), "\t9");
    const std::string after = window->SmatrixFld()->Text();
    EXPECT_EQ(after.size(), before.size() + 2);
    EXPECT_NE(after.find("\t9"), std::string::npos);
}

TEST_F(ControlWndLayoutTest, BothButtonsAreDefaultButtons) {
    for (const char* name : {"ClearBtn", "CalculateBtn"}) {
        auto* button = qobject_cast<QPushButton*>(WidgetOf(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(button->isDefault()) << name;
    }
}

TEST_F(ControlWndLayoutTest, TabMovesThroughTheTabStopsInTabIndexOrder) {
    QWidget* variables = WidgetOf("Nvariables");
    variables->setFocus();
    ASSERT_EQ(FocusOf(*window), variables);
    QTest::keyClick(variables, Qt::Key_Tab);
    EXPECT_EQ(FocusOf(*window), WidgetOf("Nfactors"));
    QTest::keyClick(WidgetOf("Nfactors"), Qt::Key_Tab);
    EXPECT_EQ(FocusOf(*window), WidgetOf("PmatrixFld"));

    // Past the pattern area, where Tab types a tab, the chain goes on by TabIndex; the result
    // area joins it once shown.
    window->SmatrixFld()->SetVisible(true);
    std::vector<std::string> chain;
    QWidget* w = variables;
    do {
        for (const auto& control : window->Controls())
            if (auto rect = std::dynamic_pointer_cast<rt::RectControl>(control);
                rect && rect->Widget() == w && (w->focusPolicy() & Qt::TabFocus))
                chain.push_back(rect->Name());
        w = w->nextInFocusChain();
    } while (w != variables);
    EXPECT_EQ(chain, (std::vector<std::string>{"Nvariables", "Nfactors", "PmatrixFld", "FmatrixFld",
                                               "SmatrixFld"}));
}

} // namespace
