#include "matrix/matrix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<double> Elements(const Matrix& m) {
    std::vector<double> values;
    for (std::int64_t row = 0; row < NumRows(m); ++row) {
        for (std::int64_t column = 0; column < NumColumns(m); ++column) {
            values.push_back(m(row, column));
        }
    }
    return values;
}

// The class name and message of what constructing the matrix raised; empty if it succeeded.
struct Raised {
    std::string className;
    std::string message;
};

Raised Construct(std::int64_t rows, std::int64_t columns, const std::string& text) {
    try {
        Matrix(rows, columns, text);
    } catch (const rt::RuntimeException& e) {
        return {e.ClassName(), e.what()};
    }
    return {};
}

struct ReadCase {
    std::string name;
    std::int64_t rows;
    std::int64_t columns;
    std::string text;
    std::vector<double> values; // when it reads
    std::string error;          // when it does not: the class name ...
    std::string message;        // ... and the whole message
};

ReadCase Reads(std::string name, std::int64_t rows, std::int64_t columns, std::string text,
               std::vector<double> values) {
    return {std::move(name), rows, columns, std::move(text), std::move(values), {}, {}};
}

ReadCase Fails(std::string name, std::int64_t rows, std::int64_t columns, std::string text,
               std::string error, std::string message) {
    return {std::move(name),   rows, columns, std::move(text), {}, std::move(error),
            std::move(message)};
}

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, ReadsOrNamesTheFault) {
    const ReadCase& c = GetParam();
    if (c.error.empty()) {
        const Matrix m(c.rows, c.columns, c.text);
        EXPECT_EQ(NumRows(m), c.rows);
        EXPECT_EQ(NumColumns(m), c.columns);
        EXPECT_EQ(Elements(m), c.values);
    } else {
        const Raised raised = Construct(c.rows, c.columns, c.text);
        EXPECT_EQ(raised.className, c.error);
        EXPECT_EQ(raised.message, c.message);
    }
}

// Characters as pasted text carries them, in UTF-8.
const std::string kNul(1, '\0');
const std::string kNoBreakSpace = "\xC2\xA0";
const std::string kSoftHyphen = "\xC2\xAD";
const std::string kMinusSign = "\xE2\x88\x92";
const std::string kEnDash = "\xE2\x80\x93";
const std::string kZeroWidthSpace = "\xE2\x80\x8B";

