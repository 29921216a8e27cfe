#include "generation/NumberText.h"
#include "generation/WrittenCalc.h"
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Pictures: two characters a column, the slot before it ("." point, "'"
// point moved away from) and its digit ("/" struck).
struct Worked {
    const char* A;
    const char* Op;
    const char* B;
    DivisionMode Mode;
    Lines Rows;
    const char* Value;      // the result with the places the model keeps
    const char* Remainder;  // "" when none
};

CalcOp OpOf(const std::string& op)
{
    return op == "+" ? CalcOp::Add : op == "-" ? CalcOp::Sub : op == "x" ? CalcOp::Mul : CalcOp::Div;
}

std::string Text(const Decimal& d)
{
    return FormatFixed(d, d.Scale);
}

const DivisionMode kExact{DivisionMode::Exact};
DivisionMode RemainderAt(int places) { return {DivisionMode::Remainder, places}; }
DivisionMode RoundedTo(int places) { return {DivisionMode::Round, places}; }
DivisionMode Figures(int n) { return {DivisionMode::Significant, 0, n}; }

const Worked kExamples[] = {
    // Addition and subtraction: points aligned, hidden zeros left blank.
    {"1.2", "+", "3.5", {}, {" 1.2", " 3.5", " 4.7"}, "4.7", ""},
    {"4.3", "-", "1.8", {}, {" 4.3", " 1.8", " 2.5"}, "2.5", ""},
    {"5", "-", "2.4", {}, {" 5", " 2.4", " 2.6"}, "2.6", ""},
    {"4.594", "+", "13.27", {}, {"   4.5 9 4", " 1 3.2 7", " 1 7.8 6 4"}, "17.864", ""},
    {"8.1", "-", "4.33", {}, {" 8.1", " 4.3 3", " 3.7 7"}, "3.77", ""},
    {"1.6", "+", "2.4", {}, {" 1.6", " 2.4", " 4./"}, "4.0", ""},
    {"2.75", "+", "1.25", {}, {" 2.7 5", " 1.2 5", " 4./ /"}, "4.00", ""},
    {"9.5", "+", "0.7", {}, {"   9.5", "   0.7", " 1 0.2"}, "10.2", ""},
    {"4.3", "-", "3.8", {}, {" 4.3", " 3.8", " 0.5"}, "0.5", ""},
    {"3.05", "-", "3", {}, {" 3.0 5", " 3", " 0.0 5"}, "0.05", ""},
    // Multiplication: right ends aligned, partial products for two or more
    // multiplier digits, zeros supplied in front of the product, end zeros struck.
    {"2.3", "x", "7", {}, {"   2.3", "     7", " 1 6.1"}, "16.1", ""},
    {"2.7", "x", "12", {}, {"   2.7", "   1 2", "   5 4", " 2 7", " 3 2.4"}, "32.4", ""},
    {"2.38", "x", "4", {}, {" 2.3 8", "     4", " 9.5 2"}, "9.52", ""},
    {"4.05", "x", "36", {},
     {"     4.0 5", "       3 6", "   2 4 3 0", " 1 2 1 5", " 1 4 5.8 /"}, "145.80", ""},
    {"80", "x", "2.5", {}, {"     8 0", "     2.5", "   4 0 0", " 1 6 0", " 2 0 0./"}, "200.0", ""},
    {"0.38", "x", "0.54", {},
     {"     0.3 8", "     0.5 4", "     1 5 2", "   1 9 0", " 0.2 0 5 2"}, "0.2052", ""},
    {"2.5", "x", "3.4", {}, {"   2.5", "   3.4", " 1 0 0", " 7 5", " 8.5 /"}, "8.50", ""},
    {"0.2", "x", "0.3", {}, {"   0.2", "   0.3", " 0.0 6"}, "0.06", ""},
    // A multiplier with one non-zero digit has no partial products.
    {"2.7", "x", "20", {}, {"   2.7", "   2 0", " 5 4./"}, "54.0", ""},
    // Division: quotient over the last digit it came from, product and
    // difference of every step, digits brought down.
    {"7.2", "/", "3", kExact, {" 2.4", " 7.2", " 6", " 1 2", " 1 2", "   0"}, "2.4", ""},
    {"4.9", "/", "7", kExact, {" 0.7", " 4.9", " 4 9", "   0"}, "0.7", ""},
    {"64.8", "/", "36", kExact, {"   1.8", " 6 4.8", " 3 6", " 2 8 8", " 2 8 8", "     0"}, "1.8", ""},
    {"13.6", "/", "3", RemainderAt(1),
     {"   4.5", " 1 3.6", " 1 2", "   1 6", "   1 5", "   0.1"}, "4.5", "0.1"},
    // A zero brought down past the dividend is written into it, small («o»).
    {"6", "/", "4", kExact, {" 1.5", " 6.o", " 4", " 2 0", " 2 0", "   0"}, "1.5", ""},
    // Decimal divisors: both points move; the quotient's point over the new
    // one, the remainder's under the old one.
    {"9", "/", "1.5", kExact, {"   6", " 9 0.", " 9 0", "   0"}, "6", ""},
    {"6.42", "/", "0.2", kExact,
     {" 3 2.1", " 6'4.2", " 6", "   4", "   4", "     2", "     2", "     0"}, "32.1", ""},
    {"7.4", "/", "0.3", RemainderAt(0), {" 2 4", " 7'4.", " 6", " 1 4", " 1 2", " 0.2"}, "24", "0.2"},
    // A zero quotient digit only brings the next digit down.
    {"6.12", "/", "3", kExact, {" 2.0 4", " 6.1 2", " 6", "   1 2", "   1 2", "     0"}, "2.04", ""},
    // Digits left over after the quotient's last place join the remainder.
    {"13.65", "/", "3", RemainderAt(1),
     {"   4.5", " 1 3.6 5", " 1 2", "   1 6", "   1 5", "   0.1 5"}, "4.5", "0.15"},
    // A remainder division that comes out even stops where it does, as its
    // answer reads («2», not «2.0 あまり 0»): no remainder row.
    {"4", "/", "2", RemainderAt(1), {" 2", " 4", " 4", " 0"}, "2", ""},
    {"4.8", "/", "2", RemainderAt(2), {" 2.4", " 4.8", " 4", "   8", "   8", "   0"}, "2.4", ""},
    {"4.80", "/", "2", RemainderAt(1), {" 2.4", " 4.8 0", " 4", "   8", "   8", "   0"}, "2.4", ""},
    {"7.2", "/", "0.3", RemainderAt(1), {" 2 4", " 7'2.", " 6", " 1 2", " 1 2", "   0"}, "24", ""},
    {"0.6", "/", "3", RemainderAt(2), {" 0.2", " 0.6", "   6", "   0"}, "0.2", ""},
    // An answer that keeps its zeros («2.0») is worked to the place asked for.
    {"4", "/", "2", {DivisionMode::Remainder, 1, 2, true}, {" 2.0", " 4.o", " 4", "   0"}, "2.0", ""},
    {"4.8", "/", "2", {DivisionMode::Remainder, 2, 2, true},
     {" 2.4 0", " 4.8 o", " 4", "   8", "   8", "     0"}, "2.40", ""},
    // Something left only in the dividend's last digits stays a remainder.
    {"4.04", "/", "2", RemainderAt(1), {" 2.0", " 4.0 4", " 4", " 0.0 4"}, "2.0", "0.04"},
    // Rounded quotients are worked one place further than kept.
    {"2.6", "/", "0.9", RoundedTo(1),
     {"   2.8 8", " 2'6.o o", " 1 8", "   8 0", "   7 2", "     8 0", "     7 2", "       8"}, "2.9", ""},
    {"8.69", "/", "0.3", RoundedTo(1),
     {" 2 8.9 6", " 8'6.9 o", " 6", " 2 6", " 2 4", "   2 9", "   2 7", "     2 0", "     1 8",
      "       2"},
     "29.0", ""},
    // A remainder kept to two figures: the quotient's whole places use them up.
    {"28.98", "/", "1", {DivisionMode::Remainder, 0, 2, false, true},
     {" 2 8", " 2 8.9 8", " 2", "   8", "   8", "   0.9 8"}, "28", "0.98"},
    {"0.1", "/", "3.9", Figures(2),
     {"   0.0 2 5 6", " 0'1.o o o o", "     7 8", "     2 2 0", "     1 9 5", "       2 5 0",
      "       2 3 4", "         1 6"},
     "0.026", ""},
};

TEST(WrittenCalc, WorksEveryExampleAsClassroomsWriteIt)
{
    for (const Worked& w : kExamples) {
        SCOPED_TRACE(std::string(w.A) + " " + w.Op + " " + w.B);
        const auto calc = BuildWrittenCalc(w.A, w.B, OpOf(w.Op), w.Mode);
        ASSERT_TRUE(calc.has_value());
        EXPECT_EQ(WrittenPicture(*calc), w.Rows);
        EXPECT_EQ(Text(calc->Value), w.Value);
        EXPECT_EQ(calc->Remainder ? Text(*calc->Remainder) : "", w.Remainder);
        for (const WorkedRow& row : calc->Rows) {
            EXPECT_GE(row.Column, 0);
            EXPECT_LE(row.End(), calc->Columns);
        }
    }
}

TEST(WrittenCalc, MarksOperatorRowAndRules)
{
    const auto mul = BuildWrittenCalc("2.7", "12", CalcOp::Mul);
    ASSERT_TRUE(mul);
    std::vector<bool> op, rule;
    for (const WorkedRow& row : mul->Rows) {
        op.push_back(row.Operator);
        rule.push_back(row.RuleBelow);
    }
    EXPECT_EQ(op, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(rule, (std::vector<bool>{false, true, false, true, false}));

    const auto div = BuildWrittenCalc("64.8", "36", CalcOp::Div);
    ASSERT_TRUE(div);
    for (const WorkedRow& row : div->Rows)
        EXPECT_EQ(row.RuleBelow, row.Kind == WorkedRow::Product);
}

TEST(WrittenCalc, DecimalDivisorMovesBothPoints)
{
    struct Case {
        const char* A;
        const char* B;
        std::string Divisor;  // its picture
        int DividendFrom, DividendTo;
    } cases[] = {
        {"6.42", "0.2", " 0'2", 1, 2},
        {"9", "1.5", " 1'5", 1, 2},
        {"0.5", "0.25", " 0'2 5", 1, 3},  // a zero supplied after the dividend
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        const auto calc = BuildWrittenCalc(c.A, c.B, CalcOp::Div);
        ASSERT_TRUE(calc);
        EXPECT_EQ(WrittenRowPicture(calc->Divisor, static_cast<int>(calc->Divisor.Digits.size())),
                  c.Divisor);
        ASSERT_EQ(calc->Moves.size(), 2u);
        EXPECT_EQ(calc->Moves[0].Row, -1);
        EXPECT_EQ(calc->Moves[0].To, static_cast<int>(calc->Divisor.Digits.size()));
        EXPECT_EQ(calc->Moves[1].Row, 1);
        EXPECT_EQ(calc->Moves[1].From, c.DividendFrom);
        EXPECT_EQ(calc->Moves[1].To, c.DividendTo);
        EXPECT_EQ(calc->Rows[1].Point, c.DividendTo);
    }
    const auto moved = BuildWrittenCalc("9", "1.5", CalcOp::Div);
    ASSERT_TRUE(moved);
    EXPECT_EQ(WrittenRowPicture(moved->GivenDivisor, 2), " 1.5");
    EXPECT_EQ(WrittenRowPicture(moved->GivenDividend, moved->Columns), " 9");
    const auto whole = BuildWrittenCalc("7.2", "3", CalcOp::Div);
    ASSERT_TRUE(whole);
    EXPECT_TRUE(whole->Moves.empty());
    EXPECT_EQ(whole->Rows[1].OldPoint, -1);
}

TEST(WrittenCalc, RemainderChecksAgainstTheDividend)
{
    // divisor × quotient + remainder = dividend, for assorted remainders.
    const struct { const char* A; const char* B; int Places; } cases[] = {
        {"7.4", "0.3", 0}, {"13.6", "3", 1}, {"13.65", "3", 1}, {"1", "30", 1},
        {"25.3", "0.07", 2}, {"100", "7", 0}, {"0.05", "0.4", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        const auto calc = BuildWrittenCalc(c.A, c.B, CalcOp::Div, RemainderAt(c.Places));
        ASSERT_TRUE(calc && calc->Remainder);
        const Decimal a = *ParseDecimal(c.A), b = *ParseDecimal(c.B);
        EXPECT_EQ(b * calc->Value + *calc->Remainder, a);
        const Decimal unit{1, c.Places};
        EXPECT_TRUE(*calc->Remainder < b * unit);
        EXPECT_EQ(calc->Rows.back().Kind, WorkedRow::Remainder);
    }
}

TEST(WrittenCalc, NoModelForTextsItCannotWrite)
{
    const struct { const char* A; const char* B; CalcOp Op; } cases[] = {
        {"abc", "1", CalcOp::Add}, {"1", "", CalcOp::Mul}, {"-1.5", "2", CalcOp::Add},
        {"1.5", "2", CalcOp::Sub},  // a negative difference
        {"1E-005", "2", CalcOp::Mul}, {"1.", "2", CalcOp::Add}, {".5", "2", CalcOp::Add},
        {"1.5 ", "2", CalcOp::Add}, {"1234567890123456", "2", CalcOp::Mul},
        {"3", "0", CalcOp::Div}, {"3", "0.00", CalcOp::Div},
        {"1", "3", CalcOp::Div},  // never comes out even
        {"123456789012345", "0.00000000000001", CalcOp::Div},  // a quotient of 30 digits and more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " , " + c.B);
        EXPECT_FALSE(BuildWrittenCalc(c.A, c.B, c.Op, kExact));
    }
}

TEST(WrittenCalc, ARoundedQuotientThatComesOutEvenIsExact)
{
    const struct {
        const char* A;
        const char* B;
        DivisionMode Mode;
        const char* Value;
        bool Approximate;
    } cases[] = {
        {"7.2", "3", RoundedTo(1), "2.4", false},     // even at the kept place
        {"6", "4", RoundedTo(2), "1.5", false},       // even before it
        {"8.7", "0.3", RoundedTo(1), "29", false},
        {"9", "8", RoundedTo(2), "1.13", true},       // 1.125: even only one place further
        {"6", "4", RoundedTo(0), "2", true},          // 1.5 kept as a whole number
        {"64.8", "36", Figures(2), "1.8", false},
        {"10", "4", Figures(2), "2.5", false},
        {"10", "8", Figures(2), "1.3", true},         // 1.25
        {"77.7", "0.42", Figures(2), "190", true},    // 185, even only right of the kept tens
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        const auto calc = BuildWrittenCalc(c.A, c.B, CalcOp::Div, c.Mode);
        ASSERT_TRUE(calc);
        EXPECT_EQ(Text(calc->Value), c.Value);
        EXPECT_EQ(calc->Approximate, c.Approximate);
        if (!c.Approximate) {
            const auto exact = BuildWrittenCalc(c.A, c.B, CalcOp::Div);
            EXPECT_EQ(WrittenPicture(*calc), WrittenPicture(*exact));
        }
    }
}

TEST(WrittenCalc, DivisionModeFollowsTheAnswerSettings)
{
    const struct { bool Rest, Just; int nRound; DivisionMode::Kind Mode; int Places; } cases[] = {
        {false, false, 2, DivisionMode::Round, 1},
        {false, false, 1, DivisionMode::Round, 0},
        {true, false, 3, DivisionMode::Remainder, 2},
        {false, true, 3, DivisionMode::Exact, 0},
        {false, false, 0, DivisionMode::Round, 0},   // a hand-edited place, used clamped
        {true, false, 9, DivisionMode::Remainder, 5},
    };
    for (const auto& c : cases) {
        ExamSettings settings;
        settings.fRest = c.Rest;
        settings.fJust = c.Just;
        settings.nRound = c.nRound;
        const DivisionMode mode = DivisionModeOf(settings);
        EXPECT_EQ(mode.Mode, c.Mode);
        EXPECT_EQ(mode.Places, c.Places);
        EXPECT_FALSE(mode.KeepZeros);
        settings.fDelZero = false;
        EXPECT_EQ(DivisionModeOf(settings).KeepZeros, c.Rest);  // «4.0 あまり 0.1» keeps them
    }
}

TEST(WrittenCalc, FiguresCountFromTheFirstNonZeroDigit)
{
    const struct { const char* A; const char* B; int Figures; const char* Value; } cases[] = {
        {"0.1", "3.9", 2, "0.026"}, {"10", "3", 2, "3.3"}, {"3456", "7", 2, "490"},
        {"2", "3", 1, "0.7"}, {"9.96", "1", 2, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        const auto calc = BuildWrittenCalc(c.A, c.B, CalcOp::Div, Figures(c.Figures));
        ASSERT_TRUE(calc);
        EXPECT_TRUE(calc->Approximate);
        EXPECT_EQ(FormatGeneral(calc->Value), c.Value);
    }
}

} // namespace
