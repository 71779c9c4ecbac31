#include "tests/support/gui_test.h"

#include "app/menu.h"
#include "app/startup.h"
#include "framework/controls/timer.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/platform/platform_hooks.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kTopLevel = {"UntitledMenu3", "FileMenu", "EditMenu", "WindowMenu"};

// Every test starts from a bar built afresh, so nothing a window did to an earlier bar (its
// enabling above all) shows here.
class MenuTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Menu::_implicitInstance.reset();
    }

    // Counts the items made from here on; fails the given one (1-based) when failAt is set.
    void WatchItemConstruction(std::optional<int> failAt = std::nullopt) {
        constructed = 0;
        rt::Hooks().fault = [this, failAt](const std::string& operation) {
            if (operation != "MenuItem.Constructor")
                return;
            if (++constructed == failAt)
                throw rt::RuntimeException("The platform refused a menu item.");
        };
    }

    // The bar holds the four top-level menus with all their entries.
    static void ExpectCompleteTree(const rt::MenuItem& bar) {
        ASSERT_EQ(bar.Count(), 4);
        const int entries[] = {0, 2, 5, 3};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(bar.Item(i)->Name(), kTopLevel[static_cast<std::size_t>(i)]);
            EXPECT_EQ(bar.Item(i)->Count(), entries[i]) << bar.Item(i)->Name();
        }
    }

    int constructed = 0;
};

TEST_F(MenuTest, FourTopLevelMenusHoldFourteenDistinctItemsOnTwoLevels) {
    const auto bar = ::Menu();
    ExpectCompleteTree(*bar);
    std::vector<std::string> names;
    for (int i = 0; i < bar->Count(); ++i) {
        const auto top = bar->Item(i);
        names.push_back(top->Name());
        for (int k = 0; k < top->Count(); ++k) {
            EXPECT_EQ(top->Item(k)->Count(), 0) << top->Item(k)->Name() << " has a submenu";
            names.push_back(top->Item(k)->Name());
        }
    }
    EXPECT_EQ(names.size(), 14u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 14u);
}

TEST_F(MenuTest, SecondCallReturnsTheSameBarAndBuildsNothing) {
    WatchItemConstruction();
    const auto first = ::Menu();
    EXPECT_EQ(constructed, 14);
    constructed = 0;
    const auto second = ::Menu();
    EXPECT_EQ(second, first);
    EXPECT_EQ(Menu::_implicitInstance, first);
    EXPECT_EQ(constructed, 0);
}

TEST_F(MenuTest, DescriptionsRunFromMenuThroughMenuBarToMenuItem) {
    const rt::ClassDescription& item = rt::MenuItem::ClassInfo();
    EXPECT_EQ(item.fullName, "MenuItem");
    EXPECT_EQ(item.base, nullptr);
    const rt::ClassDescription& bar = rt::MenuBar::ClassInfo();
    EXPECT_EQ(bar.fullName, "MenuBar");
    EXPECT_EQ(bar.base, &item);
    EXPECT_EQ(bar.virtualOperations, item.virtualOperations);
    EXPECT_EQ(Menu::ClassInfo().base, &bar);
}

TEST_F(MenuTest, InitialiserListDescribesTheSplashTimer) {
    // Nothing else in this suite describes the timer class, so what is found is the list's.
    ASSERT_EQ(rt::LookupClass(rt::Timer::kClassName), nullptr);
    for (const auto& initializer : Initializers())
        initializer();
    const rt::ClassDescription* timer = rt::LookupClass(rt::Timer::kClassName);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer, &rt::Timer::ClassInfo());
    EXPECT_EQ(timer->fullName, "Timer");
    EXPECT_EQ(rt::ClassBuildCount(rt::Timer::kClassName), 1);
}

TEST_F(MenuTest, DescriptionEndsWithTheFourBuildersAndBindsNoEvent) {
    const rt::ClassDescription& d = Menu::ClassInfo();
    EXPECT_EQ(d.fullName, "Menu.Menu");
    const std::vector<std::string> builders = {"Untitled0", "Untitled1", "Untitled2", "Untitled3"};
    ASSERT_GE(d.virtualOperations.size(), builders.size());
    EXPECT_TRUE(
        std::equal(builders.begin(), builders.end(),
                   d.virtualOperations.end() - static_cast<std::ptrdiff_t>(builders.size())));
    EXPECT_EQ(std::count(d.virtualOperations.begin(), d.virtualOperations.end(), "Constructor"), 1);
    EXPECT_TRUE(d.events.empty());
}

struct ItemRow {
    const char* name;
    const char* className;
    const char* parent; // nullptr: a top-level menu, directly on the bar
    int position;       // 1-based among the parent's children
    const char* caption;
    std::optional<std::string> shortcut; // nullopt: never assigned
    bool autoEnabled;
};

