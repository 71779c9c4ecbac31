#include "tests/support/gui_test.h"

#include "app/menu.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct WindowRow {
    const char* name;
    const char* fullName;
    std::function<std::shared_ptr<MenuWindow>()> open;
};

void PrintTo(const WindowRow& row, std::ostream* os) {
    *os << row.name;
}

class WindowInstanceTest : public GuiTest, public ::testing::WithParamInterface<WindowRow> {
protected:
    static int OpenOfClass(const std::string& fullName) {
        const auto open = rt::OpenWindows();
        return static_cast<int>(std::count_if(
            open.begin(), open.end(), [&](const auto& w) { return w->FullName() == fullName; }));
    }
};

TEST_P(WindowInstanceTest, OpensShownAndTheAccessorKeepsReturningItWithoutSettingUpAgain) {
    const WindowRow& row = GetParam();
    {
        const auto created = row.open();
        ASSERT_NE(created, nullptr);
    }
    // The caller let go of its only reference: the framework holds the window, shown without
    // any Show.
    Settle();
    const auto held = rt::GetImplicitWindow(row.fullName);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(held->Visible());

    const auto controls = held->Controls();
    ASSERT_FALSE(controls.empty());
    const auto again = row.open();
    EXPECT_EQ(again, held);
    EXPECT_EQ(again->Controls(), controls) << "the window was set up a second time";
    EXPECT_EQ(OpenOfClass(row.fullName), 1);
}

TEST_P(WindowInstanceTest, HiddenWindowComesBackHiddenUntilShown) {
    const WindowRow& row = GetParam();
    const auto window = row.open();
    window->Hide();
    const auto again = row.open();
    EXPECT_EQ(again, window);
    EXPECT_FALSE(again->Visible());
    EXPECT_TRUE(again->TopWidget()->isHidden());

    again->Show();
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(OpenOfClass(row.fullName), 1);
}

