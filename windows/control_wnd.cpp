#include "windows/control_wnd.h"

#include "app/pictures.h"
#include "framework/core/text_functions.h"
#include "framework/lifecycle/runtime.h"
#include "framework/platform/date.h"
#include "framework/platform/msg_box.h"
#include "matrix/matrix.h"
#include "windows/about_wnd.h"
#include "windows/description_wnd.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using K = rt::ControlClass;
using Row = rt::ControlRow<class ControlWnd>;
constexpr rt::Color kWhite = rt::Color::FromRGB(0xFFFFFF);
constexpr rt::Color kBlack = rt::Color::FromRGB(0x000000);

// The result's line end is fixed when the program is built.
#if defined(__APPLE__)
constexpr bool kTargetMacOS = true;
#else
constexpr bool kTargetMacOS = false;
#endif
constexpr const char* kLineEnd = kTargetMacOS ? "\r" : "\r\n";

rt::PropertyList Place(int left, int top, int width, int height, int tabIndex, bool tabStop,
                       bool visible) {
    return {{"Left", left},         {"Top", top},         {"Width", width},    {"Height", height},
            {"TabIndex", tabIndex}, {"TabStop", tabStop}, {"Visible", visible}};
}

rt::PropertyList Font(const char* name, double size, bool bold = false) {
    return {{"FontName", name}, {"FontSize", size}, {"Bold", bold}};
}

rt::PropertyList Content(const char* property, const char* text) {
    return {{property, text}};
}

// What every control of a class shares; the table's rows add what sets each one apart.
rt::PropertyList ClassProperties(K kind) {
    const rt::PropertyList all = {{"Index", std::int64_t{-2147483648LL}},
                                  {"TabPanelIndex", 0},
                                  {"Enabled", true},
                                  {"AllowAutoDeactivate", true},
                                  {"Tooltip", ""},
                                  {"InitialParent", ""},
                                  {"LockRight", false},
                                  {"LockBottom", false}};
    const rt::PropertyList text = {{"Italic", false}, {"Underline", false}, {"FontUnit", 0}};
    const rt::PropertyList data = {{"DataSource", ""}, {"DataField", ""}};
    const rt::PropertyList edit = {
        {"LockLeft", false},   {"LockTop", false},          {"Transparent", true},
        {"HasBorder", true},   {"BackgroundColor", kWhite}, {"TextColor", kBlack},
        {"Bold", false},       {"ReadOnly", false},         {"Format", ""},
        {"ValidationMask", ""}};
    switch (kind) {
    case K::Canvas:
        return all + rt::PropertyList{{"LockLeft", true},       {"LockTop", true},
                                      {"Transparent", true},    {"AllowFocus", false},
                                      {"AllowFocusRing", true}, {"AllowTabs", false},
                                      {"DoubleBuffer", false}};
    case K::TextField:
        return all + edit + text + data +
               rt::PropertyList{{"AllowFocusRing", true},
                                {"AllowTabs", false},
                                {"TextAlignment", 2},
                                {"MaximumCharactersAllowed", 2},
                                {"AllowSpellChecking", false},
                                {"Password", false},
                                {"Hint", ""}};
    case K::TextArea:
        return all + edit + text + data +
               rt::PropertyList{{"AllowFocusRing", false},
                                {"AllowTabs", true},
                                {"TextAlignment", 0},
                                {"MaximumCharactersAllowed", 0},
                                {"AllowSpellChecking", true},
                                {"Multiline", true},
                                {"HasVerticalScrollbar", true},
                                {"HasHorizontalScrollbar", true},
                                {"AllowStyledText", false},
                                {"HideSelection", true},
                                {"LineHeight", 0.0},
                                {"LineSpacing", 1.0}};
    case K::PushButton:
        return all + text + rt::PropertyList{{"LockLeft", false},   {"LockTop", false},
                                             {"Transparent", true}, {"Bold", false},
                                             {"Default", true},     {"Cancel", false},
                                             {"MacButtonStyle", 0}};
    case K::Label:
        return all + text + data + rt::PropertyList{{"LockLeft", false},    {"LockTop", false},
                                                    {"Transparent", false}, {"TextColor", kBlack},
                                                    {"TextAlignment", 0},   {"Multiline", false},
                                                    {"Selectable", false}};
    case K::Timer:
        break;
    }
    return all;
}

