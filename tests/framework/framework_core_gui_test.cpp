// Values and texts, the main-thread rule, and errors on their way to the report.
#include "tests/support/framework_test.h"

#include "framework/controls/label.h"
#include "framework/controls/push_button.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "framework/core/exception_handling.h"
#include "framework/core/text_functions.h"
#include "framework/lifecycle/application.h"
#include "framework/platform/msg_box.h"

#include <limits>
#include <ostream>
#include <stdexcept>
#include <thread>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// 10^350 written with a negative exponent, and 10^-350 written with a positive one.
const std::string kManyDigits = "1" + std::string(400, '0') + "e-50";
const std::string kManyZeros = "0." + std::string(400, '0') + "1e50";

struct ValCase {
    const char* name;
    std::string text;
    double value;
};

void PrintTo(const ValCase& c, std::ostream* os) {
    *os << c.name;
}

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(rt::Val(GetParam().text), GetParam().value);
}

const ValCase kVals[] = {
    {"Empty", "", 0.0},
    {"Integer", "12", 12.0},
    {"LeadingBlank", " 7", 7.0},
    {"LeadingTab", "\t7", 7.0},
    {"Decimal", "99.9", 99.9},
    {"SmallDecimal", "3.9", 3.9},
    {"Negative", "-5", -5.0},
    {"Plus", "+3", 3.0},
    {"Exponent", "1e3", 1000.0},
    {"ExponentWithoutDigits", "1e", 1.0},
    {"BarePoint", ".5", 0.5},
    {"NegativeBarePoint", "-.5", -0.5},
    {"TrailingPoint", "5.", 5.0},
    {"TrailingLetters", "12abc", 12.0},
    {"Letters", "abc", 0.0},
    {"SignAlone", "-", 0.0},
    // Beyond the range of a double: not finite, so no count can come of it.
    {"Overflow", "1e999", kInfinity},
    {"FractionOverflow", "0.5e999", kInfinity},
    {"LeadingZerosOverflow", "007e400", kInfinity},
    {"ManyDigitsOverflow", kManyDigits, kInfinity},
    {"NegativeOverflow", "-1e999", -kInfinity},
    {"Underflow", "1e-999", 0.0},
    {"FractionUnderflow", "0.000001e-999", 0.0},
    {"ManyZerosUnderflow", kManyZeros, 0.0},
    // Exponents at the limits of a 64-bit integer, and one beyond them.
    {"LargestExponent", "11e9223372036854775807", kInfinity},
    {"LargestExponentWithPlus", "11e+9223372036854775807", kInfinity},
    {"NegativeLargestExponent", "-11e9223372036854775807", -kInfinity},
    {"SmallestExponent", "0.5e-9223372036854775808", 0.0},
    {"NegativeSmallestExponent", "-0.05e-9223372036854775808", -0.0},
    {"ExponentBeyondTheInteger", "0.5e99999999999999999999", kInfinity},
};

INSTANTIATE_TEST_SUITE_P(Texts, ValTest, ::testing::ValuesIn(kVals),
                         [](const auto& info) { return std::string(info.param.name); });

struct CharacterCase {
    const char* name;
    const char* text;
    std::int64_t length;
    std::int64_t firstCode;
};

void PrintTo(const CharacterCase& c, std::ostream* os) {
    *os << c.name;
}

class CharacterTest : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(CharacterTest, LenAndAscCountCharactersNotBytes) {
    EXPECT_EQ(rt::Len(GetParam().text), GetParam().length);
    EXPECT_EQ(rt::Asc(GetParam().text), GetParam().firstCode);
}

const CharacterCase kCharacters[] = {
    {"Empty", "", 0, 0},
    {"Ascii", "Abc", 3, 65},
    {"TwoByteLetters", "\u00e9t\u00e9", 3, 0xE9},
    {"ThreeByteMinusSign", "\u22125", 2, 0x2212},
    {"FourByteSymbol", "\U0001D465+1", 3, 0x1D465},
    {"CarriageReturn", "\r", 1, 13},
    {"InvalidByteCountsAsOne", "\377ab", 3, 0xFF},
    {"CutOffSequence", "a\xE2\x88", 3, 97},
};

