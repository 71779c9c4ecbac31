#include "tests/support/gui_test.h"

#include "framework/platform/date.h"
#include "framework/platform/platform_hooks.h"
#include "matrix/matrix.h"
#include "windows/control_wnd.h"

#include <algorithm>
#include <ostream>
#include <utility>

namespace {

const char* const kPattern = ".80 .00\r.60 .00\r.40 .30\r.40 .50\r.00 .70\r.00 .60";
const char* const kCorrelations = "1.00 .50\r.50 1.00";
const char* const kStructure = "0.8\t0.4\r0.6\t0.3\r0.55\t0.5\r0.65\t0.7\r0.35\t0.7\r0.3\t0.6";

// What the result field ends in: one line break, the short date, two spaces, the long time.
std::string Stamp() {
    const rt::Date now;
    return "\r" + now.ShortDate() + "  " + now.LongTime();
}

// A rows x columns matrix in the component's own text layout, so that with the identity as F
// the result's matrix part must equal it.
std::string PatternText(int rows, int columns) {
    static const char* const kEntries[] = {"0.5", "-0.25", "0.125", "0.75", "-0.5"};
    std::string text;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            text += kEntries[(row * columns + column) % 5];
            text += column + 1 < columns ? "\t" : "";
        }
        text += row + 1 < rows ? "\r" : "";
    }
    return text;
}

std::string IdentityText(int size) {
    std::string text;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column)
            text += std::string(column > 0 ? " " : "") + (row == column ? "1" : "0");
        text += row + 1 < size ? "\r" : "";
    }
    return text;
}

// Everything a calculation may change, as the user sees it.
struct Screen {
    std::string variables, factors, pattern, correlations, structure;
    bool structureShown = false;
    bool labelShown = false;
    friend bool operator==(const Screen&, const Screen&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Screen& s) {
        return out << "{" << s.variables << " | " << s.factors << " | " << s.pattern << " | "
                   << s.correlations << " | " << s.structure << " | shown " << s.structureShown
                   << "/" << s.labelShown << "}";
    }
};

class CalculationTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        w = ::ControlWnd();
    }

    // Counts of at most two digits are typed; any other text cannot be typed into a count
    // field, so it is put there whole.
    void EnterCount(rt::TextField& field, const std::string& text) {
        field.SetText("");
        const bool typeable = text.size() <= 2 && std::all_of(text.begin(), text.end(), [](char c) {
                                  return c >= '0' && c <= '9';
                              });
        if (typeable)
            Type(field.Widget(), QString::fromStdString(text));
        else
            field.SetText(text);
        ASSERT_EQ(field.Text(), text);
    }

    void Enter(const std::string& variables, const std::string& factors, const std::string& pattern,
               const std::string& correlations) {
        EnterCount(*w->Nvariables(), variables);
        EnterCount(*w->Nfactors(), factors);
        w->PmatrixFld()->SetText(pattern);
        w->FmatrixFld()->SetText(correlations);
    }

    void Calculate() { Click(w->CalculateBtn()->Widget()); }

    void CalculateWorkedExample() {
        Enter("6", "2", kPattern, kCorrelations);
        Calculate();
        ASSERT_EQ(w->SmatrixFld()->Text(), kStructure + Stamp());
    }

    Screen Shown() const {
        return {w->Nvariables()->Text(),      w->Nfactors()->Text(),   w->PmatrixFld()->Text(),
                w->FmatrixFld()->Text(),      w->SmatrixFld()->Text(), w->SmatrixFld()->Visible(),
                w->StructureText()->Visible()};
    }

    // A later moment, so that a stamp written again would differ from the one shown.
    static void AdvanceClock() {
        rt::Hooks().now = [] {
            return FixedNow() + std::chrono::hours(26) + std::chrono::minutes(7);
        };
    }

    std::shared_ptr<class ControlWnd> w;
};

struct SpellingCase {
    const char* name;
    const char* pattern;
    const char* correlations;
};

void PrintTo(const SpellingCase& c, std::ostream* os) {
    *os << c.name;
}

class WorkedExampleTest : public CalculationTest,
                          public ::testing::WithParamInterface<SpellingCase> {};