void PrintTo(const ItemRow& row, std::ostream* os) {
    *os << row.name;
}

class MenuItemTest : public MenuTest, public ::testing::WithParamInterface<ItemRow> {};

TEST_P(MenuItemTest, HasItsNameClassCaptionShortcutFlagsAndPlace) {
    const ItemRow& row = GetParam();
    const auto bar = ::Menu();
    const auto item = bar->Lookup(row.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_EQ(item->ClassName(), row.className);
    EXPECT_EQ(std::dynamic_pointer_cast<rt::QuitMenuItem>(item) != nullptr,
              std::string(row.className) == "QuitMenuItem");
    EXPECT_EQ(item->Value(), row.caption);
    EXPECT_EQ(item->Shortcut(), row.shortcut);
    EXPECT_EQ(item->AutoEnabled(), row.autoEnabled);
    EXPECT_TRUE(item->Visible());
    EXPECT_FALSE(item->EnabledAssigned());

    const auto parent = row.parent == nullptr ? bar : bar->Child(row.parent);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->Item(row.position - 1), item);
    // Child looks at the bar's own children only; Lookup went below them.
    EXPECT_EQ(bar->Child(row.name), row.parent == nullptr ? item : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Tree, MenuItemTest,
    ::testing::Values(
        ItemRow{"UntitledMenu3", "MenuItem", nullptr, 1, "", "", false},
        ItemRow{"FileMenu", "MenuItem", nullptr, 2, "File", "", false},
        ItemRow{"CloseMenuItem", "MenuItem", "FileMenu", 1, "Close", "", true},
        ItemRow{"FileQuit", "QuitMenuItem", "FileMenu", 2, "Quit", "Cmd+Q", true},
        ItemRow{"EditMenu", "MenuItem", nullptr, 3, "Edit", "", false},
        ItemRow{"EditUndo", "MenuItem", "EditMenu", 1, "Undo", "Cmd+Z", false},
        ItemRow{"UntitledMenu1", "MenuItem", "EditMenu", 2, "-", std::nullopt, false},
        ItemRow{"EditCut", "MenuItem", "EditMenu", 3, "Cut", "Cmd+X", false},
        ItemRow{"EditCopy", "MenuItem", "EditMenu", 4, "Copy", "Cmd+C", false},
        ItemRow{"EditPaste", "MenuItem", "EditMenu", 5, "Paste", "Cmd+V", false},
        ItemRow{"WindowMenu", "MenuItem", nullptr, 4, "Window", "", false},
        ItemRow{"ControlMenuItem", "MenuItem", "WindowMenu", 1, "Control", "", false},
        ItemRow{"AboutMenuItem", "MenuItem", "WindowMenu", 2, "About Quorvane", "", false},
        ItemRow{"DescriptionMenuItem", "MenuItem", "WindowMenu", 3, "Description", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureRow {
    const char* name;
    int failAt;
};

void PrintTo(const FailureRow& row, std::ostream* os) {
    *os << row.name;
}

class MenuBuildFailureTest : public MenuTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(MenuBuildFailureTest, LeavesNoBarAndTheNextCallBuildsTheWholeTree) {
    WatchItemConstruction(GetParam().failAt);
    EXPECT_THROW(::Menu(), rt::RuntimeException);
    EXPECT_EQ(constructed, GetParam().failAt) << "the build went on after the failure";
    EXPECT_EQ(Menu::_implicitInstance, nullptr);

    WatchItemConstruction();
    const auto bar = ::Menu();
    EXPECT_EQ(constructed, 14);
    EXPECT_EQ(Menu::_implicitInstance, bar);
    ExpectCompleteTree(*bar);
}

INSTANTIATE_TEST_SUITE_P(Build, MenuBuildFailureTest,
                         ::testing::Values(FailureRow{"AtTheFirstItem", 1},
                                           FailureRow{"AtEditUndo", 6},
                                           FailureRow{"AtTheLastItem", 14}),
                         [](const auto& info) { return std::string(info.param.name); });

rt::MenuBarView* ViewOf(rt::Window& window) {
    auto* top = qobject_cast<QMainWindow*>(window.TopWidget());
    return top ? dynamic_cast<rt::MenuBarView*>(top->menuWidget()) : nullptr;
}

TEST_F(MenuTest, FailedBuildInAWindowsLayoutIsReportedOnceAndLeavesNoWindowBehind) {
    // The splash is there first, as in the program, so the calculator's activation makes none.
    const auto splash = ::AboutWnd();
    const auto calculator = ::ControlWnd();
    const auto topLevels = QApplication::topLevelWidgets().size();
    Menu::_implicitInstance.reset();
    WatchItemConstruction(3);
    Click(calculator->helpBtn()->Widget());
    const std::string report = TakeMessage();
    EXPECT_NE(report.find("The platform refused a menu item."), std::string::npos) << report;
    ExpectNoMessage();
    EXPECT_EQ(Menu::_implicitInstance, nullptr);
    EXPECT_EQ(rt::GetImplicitWindow(DescriptionWnd::ClassInfo().fullName), nullptr);
    EXPECT_EQ(rt::OpenWindows().size(), 2u);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels) << "a half-built window is left";

    WatchItemConstruction();
    Click(calculator->helpBtn()->Widget());
    const auto help = rt::GetImplicitWindow(DescriptionWnd::ClassInfo().fullName);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(help->TopWidget()->windowTitle(), "Description");
    ASSERT_NE(help->MenuBar(), nullptr);
    EXPECT_EQ(help->MenuBar(), Menu::_implicitInstance);
    ExpectCompleteTree(*help->MenuBar());
    ASSERT_NE(ViewOf(*help), nullptr);
    EXPECT_EQ(ViewOf(*help)->actions().size(), 3);
}

struct Shown {
    const char* caption; // "-": a separator
    const char* shortcut;
};

const std::vector<std::pair<QString, std::vector<Shown>>>& ShownMenus() {
    static const std::vector<std::pair<QString, std::vector<Shown>>> menus = {
        {"File", {{"Close", ""}, {"Quit", "Ctrl+Q"}}},
        {"Edit",
         {{"Undo", "Ctrl+Z"},
          {"-", ""},
          {"Cut", "Ctrl+X"},
          {"Copy", "Ctrl+C"},
          {"Paste", "Ctrl+V"}}},
        {"Window", {{"Control", ""}, {"About Quorvane", ""}, {"Description", ""}}}};
    return menus;
}

struct WindowRow {
    const char* name;
    std::function<std::shared_ptr<rt::Window>()> open;
};

void PrintTo(const WindowRow& row, std::ostream* os) {
    *os << row.name;
}

class MenuViewTest : public MenuTest, public ::testing::WithParamInterface<WindowRow> {};

TEST_P(MenuViewTest, ShowsFileEditAndWindowWithCaptionsAndShortcuts) {
    const auto window = GetParam().open();
    EXPECT_EQ(window->MenuBar(), ::Menu());
    rt::MenuBarView* view = ViewOf(*window);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isHidden());

    const auto menus = view->actions();
    ASSERT_EQ(menus.size(), 3) << "the empty first menu is not drawn";
    for (qsizetype i = 0; i < menus.size(); ++i) {
        const auto& [title, entries] = ShownMenus()[static_cast<std::size_t>(i)];
        EXPECT_EQ(menus[i]->text(), title);
        ASSERT_NE(menus[i]->menu(), nullptr);
        const auto shown = menus[i]->menu()->actions();
        ASSERT_EQ(shown.size(), static_cast<qsizetype>(entries.size())) << title.toStdString();
        for (qsizetype k = 0; k < shown.size(); ++k) {
            const Shown& expected = entries[static_cast<std::size_t>(k)];
            if (std::string(expected.caption) == "-") {
                EXPECT_TRUE(shown[k]->isSeparator());
                continue;
            }
            EXPECT_EQ(shown[k]->text(), expected.caption);
            EXPECT_EQ(shown[k]->shortcut(), QKeySequence(expected.shortcut)) << expected.caption;
        }
    }
    EXPECT_EQ(view->ActionFor("FileQuit"), menus[0]->menu()->actions()[1]);
    EXPECT_EQ(view->ActionFor("EditCopy"), menus[1]->menu()->actions()[3]);
    EXPECT_EQ(view->ActionFor("DescriptionMenuItem"), menus[2]->menu()->actions()[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, MenuViewTest,
    ::testing::Values(WindowRow{"Calculator", [] { return rt::Cast<rt::Window>(::ControlWnd()); }},
                      WindowRow{"Splash", [] { return rt::Cast<rt::Window>(::AboutWnd()); }},
                      WindowRow{"Help", [] { return rt::Cast<rt::Window>(::DescriptionWnd()); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, AllWindowsInstallTheOneBarAndAReopenedHelpWindowAddsNothing) {
    WatchItemConstruction();
    const auto splash = ::AboutWnd();
    const auto calculator = ::ControlWnd();
    auto help = ::DescriptionWnd();
    const auto bar = ::Menu();
    EXPECT_EQ(splash->MenuBar(), bar);
    EXPECT_EQ(calculator->MenuBar(), bar);
    EXPECT_EQ(help->MenuBar(), bar);

    help->Close();
    help = ::DescriptionWnd();
    EXPECT_EQ(help->MenuBar(), bar);
    EXPECT_EQ(constructed, 14);
    ExpectCompleteTree(*bar);
    ASSERT_NE(ViewOf(*help), nullptr);
    EXPECT_EQ(ViewOf(*help)->actions().size(), 3);
}

} // namespace