INSTANTIATE_TEST_SUITE_P(Texts, CharacterTest, ::testing::ValuesIn(kCharacters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChrTest, EveryCodeComesBackThroughAsc) {
    for (const std::int64_t code : {1, 8, 9, 13, 28, 29, 65, 127, 0x80, 0xE9, 0x7FF, 0x800, 0x2212,
                                    0xFFFD, 0x10000, 0x1D465, 0x10FFFF}) {
        SCOPED_TRACE(code);
        const std::string text = rt::Chr(code);
        EXPECT_EQ(rt::Len(text), 1);
        EXPECT_EQ(rt::Asc(text), code);
    }
    EXPECT_EQ(rt::Chr(-1), "");
    EXPECT_EQ(rt::Chr(0x110000), "");
}

struct LineCase {
    const char* name;
    const char* written;
    int lines;
    const char* read;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class TextModelTest : public FrameworkTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TextModelTest, EachLineEndIsOneLineBreakAndReadsAsCR) {
    area->SetText(GetParam().written);
    EXPECT_EQ(Edit().document()->blockCount(), GetParam().lines);
    EXPECT_EQ(area->Text(), GetParam().read);
}

const LineCase kLines[] = {
    {"CR", "a\rb", 2, "a\rb"},
    {"LF", "a\nb", 2, "a\rb"},
    {"CRLF", "a\r\nb", 2, "a\rb"},
    {"Mixed", "a\r\nb\nc\rd", 4, "a\rb\rc\rd"},
    {"LFThenCRIsTwo", "a\n\rb", 3, "a\r\rb"},
    {"EmptyLineBetween", "a\r\n\r\nb", 3, "a\r\rb"},
    {"TrailingLineEnd", "a\r\n", 2, "a\r"},
    {"NoLineEnd", "a b", 1, "a b"},
};

INSTANTIATE_TEST_SUITE_P(LineEnds, TextModelTest, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkTest, ReturnTypedIntoATextAreaReadsAsCR) {
    Type(area->Widget(), "ab");
    Press(area->Widget(), Qt::Key_Return, "\r");
    Type(area->Widget(), "cd");
    EXPECT_EQ(area->Text(), "ab\rcd");
}

struct ThreadCase {
    const char* name;
    void (*use)(rt::Window& window, rt::TextArea& area, rt::TextField& field);
};

void PrintTo(const ThreadCase& c, std::ostream* os) {
    *os << c.name;
}

class MainThreadTest : public FrameworkTest, public ::testing::WithParamInterface<ThreadCase> {};

TEST_P(MainThreadTest, UIOperationOnAnotherThreadRaisesAndChangesNothing) {
    area->SetText("kept");
    field->SetText("42");
    std::string caught = "nothing";
    std::thread worker([&] {
        try {
            GetParam().use(*window, *area, *field);
        } catch (const rt::ThreadAccessingUIException& e) {
            caught = e.ClassName();
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    worker.join();
    EXPECT_EQ(caught, "ThreadAccessingUIException");
    EXPECT_EQ(area->Text(), "kept");
    EXPECT_EQ(field->Text(), "42");
    EXPECT_EQ(field->Widget()->x(), 0);
    EXPECT_TRUE(area->Visible());
    EXPECT_FALSE(window->IsClosed());
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Controls().size(), 3u);
}

using rt::TextArea, rt::TextField, rt::Window;

const ThreadCase kThreadUses[] = {
    {"SetTextAreaText", [](Window&, TextArea& area, TextField&) { area.SetText("lost"); }},
    {"ReadTextFieldText",
     [](Window&, TextArea&, TextField& field) { static_cast<void>(field.Text()); }},
    {"HideControl", [](Window&, TextArea& area, TextField&) { area.SetVisible(false); }},
    {"SetProperty", [](Window&, TextArea&, TextField& field) { field.SetProperty("Left", 9); }},
    {"HideWindow", [](Window& window, TextArea&, TextField&) { window.Hide(); }},
    {"CloseWindow", [](Window& window, TextArea&, TextField&) { window.Close(); }},
    {"NewControl",
     [](Window& window, TextArea&, TextField&) { static_cast<void>(window.New<rt::Label>()); }},
    {"FindControl", [](Window& window, TextArea&,
                       TextField&) { static_cast<void>(window.ControlByName("Area")); }},
    {"MsgBox", [](Window&, TextArea&, TextField&) { rt::MsgBox("from a thread"); }},
    {"MenuItem",
     [](Window&, TextArea&, TextField&) {
         rt::MenuItem item;
         item.SetEnabled(false);
     }},
};

INSTANTIATE_TEST_SUITE_P(Uses, MainThreadTest, ::testing::ValuesIn(kThreadUses),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    void (*raise)();
    const char* message;
    const char* className;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultReportTest : public FrameworkTest, public ::testing::WithParamInterface<ErrorCase> {
protected:
    void ExpectReport() {
        const std::string report = TakeMessage();
        EXPECT_EQ(report.rfind("Quorvane could not finish what it was doing.", 0), 0u) << report;
        EXPECT_NE(report.find(GetParam().message), std::string::npos) << report;
        EXPECT_NE(report.find(GetParam().className), std::string::npos) << report;
    }
};

TEST_P(DefaultReportTest, ErrorEscapingAHandlerIsReportedOnceAndTheProgramGoesOn) {
    int presses = 0;
    button->BindEvent(
        "Action",
        [&](const rt::EventArgs&) {
            if (++presses == 1)
                GetParam().raise();
            return false;
        },
        "(button as PushButton)", 0);
    Click(button->Widget());
    ExpectReport();
    ExpectNoMessage();
    Click(button->Widget());
    EXPECT_EQ(presses, 2);

    EXPECT_FALSE(rt::Dispatch(GetParam().raise));
    ExpectReport();
    bool ran = false;
    EXPECT_TRUE(rt::Dispatch([&] { ran = true; }));
    EXPECT_TRUE(ran);
}

const ErrorCase kErrors[] = {
    {"RuntimeException", [] { throw rt::RuntimeException("The disk is full."); },
     "The disk is full.", "(RuntimeException)"},
    {"FrameworkError", [] { throw rt::NilObjectException("Nothing there."); }, "Nothing there.",
     "(NilObjectException)"},
    {"StandardError", [] { throw std::runtime_error("Out of paper."); }, "Out of paper.",
     "(std::runtime_error)"},
    {"NotAnException", [] { throw 42; }, "An unknown error occurred.", ""},
};

INSTANTIATE_TEST_SUITE_P(Errors, DefaultReportTest, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

// An application class of its own that answers UnhandledException, True or False as told.
class ErrorHandlingApp : public rt::Application {
public:
    static const rt::ClassDescription& ClassInfo() {
        return DescribeTestClass<rt::Application>(
            "ErrorHandlingApp", {rt::BindEvent("UnhandledException", &ErrorHandlingApp::OnError)});
    }
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    bool OnError(const std::string& description) {
        seen = description;
        return settles;
    }
    bool settles = true;
    std::string seen;
};

TEST_F(FrameworkTest, AnApplicationThatHandlesUnhandledErrorsSeesThemFirst) {
    auto app = std::make_shared<ErrorHandlingApp>();
    rt::RuntimeRegisterAppObject(app);
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("settled by the application"); }));
    EXPECT_NE(app->seen.find("settled by the application"), std::string::npos);

    app->settles = false;
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("left to the report"); }));
    EXPECT_NE(TakeMessage().find("left to the report"), std::string::npos);
}

TEST_F(FrameworkTest, CastKeepsNilAndRefusesAWrongClass) {
    EXPECT_EQ(rt::Cast<rt::TextArea>(window->ControlByName("NoSuchControl")), nullptr);
    EXPECT_EQ(rt::Cast<rt::TextArea>(window->ControlByName("Area")), area);
    EXPECT_EQ(rt::Cast<rt::RectControl>(window->ControlByName("Field")), field);
    EXPECT_THROW(rt::Cast<rt::TextArea>(window->ControlByName("Field")), rt::IllegalCastException);
    EXPECT_THROW(rt::Deref(std::shared_ptr<rt::TextArea>()), rt::NilObjectException);
}

} // namespace
