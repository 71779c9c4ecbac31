#include "windows/description_wnd.h"

#include "framework/core/text_functions.h"
#include "framework/platform/picture.h"
#include "windows/control_wnd.h"

#include <algorithm>
#include <cstdint>

namespace {
using K = rt::ControlClass;
using Row = rt::ControlRow<class DescriptionWnd>;
constexpr rt::Color kWhite = rt::Color::FromRGB(0x00FFFFFF);
} // namespace

const std::string& DescriptionWnd::HelpText() {
    // The resource keeps ordinary line ends so it can be edited as a text file.
    static const std::string text = [] {
        std::string t = rt::ResourceText("help.txt");
        std::replace(t.begin(), t.end(), '\n', '\r');
        return t;
    }();
    return text;
}

const std::vector<Row>& DescriptionWnd::ControlTable() {
    using W = class DescriptionWnd;
    static const std::vector<Row> rows = {
        {"DescribeFld2",
         K::TextArea,
         {{"Index", std::int64_t{-2147483648LL}},
          {"Left", -1},
          {"Top", -1},
          {"Width", 452},
          {"Height", 485},
          {"LockLeft", true},
          {"LockTop", true},
          {"LockRight", true},
          {"LockBottom", true},
          {"TabIndex", 0},
          {"TabPanelIndex", 0},
          {"TabStop", false},
          {"AllowAutoDeactivate", true},
          {"BackgroundColor", kWhite},
          {"HasBorder", true},
          {"Enabled", true},
          {"Format", ""},
          {"Tooltip", ""},
          {"HideSelection", true},
          {"LineHeight", 0.0},
          {"LineSpacing", 1.0},
          {"Multiline", true},
          {"HasHorizontalScrollbar", false},
          {"HasVerticalScrollbar", true},
          {"AllowStyledText", true},
          {"TextColor", rt::Color::FromRGB(0x000000)},
          {"Transparent", true},
          {"AllowFocusRing", false},
          {"Visible", true},
          {"Bold", false},
          {"Italic", false},
          {"FontName", "System"},
          {"FontSize", 12.0},
          {"FontUnit", 0},
          {"Underline", false},
          {"Value", HelpText()},
          {"AllowTabs", false},
          {"TextAlignment", 1},
          {"AllowSpellChecking", false},
          {"MaximumCharactersAllowed", 0},
          {"ValidationMask", ""},
          {"ReadOnly", true},
          {"DataSource", ""},
          {"DataField", ""},
          {"InitialParent", ""}},
         nullptr,
         rt::On("Open", &W::DescribeFld2_Open)},
    };
    return rows;
}

const rt::ClassDescription& DescriptionWnd::ClassInfo() {
    return rt::ObtainClass("DescriptionWnd.DescriptionWnd", [] {
        using W = class DescriptionWnd;
        return MenuWindow::DescribeClass<W>(
            "DescriptionWnd.DescriptionWnd", ControlTable(),
            {{"AddMenuHandlers", "( Window )", {}},
             {"Event_EnableMenuItems", "()", {}},
             {"ControlMenuItem_Action", "() as Boolean", {}},
             {"CloseMenuItem_Action", "() as Boolean", {}}},
            {rt::BindEvent("AddMenuHandlers", &W::AddMenuHandlers),
             rt::BindEvent("CreateControls", &W::CreateControls),
             rt::BindEvent("EnableMenuItems", &W::Event_EnableMenuItems),
             rt::BindEvent("Layout", &W::Layout)});
    });
}

void DescriptionWnd::Layout() {
    LayOut({.width = 450,
            .height = 500,
            .title = "Description",
            .hasCloseButton = true,
            .hasMinimizeButton = true,
            .resizeable = true,
            .hasBackgroundColor = false});
}

void DescriptionWnd::CreateControls() {
    CreateControls0();
}

void DescriptionWnd::CreateControls0() {
    rt::CreateControlsFromTable(*this, ControlTable(),
                                [](rt::ControlClass) { return rt::PropertyList{}; });
}

std::shared_ptr<rt::TextArea> DescriptionWnd::DescribeFld2() const {
    return rt::Cast<rt::TextArea>(ControlByName("DescribeFld2"));
}

// The title is the text's first line; only its characters turn bold.
void DescriptionWnd::DescribeFld2_Open(rt::TextArea&) {
    const std::string& text = HelpText();
    const auto titleLength = rt::Len(text.substr(0, text.find('\r')));
    rt::Deref(rt::Deref(DescribeFld2()).StyledText()).Bold(0, titleLength, true);
}

void DescriptionWnd::AddMenuHandlers(rt::Window& window) {
    auto& self = dynamic_cast<class DescriptionWnd&>(window);
    using W = class DescriptionWnd;
    window.AddMenuHandler("ControlMenuItem",
                          rt::BoundMenuHandler(self, &W::ControlMenuItem_Action));
    window.AddMenuHandler("CloseMenuItem", rt::BoundMenuHandler(self, &W::CloseMenuItem_Action));
}

void DescriptionWnd::Event_EnableMenuItems() {
    rt::Deref(ControlMenuItem()).SetEnabled(true);
    rt::Deref(CloseMenuItem()).SetEnabled(true);
    rt::Deref(EditCopy()).SetEnabled(true);
}

bool DescriptionWnd::ControlMenuItem_Action() {
    rt::Deref(::ControlWnd()).Show();
    return false;
}

bool DescriptionWnd::CloseMenuItem_Action() {
    rt::Deref(::DescriptionWnd()).Close();
    return false;
}

std::shared_ptr<class DescriptionWnd> DescriptionWnd() {
    return rt::ImplicitWindow<class DescriptionWnd>();
}