// The window's count fields take whole numbers; a value out of range or not a number at all
// counts as out of range.
std::int64_t CountOf(const std::string& text) {
    const double value = rt::Val(text);
    if (!(std::abs(value) < 9.2e18))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

// Digits and the editing keys pass; anything else beeps and stays out of a count field.
bool RefuseCountKey(const std::string& key) {
    const std::int64_t k = rt::Asc(key);
    if ((k > 47 && k < 58) || k == 8 || k == 9 || k == 127 || k == 28 || k == 29)
        return false;
    rt::Beep();
    return true;
}

} // namespace

const std::vector<Row>& ControlWnd::ControlTable() {
    using W = class ControlWnd;
    static const std::vector<Row> rows = {
        {"Canvas1", K::Canvas, Place(-31, -12, 350, 175, 19, false, true), &Stitle},
        {"Nvariables", K::TextField,
         Place(209, 212, 30, 20, 0, true, true) + Content("Value", "") + Font("System", 12),
         nullptr, rt::On("KeyDown", &W::Nvariables_KeyDown)},
        {"Nfactors", K::TextField,
         Place(597, 211, 30, 20, 1, true, true) + Content("Value", "") + Font("System", 12),
         nullptr, rt::On("KeyDown", &W::Nfactors_KeyDown)},
        {"PmatrixFld", K::TextArea,
         Place(20, 262, 185, 225, 3, true, true) + Content("Value", "") + Font("Courier", 10)},
        {"FmatrixFld", K::TextArea,
         Place(238, 262, 150, 225, 4, true, true) + Content("Value", "") + Font("Courier", 10)},
        {"SmatrixFld", K::TextArea,
         Place(425, 262, 205, 225, 5, true, false) + Content("Value", "") + Font("Courier", 10) +
             rt::PropertyList{{"HasHorizontalScrollbar", false}}},
        {"ClearBtn", K::PushButton,
         Place(536, 507, 100, 40, 7, false, true) + Content("Caption", "Clear") +
             Font("System", 14),
         nullptr, rt::On("Action", &W::ClearBtn_Action)},
        {"CalculateBtn", K::PushButton,
         Place(20, 507, 100, 40, 8, false, true) + Content("Caption", "Calculate") +
             Font("System", 14),
         nullptr, rt::On("Action", &W::CalculateBtn_Action)},
        {"StaticText1", K::Label,
         Place(20, 211, 186, 20, 9, false, true) + Content("Value", "Number of variables (4-99):") +
             Font("System", 12, true)},
        {"StaticText3", K::Label,
         Place(20, 244, 186, 19, 10, true, true) + Content("Value", "Pattern Matrix") +
             Font("System", 12)},
        {"StructureText", K::Label,
         Place(425, 239, 189, 30, 11, true, false) + Content("Value", "Structure Matrix") +
             Font("System", 12)},
        {"StaticText4", K::Label,
         Place(238, 244, 159, 19, 12, true, true) + Content("Value", "Factor Correlation Matrix") +
             Font("System", 12)},
        {"StaticText6", K::Label,
         Place(426, 211, 172, 20, 15, true, true) + Content("Value", "Number of factors (2-10):") +
             Font("System", 12, true)},
        {"helpBtn", K::Canvas, Place(286, 500, 48, 48, 20, false, true), &Q,
         rt::On("MouseDown", &W::helpBtn_MouseDown)},
        {"Canvas2", K::Canvas, Place(320, 54, 316, 49, 21, false, true), &by},
    };
    return rows;
}

