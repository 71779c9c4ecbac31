#include "tests/support/gui_test.h"

#include "app/menu.h"
#include "app/pictures.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

class ControlWndLayoutTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = ::ControlWnd();
    }

    QWidget* WidgetOf(const std::string& name) const {
        const auto control = rt::Cast<rt::RectControl>(window->ControlByName(name));
        return control ? control->Widget() : nullptr;
    }

    // The control that has the window's keyboard focus, whether or not the window is active.
    static QWidget* FocusOf(const rt::Window& w) { return w.TopWidget()->focusWidget(); }

    std::shared_ptr<class ControlWnd> window;
};

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

constexpr const char* kKey = "( TextField, String ) as Boolean";
constexpr const char* kPress = "( PushButton )";
constexpr const char* kMouse = "( Canvas, Integer, Integer ) as Boolean";

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

struct DescribedClass {
    const char* name;
    const char* fullName;
    const rt::ClassDescription& (*info)();
    std::function<void()> open;
};

void PrintTo(const DescribedClass& row, std::ostream* os) {
    *os << row.name;
}

class ClassDescriptionTest : public GuiTest,
                             public ::testing::WithParamInterface<DescribedClass> {};

TEST_P(ClassDescriptionTest, IsBuiltOnceForTheWholeRun) {
    const DescribedClass& row = GetParam();
    const rt::ClassDescription& first = row.info();
    row.open();
    row.open();
    EXPECT_EQ(&row.info(), &first);
    EXPECT_EQ(rt::LookupClass(row.fullName), &first);
    EXPECT_EQ(first.fullName, row.fullName);
    EXPECT_EQ(rt::ClassBuildCount(row.fullName), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ClassDescriptionTest,
    ::testing::Values(
        DescribedClass{"Menu", "Menu.Menu", &Menu::ClassInfo, [] { ::Menu(); }},
        DescribedClass{"ControlWnd", "ControlWnd.ControlWnd", &ControlWnd::ClassInfo,
                       [] { ::ControlWnd(); }},
        DescribedClass{"AboutWnd", "AboutWnd.AboutWnd", &AboutWnd::ClassInfo, [] { ::AboutWnd(); }},
        DescribedClass{"DescriptionWnd", "DescriptionWnd.DescriptionWnd",
                       &DescriptionWnd::ClassInfo, [] { rt::Deref(::DescriptionWnd()).Close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

class ControlWndClassTest : public GuiTest {
protected:
    const rt::ClassDescription& d = ControlWnd::ClassInfo();
};

TEST_F(ControlWndClassTest, VirtualOperationsAreWindowsFollowedByTheClassOwnInOrder) {
    ASSERT_EQ(d.base, &rt::Window::ClassInfo());
    std::vector<std::string> expected = rt::Window::ClassInfo().virtualOperations;
    for (const char* name : {"Layout",
                             "CreateControls",
                             "CreateControls0",
                             "Canvas1",
                             "Nvariables",
                             "Nfactors",
                             "PmatrixFld",
                             "FmatrixFld",
                             "SmatrixFld",
                             "ClearBtn",
                             "CalculateBtn",
                             "StaticText1",
                             "StaticText3",
                             "StructureText",
                             "StaticText4",
                             "StaticText6",
                             "helpBtn",
                             "Canvas2",
                             "Nvariables_KeyDown",
                             "Nfactors_KeyDown",
                             "ClearBtn_Action",
                             "CalculateBtn_Action",
                             "helpBtn_MouseDown",
                             "WindowMenu",
                             "DescriptionMenuItem",
                             "AboutMenuItem",
                             "ControlMenuItem",
                             "EditMenu",
                             "EditPaste",
                             "EditCopy",
                             "EditCut",
                             "UntitledMenu1",
                             "EditUndo",
                             "FileMenu",
                             "FileQuit",
                             "CloseMenuItem",
                             "UntitledMenu3",
                             "AddMenuHandlers",
                             "Event_Close",
                             "Event_Activate",
                             "Event_EnableMenuItems",
                             "DescriptionMenuItem_Action",
                             "FileQuit_Action",
                             "CloseMenuItem_Action",
                             "AboutMenuItem_Action",
                             "EditCopy_Action"})
        expected.push_back(name);
    EXPECT_EQ(d.virtualOperations, expected);
}

TEST_F(ControlWndClassTest,
       PublishesEveryOperationThenIsEventImplementedAndHidesOnlyCreateControls0) {
    std::vector<std::string> published;
    for (const auto& m : d.methods) {
        published.push_back(m.name);
        const std::vector<std::string> attributes = m.name == "CreateControls0"
                                                        ? std::vector<std::string>{"Hidden"}
                                                        : std::vector<std::string>{};
        EXPECT_EQ(m.attributes, attributes) << m.name;
    }
    std::vector<std::string> expected = d.virtualOperations;
    expected.push_back("IsEventImplemented");
    EXPECT_EQ(published, expected);

    const auto signature = [&](const std::string& name) {
        const auto it = std::find_if(d.methods.begin(), d.methods.end(),
                                     [&](const auto& m) { return m.name == name; });
        return it == d.methods.end() ? std::string("(none)") : it->signature;
    };
    EXPECT_EQ(signature("IsEventImplemented"), "( String ) as Boolean");
    EXPECT_EQ(signature("Nvariables_KeyDown"), kKey);
    EXPECT_EQ(signature("CalculateBtn_Action"), kPress);
    EXPECT_EQ(signature("helpBtn_MouseDown"), kMouse);
    EXPECT_EQ(signature("FileQuit"), "() as QuitMenuItem");
    EXPECT_EQ(signature("SmatrixFld"), "() as TextArea");
}

TEST_F(ControlWndClassTest, BindsExactlyTheSixWindowEvents) {
    std::vector<std::string> events;
    for (const auto& binding : d.events)
        events.push_back(binding.event);
    std::sort(events.begin(), events.end());
    EXPECT_EQ(events, (std::vector<std::string>{"Activate", "AddMenuHandlers", "Close",
                                                "CreateControls", "EnableMenuItems", "Layout"}));
}

struct EventRow {
    const char* name;
    bool implemented;
};

void PrintTo(const EventRow& row, std::ostream* os) {
    *os << row.name;
}

class ControlWndEventTest : public GuiTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(ControlWndEventTest, IsEventImplementedAnswersFromTheBoundEvents) {
    const auto window = ::ControlWnd();
    const EventRow& row = GetParam();
    EXPECT_EQ(window->IsEventImplemented(row.name), row.implemented);
    EXPECT_EQ(rt::RuntimeIsEventHandled(*window, "ControlWnd.ControlWnd", row.name, true),
              row.implemented);
    if (!row.implemented) {
        EXPECT_FALSE(window->RaiseEvent(row.name));
        EXPECT_TRUE(window->Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Events, ControlWndEventTest,
    ::testing::Values(EventRow{"Activate", true}, EventRow{"AddMenuHandlers", true},
                      EventRow{"Close", true}, EventRow{"CreateControls", true},
                      EventRow{"EnableMenuItems", true}, EventRow{"Layout", true},
                      EventRow{"Open", false}, EventRow{"KeyDown", false},
                      EventRow{"MouseDown", false}, EventRow{"Deactivate", false},
                      EventRow{"Resized", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
