#include "windows/about_wnd.h"

#include "app/pictures.h"
#include "windows/control_wnd.h"

#include <cstdint>

const char* const AboutWnd::kNotice = "Quorvane 2.0 \u00A9 2026 the Quorvane authors";

namespace {
using K = rt::ControlClass;
using Row = rt::ControlRow<class AboutWnd>;
} // namespace

const std::vector<Row>& AboutWnd::ControlTable() {
    using W = class AboutWnd;
    static const std::vector<Row> rows = {
        {"StaticText5",
         K::Label,
         {{"Index", std::int64_t{-2147483648LL}},
          {"Left", 0},
          {"Top", 259},
          {"Width", 399},
          {"Height", 21},
          {"LockLeft", 1},
          {"LockTop", 1},
          {"LockRight", 1},
          {"LockBottom", 1},
          {"TabIndex", 0},
          {"TabPanelIndex", 0},
          {"TabStop", 0},
          {"AllowAutoDeactivate", 1},
          {"Enabled", 1},
          {"Tooltip", ""},
          {"Multiline", 1},
          {"Selectable", 0},
          {"TextAlignment", 2},
          {"TextColor", rt::Color::FromRGB(0x000033CC)},
          {"Transparent", 0},
          {"Value", kNotice},
          {"Visible", 1},
          {"Bold", 0},
          {"Italic", 0},
          {"FontName", "System"},
          {"Underline", 0},
          {"FontSize", 10.0},
          {"FontUnit", 0},
          {"DataSource", ""},
          {"DataField", ""},
          {"InitialParent", ""}}},
        {"Canvas1",
         K::Canvas,
         {{"Index", std::int64_t{-2147483648LL}},
          {"Left", 12},
          {"Top", 38},
          {"Width", 325},
          {"Height", 217},
          {"LockLeft", 1},
          {"LockTop", 1},
          {"LockRight", 0},
          {"LockBottom", 0},
          {"TabIndex", 1},
          {"TabPanelIndex", 0},
          {"TabStop", 0},
          {"AllowAutoDeactivate", 1},
          {"Enabled", 1},
          {"Tooltip", ""},
          {"AllowFocusRing", 1},
          {"Visible", 1},
          {"AllowFocus", 0},
          {"AllowTabs", 0},
          {"Transparent", 1},
          {"DoubleBuffer", 0},
          {"Transparent", 1},
          {"InitialParent", ""}},
         &Stitle},
        {"Timer1",
         K::Timer,
         {{"RunMode", 1}, {"Period", 4000}},
         nullptr,
         rt::On("Action", &W::Timer1_Action)},
    };
    return rows;
}

const rt::ClassDescription& AboutWnd::ClassInfo() {
    return rt::ObtainClass("AboutWnd.AboutWnd", [] {
        using W = class AboutWnd;
        return MenuWindow::DescribeClass<W>(
            "AboutWnd.AboutWnd", ControlTable(),
            {{"Event_KeyDown", "( String ) as Boolean", {}},
             {"Event_MouseDown", "( Integer, Integer ) as Boolean", {}}},
            {rt::BindEvent("CreateControls", &W::CreateControls),
             rt::BindEvent("KeyDown", &W::Event_KeyDown), rt::BindEvent("Layout", &W::Layout),
             rt::BindEvent("MouseDown", &W::Event_MouseDown)});
    });
}

void AboutWnd::Layout() {
    LayOut({.width = 400, .height = 300, .type = 2});
}

void AboutWnd::CreateControls() {
    CreateControls0();
}

void AboutWnd::CreateControls0() {
    rt::CreateControlsFromTable(*this, ControlTable(),
                                [](rt::ControlClass) { return rt::PropertyList{}; });
}

std::shared_ptr<rt::Label> AboutWnd::StaticText5() const {
    return rt::Cast<rt::Label>(ControlByName("StaticText5"));
}
std::shared_ptr<rt::Canvas> AboutWnd::Canvas1() const {
    return rt::Cast<rt::Canvas>(ControlByName("Canvas1"));
}
std::shared_ptr<rt::Timer> AboutWnd::Timer1() const {
    return rt::Cast<rt::Timer>(ControlByName("Timer1"));
}

// The timer, a key and a mouse press all give way the same way, through the accessors.
void AboutWnd::GiveWay() {
    rt::Deref(::AboutWnd()).Hide();
    rt::Deref(::ControlWnd()).Show();
}

void AboutWnd::Timer1_Action(rt::Timer&) {
    GiveWay();
}

bool AboutWnd::Event_KeyDown(const std::string&) {
    GiveWay();
    return false;
}

bool AboutWnd::Event_MouseDown(int, int) {
    GiveWay();
    return false;
}

std::shared_ptr<class AboutWnd> AboutWnd() {
    return rt::ImplicitWindow<class AboutWnd>();
}