const rt::ClassDescription& ControlWnd::ClassInfo() {
    return rt::ObtainClass("ControlWnd.ControlWnd", [] {
        using W = class ControlWnd;
        return MenuWindow::DescribeClass<W>(
            "ControlWnd.ControlWnd", ControlTable(),
            {{"AddMenuHandlers", "( Window )", {}},
             {"Event_Close", "()", {}},
             {"Event_Activate", "()", {}},
             {"Event_EnableMenuItems", "()", {}},
             {"DescriptionMenuItem_Action", "() as Boolean", {}},
             {"FileQuit_Action", "() as Boolean", {}},
             {"CloseMenuItem_Action", "() as Boolean", {}},
             {"AboutMenuItem_Action", "() as Boolean", {}},
             {"EditCopy_Action", "() as Boolean", {}}},
            {rt::BindEvent("Activate", &W::Event_Activate),
             rt::BindEvent("AddMenuHandlers", &W::AddMenuHandlers),
             rt::BindEvent("Close", &W::Event_Close),
             rt::BindEvent("CreateControls", &W::CreateControls),
             rt::BindEvent("EnableMenuItems", &W::Event_EnableMenuItems),
             rt::BindEvent("Layout", &W::Layout)});
    });
}

void ControlWnd::Layout() {
    LayOut({.width = 650,
            .height = 560,
            .maximumWidth = 1000,
            .maximumHeight = 1000,
            .title = "Quorvane",
            .hasCloseButton = true});
}

void ControlWnd::CreateControls() {
    CreateControls0();
}

void ControlWnd::CreateControls0() {
    rt::CreateControlsFromTable(*this, ControlTable(), ClassProperties);
}

std::shared_ptr<rt::Canvas> ControlWnd::Canvas1() const {
    return Find<rt::Canvas>("Canvas1");
}
std::shared_ptr<rt::TextField> ControlWnd::Nvariables() const {
    return Find<rt::TextField>("Nvariables");
}
std::shared_ptr<rt::TextField> ControlWnd::Nfactors() const {
    return Find<rt::TextField>("Nfactors");
}
std::shared_ptr<rt::TextArea> ControlWnd::PmatrixFld() const {
    return Find<rt::TextArea>("PmatrixFld");
}
std::shared_ptr<rt::TextArea> ControlWnd::FmatrixFld() const {
    return Find<rt::TextArea>("FmatrixFld");
}
std::shared_ptr<rt::TextArea> ControlWnd::SmatrixFld() const {
    return Find<rt::TextArea>("SmatrixFld");
}
std::shared_ptr<rt::PushButton> ControlWnd::ClearBtn() const {
    return Find<rt::PushButton>("ClearBtn");
}
std::shared_ptr<rt::PushButton> ControlWnd::CalculateBtn() const {
    return Find<rt::PushButton>("CalculateBtn");
}
std::shared_ptr<rt::Label> ControlWnd::StaticText1() const {
    return Find<rt::Label>("StaticText1");
}
std::shared_ptr<rt::Label> ControlWnd::StaticText3() const {
    return Find<rt::Label>("StaticText3");
}
std::shared_ptr<rt::Label> ControlWnd::StructureText() const {
    return Find<rt::Label>("StructureText");
}
std::shared_ptr<rt::Label> ControlWnd::StaticText4() const {
    return Find<rt::Label>("StaticText4");
}
std::shared_ptr<rt::Label> ControlWnd::StaticText6() const {
    return Find<rt::Label>("StaticText6");
}
std::shared_ptr<rt::Canvas> ControlWnd::helpBtn() const {
    return Find<rt::Canvas>("helpBtn");
}
std::shared_ptr<rt::Canvas> ControlWnd::Canvas2() const {
    return Find<rt::Canvas>("Canvas2");
}

void ControlWnd::CalculateBtn_Action(rt::PushButton&) {
    const std::int64_t variables = CountOf(rt::Deref(Nvariables()).Text());
    if (variables < 4 || variables > 99) {
        rt::MsgBox("Variables must range from 4-99");
        return;
    }
    const std::int64_t factors = CountOf(rt::Deref(Nfactors()).Text());
    if (factors < 2 || factors > 10) {
        rt::MsgBox("Factors must range from 2-10");
        return;
    }
    const Matrix p(variables, factors, rt::Deref(PmatrixFld()).Text());
    const Matrix f(factors, factors, rt::Deref(FmatrixFld()).Text());
    static_cast<void>(NumRows(p));
    static_cast<void>(NumColumns(p));
    if (rt::Len(rt::Deref(PmatrixFld()).Text()) == 0) {
        rt::MsgBox("No data in Pattern matrix field");
        return;
    }
    if (rt::Len(rt::Deref(FmatrixFld()).Text()) == 0) {
        rt::MsgBox("No data in factor correlation matrix");
        return;
    }
    const Matrix s = p * f;
    // Every call into the matrix component is done before the first control changes.
    const std::string text = s.Str();
    auto result = SmatrixFld();
    rt::Deref(result).SetText(text);
    result->SetVisible(true);
    rt::Deref(StructureText()).SetVisible(true);
    const rt::Date now;
    const std::string shortDate = now.ShortDate();
    const std::string longTime = now.LongTime();
    result->SetText(result->Text() + kLineEnd + shortDate + "  " + longTime);
}