INSTANTIATE_TEST_SUITE_P(
    Matrix, ReadTest,
    testing::Values(
        Reads("Tabs", 2, 2, "1\t2\n3\t4", {1, 2, 3, 4}),
        Reads("SeveralSpaces", 2, 2, "1    2\n  3   4", {1, 2, 3, 4}),
        Reads("CarriageReturns", 2, 2, "1 2\r3 4", {1, 2, 3, 4}),
        Reads("CrLf", 3, 1, "1\r\n2\r\n3\r\n", {1, 2, 3}),
        Reads("MixedLineEnds", 3, 1, "1\r2\n3", {1, 2, 3}),
        Reads("BlankLinesSkipped", 2, 2, "\n\n1 2\n \t \r\n\n3 4\n\n", {1, 2, 3, 4}),
        Reads("TrailingSeparators", 2, 2, " 1 2 \t\n3\t4" + kNoBreakSpace + " ", {1, 2, 3, 4}),
        Reads("NoBreakSpace", 1, 3, "1" + kNoBreakSpace + "2" + kNoBreakSpace + kNoBreakSpace + "3",
              {1, 2, 3}),
        Reads("NumberForms", 1, 6, ".80 5. -1e-3 2E+5 +1.5 -.25",
              {0.80, 5.0, -1e-3, 2e5, 1.5, -0.25}),
        Reads("MinusSign", 1, 2, kMinusSign + "0.5 1e" + kMinusSign + "2", {-0.5, 0.01}),
        Reads("BeyondOneKept", 1, 2, "1.37 -12", {1.37, -12}),
        Reads("CorrectlyRounded", 1, 2, "0.30000000000000004441 4.9e-324",
              {0.30000000000000004, 4.9e-324}),
        Fails("TooFewRows", 3, 2, "1 2\n3 4", "BadEntryNumberException",
              "A 3 x 2 matrix was expected, but the text holds 2 rows."),
        Fails("TooManyRows", 2, 2, "1 2\n3 4\n\n5 6\njunk", "BadEntryNumberException",
              "A 2 x 2 matrix was expected, but the text holds 4 rows."),
        Fails("ShortRowNotPadded", 3, 2, "1 2\n\n3\n5 6", "BadEntryNumberException",
              "Row 2 of the 3 x 2 matrix holds 1 number; it should hold 2."),
        Fails("LongRowCountedAgainstSizeNotFirstRow", 2, 2, "1 2\n3 4 5", "BadEntryNumberException",
              "Row 2 of the 2 x 2 matrix holds 3 numbers; it should hold 2."),
        Fails("WordAmongNumbers", 2, 2, "1 2\n3 four", "BadArgumentException",
              "Row 2, item 2 of the 2 x 2 matrix: \"four\" is not a number."),
        Fails("LetterOForZero", 3, 2, "1 2\n3 4\n.80 O.30", "BadArgumentException",
              "Row 3, item 2 of the 3 x 2 matrix: \"O.30\" is not a number. Is the letter O "
              "meant as a zero?"),
        Fails("LetterLForOne", 1, 1, "l.5", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"l.5\" is not a number. Is the letter l "
              "meant as a 1?"),
        Fails("DecimalComma", 6, 2, "0,80 0,00", "BadArgumentException",
              "Row 1, item 1 of the 6 x 2 matrix: \"0,80\" is not a number. Use a decimal "
              "point, not a comma."),
        Fails("ThousandsSeparator", 1, 1, "1,234.5", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"1,234.5\" is not a number. Write numbers "
              "with a decimal point and without thousands separators."),
        Fails("EnDashForMinus", 1, 1, kEnDash + "0.5", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"" + kEnDash +
                  "0.5\" is not a number. Is "
                  "the dash meant as a minus sign? Type it as -."),
        Fails("SoftHyphen", 2, 1, "1\n.80" + kSoftHyphen, "BadArgumentException",
              "Row 2, item 1 of the 2 x 1 matrix: \".80<U+00AD>\" is not a number: it holds "
              "the invisible character U+00AD (soft hyphen)."),
        Fails("ZeroWidthSpaceJoinsTwoNumbers", 1, 2, "0.80" + kZeroWidthSpace + "0.30",
              "BadArgumentException",
              "Row 1, item 1 of the 1 x 2 matrix: \"0.80<U+200B>0.30\" is not a number: it "
              "holds the invisible character U+200B (zero-width space)."),
        Fails("NulByte", 1, 2, "1 2" + kNul, "BadArgumentException",
              "Row 1, item 2 of the 1 x 2 matrix: \"2<U+0000>\" is not a number: it holds the "
              "invisible character U+0000 (NUL)."),
        Fails("InvalidUtf8", 1, 2, "0.5 \xFF", "BadArgumentException",
              "Row 1, item 2 of the 1 x 2 matrix: \"<byte 0xFF>\" is not a number: it holds "
              "the byte 0xFF, which is not part of any character."),
        Fails("TruncatedEncodedMinusSign", 1, 1, kMinusSign.substr(0, 2) + "5",
              "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"<byte 0xE2><byte 0x88>5\" is not a number: "
              "it holds the byte 0xE2, which is not part of any character."),
        Fails("LongItemTruncated", 1, 1, "abcdefghijklmnopqrstuvwxyz", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"abcdefghijklmnopqrst…\" is not a number."),
        Fails("Infinity", 1, 1, "inf", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"inf\" is not a number."),
        Fails("HexFloat", 1, 1, "0x1p3", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"0x1p3\" is not a number."),
        Fails("ExponentWithoutDigits", 1, 1, "1e", "BadArgumentException",
              "Row 1, item 1 of the 1 x 1 matrix: \"1e\" is not a number."),
        Fails("TooLarge", 1, 2, "1 1e999", "OverflowOrUnderflowException",
              "Row 1, item 2 of the 1 x 2 matrix: \"1e999\" is too large to be held as a "
              "number."),
        Fails("TooCloseToZero", 1, 1, "-1e-400", "OverflowOrUnderflowException",
              "Row 1, item 1 of the 1 x 1 matrix: \"-1e-400\" is too close to zero to be held "
              "as a number; write 0 if zero is meant."),
        Fails("OnlyBlanks", 6, 2, " \t " + kNoBreakSpace + " ", "BadEntryNumberException",
              "A 6 x 2 matrix was expected, but the text holds 0 rows: it has only blanks and "
              "line ends."),
        Fails("OnlyLineEnd", 1, 1, "\n", "BadEntryNumberException",
              "A 1 x 1 matrix was expected, but the text holds 0 rows: it has only blanks and "
              "line ends."),
        Fails("ZeroRows", 0, 2, "", "NegativeOrZeroException",
              "The matrix must have at least 1 row and 1 column; 0 x 2 was asked for."),
        Fails("NegativeColumns", 2, -3, "1 2", "NegativeOrZeroException",
              "The matrix must have at least 1 row and 1 column; 2 x -3 was asked for."),
        Fails("HugeSizeEmptyText", 1'000'000'000'000, 1'000'000'000'000, "",
              "OverflowOrUnderflowException",
              "A 1000000000000 x 1000000000000 matrix is too large: a matrix holds at most "
              "134217728 numbers."),
        Fails("SizeWhoseProductOverflows", INT64_MAX, 2, "1 2", "OverflowOrUnderflowException",
              "A 9223372036854775807 x 2 matrix is too large: a matrix holds at most "
              "134217728 numbers."),
        Fails("JustBelowTheLimitReadsTheText", Matrix::kMaxElements, 1, "1",
              "BadEntryNumberException",
              "A 134217728 x 1 matrix was expected, but the text holds 1 row.")),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(MatrixTest, EmptyTextGivesZerosOfTheSizeAsked) {
    const Matrix m(3, 2, "");
    EXPECT_EQ(NumRows(m), 3);
    EXPECT_EQ(NumColumns(m), 2);
    EXPECT_EQ(Elements(m), std::vector<double>(6, 0.0));
}

TEST(MatrixTest, ElementAccessOutsideRaises) {
    const Matrix m(2, 3, "1 2 3\n4 5 6");
    EXPECT_EQ(m(1, 2), 6);
    for (const auto& [row, column] : {std::pair{2, 0}, {0, 3}, {-1, 0}, {0, -1}}) {
        EXPECT_THROW((void)m(row, column), BadArgumentException) << row << ", " << column;
    }
}

TEST(MatrixTest, ProductOfPatternAndFactorCorrelations) {
    const Matrix pattern(6, 2, ".80 .00\n.60 .00\n.40 .30\n.40 .50\n.00 .70\n.00 .60");
    const Matrix correlations(2, 2, "1.00 .50\n.50 1.00");
    const Matrix structure = pattern * correlations;
    EXPECT_EQ(NumRows(structure), 6);
    EXPECT_EQ(NumColumns(structure), 2);
    EXPECT_EQ(structure.Str(), "0.8\t0.4\r0.6\t0.3\r0.55\t0.5\r0.65\t0.7\r0.35\t0.7\r0.3\t0.6");
}

TEST(MatrixTest, ProductOfUnequalSizesSumsEveryTerm) {
    const Matrix left(2, 3, "1 2 3\n4 5 6");
    const Matrix right(3, 1, "1\n10\n100");
    EXPECT_EQ(Elements(left * right), (std::vector<double>{321, 654}));
}

TEST(MatrixTest, MismatchedSizesRaise) {
    const Raised raised = [] {
        try {
            (void)(Matrix(6, 3, "") * Matrix(2, 2, ""));
        } catch (const rt::RuntimeException& e) {
            return Raised{e.ClassName(), e.what()};
        }
        return Raised{};
    }();
    EXPECT_EQ(raised.className, "RowColumnMismatch");
    EXPECT_EQ(raised.message, "A 6 x 3 matrix cannot be multiplied by a 2 x 2 matrix: the first "
                              "has 3 columns, the second 2 rows.");
}

TEST(MatrixTest, NonFiniteProductRaises) {
    const Matrix left(1, 2, "0 1e300\n");
    try {
        (void)(left * Matrix(2, 2, "1 1\n1 1e300"));
        FAIL() << "an infinite element was accepted";
    } catch (const OverflowOrUnderflowException& e) {
        EXPECT_STREQ(e.what(), "Multiplying the 1 x 2 matrix by the 2 x 2 matrix overflows: row 1, "
                               "column 2 of the product is too large to be held as a number.");
    }
    // Infinite partial sums that cancel leave NaN, which must not pass either.
    EXPECT_THROW((void)(Matrix(1, 2, "1e300 1e300") * Matrix(2, 1, "1e300\n-1e300")),
                 OverflowOrUnderflowException);
}

struct StrCase {
    std::string name;
    std::string value;
    std::string text;
};

void PrintTo(const StrCase& c, std::ostream* os) {
    *os << c.name;
}

class StrTest : public testing::TestWithParam<StrCase> {};

TEST_P(StrTest, RoundsToSixDecimals) {
    EXPECT_EQ(Matrix(1, 1, GetParam().value).Str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, StrTest,
    testing::Values(StrCase{"SumJustAboveTwoDecimals", "0.55000000000000004", "0.55"},
                    StrCase{"TinyIsZero", "1e-7", "0"}, StrCase{"NoNegativeZero", "-1e-7", "0"},
                    StrCase{"RoundsAtSixth", "1234567.1234564", "1234567.123456"},
                    StrCase{"RoundsUpAtSixth", "0.0000015", "0.000002"},
                    StrCase{"Negative", "-2.5", "-2.5"}, StrCase{"Whole", "3", "3"},
                    StrCase{"LargeWithoutExponent", "12345678.5", "12345678.5"},
                    StrCase{"HugeWithoutExponent", "1e20", "100000000000000000000"}),
    [](const testing::TestParamInfo<StrCase>& info) { return info.param.name; });

TEST(MatrixTest, StrReadsBack) {
    const Matrix m(2, 3, "0.123456 -7 1e300\n-0.5 250000.25 0");
    const std::string text = m.Str();
    const Matrix back(2, 3, text);
    EXPECT_EQ(Elements(back), Elements(m));
    EXPECT_EQ(back.Str(), text);
}

// The reader must stay linear and bounded on whatever lands in the paste box.
TEST(MatrixTest, MegabytesOfJunkRaisePromptly) {
    std::mt19937 random(20240601);
    std::string junk(4 << 20, '\0');
    for (char& c : junk) {
        c = static_cast<char>(random());
    }
    const std::string oneLine = [] {
        std::string line;
        for (int i = 0; i < 1'000'000; ++i) {
            line += "0.5 ";
        }
        return line;
    }();
    const struct {
        std::string name;
        std::string text;
        std::string error;
    } cases[] = {
        {"random bytes", junk, "BadArgumentException"},
        {"one enormous line", oneLine, "BadEntryNumberException"},
        {"one enormous number", std::string(4 << 20, '9'), "OverflowOrUnderflowException"},
        {"one enormous word", std::string(4 << 20, 'x'), "BadArgumentException"},
        {"line ends only", std::string(4 << 20, '\n'), "BadEntryNumberException"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const Raised raised = Construct(6, 2, c.text);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(raised.className, c.error) << c.name;
        EXPECT_LT(raised.message.size(), 300u) << c.name;
        EXPECT_LT(elapsed, std::chrono::seconds(5)) << c.name;
    }
    EXPECT_EQ(Construct(6, 2, oneLine).message,
              "Row 1 of the 6 x 2 matrix holds 1000000 numbers; it should hold 2.");
}

} // namespace