TEST_P(WindowInstanceTest, AfterCloseTheAccessorMakesANewWindowSetUpAfresh) {
    const WindowRow& row = GetParam();
    const auto old = row.open();
    const auto oldControls = old->Controls();
    old->Close();
    EXPECT_EQ(rt::GetImplicitWindow(row.fullName), nullptr);

    const auto fresh = row.open();
    EXPECT_NE(fresh, old);
    EXPECT_TRUE(fresh->Visible());
    EXPECT_EQ(rt::GetImplicitWindow(row.fullName), fresh);
    EXPECT_EQ(fresh->MenuBar(), ::Menu());
    const auto controls = fresh->Controls();
    EXPECT_EQ(controls.size(), oldControls.size());
    for (const auto& control : controls)
        EXPECT_EQ(std::find(oldControls.begin(), oldControls.end(), control), oldControls.end())
            << control->Name() << " was carried over from the closed window";
    EXPECT_EQ(OpenOfClass(row.fullName), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowInstanceTest,
    ::testing::Values(WindowRow{"Calculator", "ControlWnd.ControlWnd",
                                [] { return rt::Cast<MenuWindow>(::ControlWnd()); }},
                      WindowRow{"Splash", "AboutWnd.AboutWnd",
                                [] { return rt::Cast<MenuWindow>(::AboutWnd()); }},
                      WindowRow{"Help", "DescriptionWnd.DescriptionWnd",
                                [] { return rt::Cast<MenuWindow>(::DescriptionWnd()); }}),
    [](const auto& info) { return std::string(info.param.name); });

class HelpWindowInstanceTest : public GuiTest {};

TEST_F(HelpWindowInstanceTest, ReopenedHelpWindowHasANewTextAreaWithTheHelpTextAndBoldTitle) {
    const auto first = ::DescriptionWnd();
    const auto firstArea = first->DescribeFld2();
    first->Close();

    const auto help = ::DescriptionWnd();
    const auto area = help->DescribeFld2();
    ASSERT_NE(area, nullptr);
    EXPECT_NE(area, firstArea);
    EXPECT_EQ(area->Text(), DescriptionWnd::HelpText());
    const auto titleEnd = static_cast<std::int64_t>(area->Text().find('\r'));
    ASSERT_GT(titleEnd, 0);
    const auto styled = area->StyledText();
    EXPECT_TRUE(styled->IsBold(0));
    EXPECT_TRUE(styled->IsBold(titleEnd - 1));
    EXPECT_FALSE(styled->IsBold(titleEnd + 1));
}

// A window that lays nothing out, so it never installs a menu bar.
class BareWindow : public MenuWindow {};

struct AccessorRow {
    const char* name;
    std::function<std::shared_ptr<rt::MenuItem>(const MenuWindow&)> get;
    const char* className;
    bool topLevel;
};

void PrintTo(const AccessorRow& row, std::ostream* os) {
    *os << row.name;
}

class MenuItemAccessorTest : public GuiTest, public ::testing::WithParamInterface<AccessorRow> {};

TEST_P(MenuItemAccessorTest, FindsItsItemOnTheInstalledBarOfEachWindow) {
    const AccessorRow& row = GetParam();
    const auto bar = ::Menu();
    const std::vector<std::shared_ptr<MenuWindow>> windows = {::ControlWnd(), ::AboutWnd(),
                                                              ::DescriptionWnd()};
    for (const auto& window : windows) {
        const auto item = row.get(*window);
        ASSERT_NE(item, nullptr) << window->FullName();
        EXPECT_EQ(item, bar->Lookup(row.name)) << window->FullName();
        EXPECT_EQ(item->Name(), row.name);
        EXPECT_EQ(item->ClassName(), row.className);
        EXPECT_EQ(bar->Child(row.name), row.topLevel ? item : nullptr);
    }
}

TEST_P(MenuItemAccessorTest, RaisesNilObjectExceptionOnAWindowWithoutABar) {
    const auto bare = std::make_shared<BareWindow>();
    bare->Constructor();
    ASSERT_EQ(bare->MenuBar(), nullptr);
    EXPECT_THROW(GetParam().get(*bare), rt::NilObjectException);
}

INSTANTIATE_TEST_SUITE_P(
    Accessors, MenuItemAccessorTest,
    ::testing::Values(
        AccessorRow{"WindowMenu", [](const MenuWindow& w) { return w.WindowMenu(); }, "MenuItem",
                    true},
        AccessorRow{"DescriptionMenuItem",
                    [](const MenuWindow& w) { return w.DescriptionMenuItem(); }, "MenuItem", false},
        AccessorRow{"AboutMenuItem", [](const MenuWindow& w) { return w.AboutMenuItem(); },
                    "MenuItem", false},
        AccessorRow{"ControlMenuItem", [](const MenuWindow& w) { return w.ControlMenuItem(); },
                    "MenuItem", false},
        AccessorRow{"EditMenu", [](const MenuWindow& w) { return w.EditMenu(); }, "MenuItem", true},
        AccessorRow{"EditPaste", [](const MenuWindow& w) { return w.EditPaste(); }, "MenuItem",
                    false},
        AccessorRow{"EditCopy", [](const MenuWindow& w) { return w.EditCopy(); }, "MenuItem",
                    false},
        AccessorRow{"EditCut", [](const MenuWindow& w) { return w.EditCut(); }, "MenuItem", false},
        AccessorRow{"UntitledMenu1", [](const MenuWindow& w) { return w.UntitledMenu1(); },
                    "MenuItem", false},
        AccessorRow{"EditUndo", [](const MenuWindow& w) { return w.EditUndo(); }, "MenuItem",
                    false},
        AccessorRow{"FileMenu", [](const MenuWindow& w) { return w.FileMenu(); }, "MenuItem", true},
        AccessorRow{"FileQuit", [](const MenuWindow& w) { return w.FileQuit(); }, "QuitMenuItem",
                    false},
        AccessorRow{"CloseMenuItem", [](const MenuWindow& w) { return w.CloseMenuItem(); },
                    "MenuItem", false},
        AccessorRow{"UntitledMenu3", [](const MenuWindow& w) { return w.UntitledMenu3(); },
                    "MenuItem", true}),
    [](const auto& info) { return std::string(info.param.name); });

class MenuItemLookupTest : public GuiTest {};

TEST_F(MenuItemLookupTest, AccessorLooksUpAfreshOnTheBarInstalledNow) {
    const auto bare = std::make_shared<BareWindow>();
    bare->Constructor();
    auto MakeBar = [] {
        auto bar = std::make_shared<rt::MenuBar>();
        auto copy = std::make_shared<rt::MenuItem>();
        copy->SetName("EditCopy");
        bar->AddMenu(copy);
        return bar;
    };
    const auto first = MakeBar();
    bare->SetMenuBar(first);
    EXPECT_EQ(bare->EditCopy(), first->Lookup("EditCopy"));
    EXPECT_EQ(bare->EditCut(), nullptr);

    const auto second = MakeBar();
    bare->SetMenuBar(second);
    EXPECT_EQ(bare->EditCopy(), second->Lookup("EditCopy"));
}

} // namespace
