// Windows: a closed window's properties, and the classes of the framework's widgets.
#include "tests/support/framework_test.h"

#include "framework/controls/canvas.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/windows/window_widget.h"

#include <QLineEdit>
#include <QValidator>
#include <ostream>

namespace {

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

} // namespace
