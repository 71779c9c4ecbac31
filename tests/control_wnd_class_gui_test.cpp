// The calculator window's class: its description, operations and bound events.
#include "tests/support/event_signatures.h"
#include "tests/support/gui_test.h"

#include "app/menu.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

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