TEST_P(WorkedExampleTest, ShowsStructureMatrixThenOneStamp) {
    const SpellingCase& c = GetParam();
    ASSERT_FALSE(w->SmatrixFld()->Visible());
    ASSERT_FALSE(w->StructureText()->Visible());
    Enter("6", "2", c.pattern, c.correlations);
    Calculate();
    EXPECT_EQ(w->SmatrixFld()->Text(), kStructure + Stamp());
    EXPECT_TRUE(w->SmatrixFld()->Visible());
    EXPECT_TRUE(w->StructureText()->Visible());
}

const SpellingCase kSpellings[] = {
    {"Spaces", kPattern, kCorrelations},
    {"Tabs", ".80\t.00\r.60\t.00\r.40\t.30\r.40\t.50\r.00\t.70\r.00\t.60", "1.00\t.50\r.50\t1.00"},
    // As a spreadsheet copies cells: tabs, CR LF after every row including the last.
    {"PastedCells",
     "0.80\t0.00\r\n0.60\t0.00\r\n0.40\t0.30\r\n0.40\t0.50\r\n0.00\t0.70\r\n0.00\t0.60\r\n",
     "1\t0.5\r\n0.5\t1\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Spellings, WorkedExampleTest, ::testing::ValuesIn(kSpellings),
                         [](const auto& info) { return std::string(info.param.name); });

struct CountCase {
    const char* name;
    const char* variables;
    const char* factors;
    // The size of matrices that fit the counts as the program reads them, so that only the
    // range check can stop the calculation.
    int rows;
    int columns;
    const char* message; // nullptr: the calculation goes through
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.name;
}

class CountCheckTest : public CalculationTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountCheckTest, CountsInTheirRangePassOthersStopWithTheFirstMessage) {
    const CountCase& c = GetParam();
    const std::string pattern = PatternText(c.rows, c.columns);
    Enter(c.variables, c.factors, pattern, IdentityText(c.columns));
    const Screen before = Shown();
    Calculate();
    if (c.message != nullptr) {
        ExpectMessage(c.message);
        EXPECT_EQ(Shown(), before);
    } else {
        EXPECT_EQ(w->SmatrixFld()->Text(), pattern + Stamp());
        EXPECT_TRUE(w->SmatrixFld()->Visible());
        EXPECT_TRUE(w->StructureText()->Visible());
    }
}

const char* const kVariablesMessage = "Variables must range from 4-99";
const char* const kFactorsMessage = "Factors must range from 2-10";

const CountCase kCounts[] = {
    {"FewestVariables", "4", "2", 4, 2, nullptr},
    {"MostVariables", "99", "2", 99, 2, nullptr},
    {"TooFewVariables", "3", "2", 3, 2, kVariablesMessage},
    {"TooManyVariables", "100", "2", 100, 2, kVariablesMessage},
    {"FewestFactors", "6", "2", 6, 2, nullptr},
    {"MostFactors", "6", "10", 6, 10, nullptr},
    {"TooFewFactors", "6", "1", 6, 1, kFactorsMessage},
    {"TooManyFactors", "6", "11", 6, 11, kFactorsMessage},
    {"BothWrongShowsVariablesOnly", "3", "12", 3, 12, kVariablesMessage},
    {"FractionDroppedPasses", "99.9", "10.5", 99, 10, nullptr},
    {"FractionDroppedFails", "3.9", "2", 3, 2, kVariablesMessage},
    {"FactorFractionDroppedFails", "6", "1.9", 6, 1, kFactorsMessage},
    {"NegativeVariables", "-5", "2", 6, 2, kVariablesMessage},
    {"EmptyVariables", "", "2", 6, 2, kVariablesMessage},
    {"EmptyFactors", "6", "", 6, 2, kFactorsMessage},
    {"VariablesNotFinite", "1e999", "2", 6, 2, kVariablesMessage},
    {"VariablesBeyondInt64", "1e19", "2", 6, 2, kVariablesMessage},
    {"FactorsBeyondInt64", "6", "-1e19", 6, 2, kFactorsMessage},
};

INSTANTIATE_TEST_SUITE_P(Counts, CountCheckTest, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculationTest, SecondCalculationReplacesResultAndStamp) {
    ASSERT_NO_FATAL_FAILURE(CalculateWorkedExample());
    AdvanceClock();
    w->PmatrixFld()->SetText("1 0\r0 1\r1 1\r0 0\r2 0\r0 2");
    Calculate();
    EXPECT_EQ(w->SmatrixFld()->Text(), "1\t0.5\r0.5\t1\r1.5\t1.5\r0\t0\r2\t1\r1\t2" + Stamp());
}