bool ControlWnd::Nvariables_KeyDown(rt::TextField&, const std::string& key) {
    return RefuseCountKey(key);
}

bool ControlWnd::Nfactors_KeyDown(rt::TextField&, const std::string& key) {
    return RefuseCountKey(key);
}

void ControlWnd::ClearBtn_Action(rt::PushButton&) {
    rt::Deref(Nvariables()).SetText("");
    rt::Deref(Nfactors()).SetText("");
    rt::Deref(Nvariables()).SetFocus();
    rt::Deref(PmatrixFld()).SetText("");
    rt::Deref(FmatrixFld()).SetText("");
    rt::Deref(SmatrixFld()).SetText("");
    rt::Deref(SmatrixFld()).SetVisible(false);
    rt::Deref(StructureText()).SetVisible(false);
}

bool ControlWnd::helpBtn_MouseDown(rt::Canvas&, int, int) {
    rt::Deref(::DescriptionWnd()).Show();
    return false;
}

void ControlWnd::AddMenuHandlers(rt::Window& window) {
    auto& self = dynamic_cast<class ControlWnd&>(window);
    using W = class ControlWnd;
    window.AddMenuHandler("DescriptionMenuItem",
                          rt::BoundMenuHandler(self, &W::DescriptionMenuItem_Action));
    window.AddMenuHandler("FileQuit", rt::BoundMenuHandler(self, &W::FileQuit_Action));
    window.AddMenuHandler("CloseMenuItem", rt::BoundMenuHandler(self, &W::CloseMenuItem_Action));
    window.AddMenuHandler("AboutMenuItem", rt::BoundMenuHandler(self, &W::AboutMenuItem_Action));
    window.AddMenuHandler("EditCopy", rt::BoundMenuHandler(self, &W::EditCopy_Action));
}

void ControlWnd::Event_EnableMenuItems() {
    rt::Deref(ControlMenuItem()).SetEnabled(false);
    rt::Deref(DescriptionMenuItem()).SetEnabled(true);
    rt::Deref(AboutMenuItem()).SetEnabled(true);
    rt::Deref(CloseMenuItem()).SetEnabled(true);
    rt::Deref(EditUndo()).SetEnabled(true);
    rt::Deref(EditCut()).SetEnabled(true);
    rt::Deref(EditCopy()).SetEnabled(true);
    rt::Deref(EditPaste()).SetEnabled(true);
}

// Becoming active, the calculator window puts the About window away.
void ControlWnd::Event_Activate() {
    rt::Deref(::AboutWnd()).Hide();
}

// Closing the calculator window ends the program.
void ControlWnd::Event_Close() {
    rt::Quit(0);
}

bool ControlWnd::DescriptionMenuItem_Action() {
    rt::Deref(::DescriptionWnd()).Show();
    return false;
}

bool ControlWnd::FileQuit_Action() {
    rt::Quit(0);
    return false;
}

bool ControlWnd::CloseMenuItem_Action() {
    rt::Deref(::ControlWnd()).Close();
    return false;
}

bool ControlWnd::AboutMenuItem_Action() {
    rt::Deref(::AboutWnd()).Show();
    return false;
}

// The focused text control copies its own selection before this handler is asked.
bool ControlWnd::EditCopy_Action() {
    return true;
}

std::shared_ptr<class ControlWnd> ControlWnd() {
    return rt::ImplicitWindow<class ControlWnd>();
}