struct StopCase {
    const char* name;
    const char* variables;
    const char* factors;
    const char* pattern;
    const char* correlations;
    const char* message;
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.name;
}

class StopAfterSuccessTest : public CalculationTest,
                             public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopAfterSuccessTest, LeavesEveryFieldAndTheEarlierResultAsTheyWere) {
    const StopCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(CalculateWorkedExample());
    Enter(c.variables, c.factors, c.pattern, c.correlations);
    AdvanceClock();
    const Screen before = Shown();
    ASSERT_TRUE(before.structureShown && before.labelShown);
    Calculate();
    ExpectMessage(c.message);
    EXPECT_EQ(Shown(), before);
}

const StopCase kStops[] = {
    {"Variables", "3", "2", kPattern, kCorrelations, kVariablesMessage},
    {"Factors", "6", "11", kPattern, kCorrelations, kFactorsMessage},
    {"PatternEmpty", "6", "2", "", kCorrelations, "No data in Pattern matrix field"},
    {"CorrelationsEmpty", "6", "2", kPattern, "", "No data in factor correlation matrix"},
    {"BothMatricesEmptyShowsPatternOnly", "6", "2", "", "", "No data in Pattern matrix field"},
};

INSTANTIATE_TEST_SUITE_P(Stops, StopAfterSuccessTest, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

struct ComponentErrorCase {
    const char* name;
    const char* pattern;
    const char* correlations;
};

void PrintTo(const ComponentErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ComponentErrorTest : public CalculationTest,
                           public ::testing::WithParamInterface<ComponentErrorCase> {};

// The component's own error for a text, read straight from it: "message" and "(ClassName)".
std::pair<std::string, std::string> ComponentError(const std::string& pattern,
                                                   const std::string& correlations) {
    try {
        const Matrix p(6, 2, pattern);
        const Matrix f(2, 2, correlations);
        static_cast<void>(p * f);
    } catch (const rt::RuntimeException& e) {
        return {e.what(), "(" + e.ClassName() + ")"};
    }
    return {};
}

TEST_P(ComponentErrorTest, ReachesTheDefaultReportAndChangesNothing) {
    const ComponentErrorCase& c = GetParam();
    const auto [message, className] = ComponentError(c.pattern, c.correlations);
    ASSERT_FALSE(message.empty()) << "the component accepted the text";

    ASSERT_NO_FATAL_FAILURE(CalculateWorkedExample());
    Enter("6", "2", c.pattern, c.correlations);
    AdvanceClock();
    const Screen before = Shown();
    Calculate();
    const std::string report = TakeMessage();
    EXPECT_EQ(report.rfind("Quorvane could not finish what it was doing.", 0), 0u) << report;
    EXPECT_NE(report.find(message), std::string::npos) << report;
    EXPECT_NE(report.find(className), std::string::npos) << report;
    EXPECT_EQ(Shown(), before);

    // The program goes on: the user mends the text and calculates again.
    Enter("6", "2", kPattern, kCorrelations);
    Calculate();
    EXPECT_EQ(w->SmatrixFld()->Text(), kStructure + Stamp());
}

const ComponentErrorCase kComponentErrors[] = {
    {"PatternTooFewRows", ".80 .00\r.60 .00\r.40 .30\r.40 .50\r.00 .70", kCorrelations},
    {"PatternWordAmongNumbers", ".80 .00\r.60 none\r.40 .30\r.40 .50\r.00 .70\r.00 .60",
     kCorrelations},
    {"PatternOnlyBlanks", "  \t ", kCorrelations},
    // A line end alone is text, not an empty field: the component, not the program, objects.
    {"PatternOnlyLineEnd", "\r", kCorrelations},
    {"CorrelationsRowTooLong", kPattern, "1.00 .50 .20\r.50 1.00"},
    // The texts reach the component before the empty-field checks, so F's error comes first.
    {"PatternEmptyCorrelationsMalformed", "", "1.00 .50\r.50 none"},
    // Both texts read, the product raises: the one error that comes after the constructors.
    {"ProductOverflows", "1e200 .00\r.60 .00\r.40 .30\r.40 .50\r.00 .70\r.00 .60",
     "1e200 .50\r.50 1.00"},
};

INSTANTIATE_TEST_SUITE_P(Errors, ComponentErrorTest, ::testing::ValuesIn(kComponentErrors),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
