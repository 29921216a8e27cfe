// "整数だけの数を出さない": decimal drills show decimals in every problem.
#include "generation/Decimal.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

bool ShowsWhole(const std::string& text)
{
    return IsWhole(ParseDecimal(text).value());
}

struct DrillCase {
    int operation;
    const char* ranges[8];
    bool leftHasDecimals, rightHasDecimals;
};

TEST(DecOnly, OperandsWithDecimalRangesAreNeverWhole)
{
    const DrillCase cases[] = {
        {OpAdd, {"1", "0", "9", "0", "1", "00", "3", "00"}, true, true},
        {OpSub, {"5", "0", "9", "0", "1", "", "3", ""}, true, false},
        {OpMul, {"1", "", "9", "", "1", "0", "2", "0"}, false, true},
        {OpDiv, {"1", "0", "9", "9", "2", "", "9", ""}, true, false},
    };
    for (const DrillCase& c : cases) {
        ExamSettings settings;
        settings.Operation = c.operation;
        settings.ExamRowN = 10;
        settings.ExamColN = 2;
        for (int i = 0; i < RangeEditCount; ++i)
            settings.Ranges[i] = c.ranges[i];
        settings.fDecOnly = true;
        settings.fZero = settings.fOne = false;
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            ScriptedGenHost host;
            RunResult result = MakeRun(settings, host, seed);
            ASSERT_TRUE(result.Completed()) << host.Status[1];
            for (size_t i = 0; i < result.Lines1.size(); ++i) {
                EXPECT_FALSE(c.leftHasDecimals && ShowsWhole(result.Lines1[i])) << Line(result, i);
                EXPECT_FALSE(c.rightHasDecimals && ShowsWhole(result.Lines2[i])) << Line(result, i);
            }
        }
    }
}

TEST(DecOnly, IsOffByDefaultAndThenWholeOperandsStay)
{
    ExamSettings settings = FixedPair(OpAdd, "7", "00", "1", "5");
    ScriptedGenHost host;
    EXPECT_EQ(Line(MakeRun(settings, host)), "7 | 1.5 | 8.5");
}

struct ImpossibleCase {
    int operation;
    const char *xInt, *xDec, *yInt, *yDec;
};

// Settings no problem can meet end in the loop-over question with their own
// reason, never in an endless run.
TEST(DecOnly, SettingsThatCannotShowADecimalLoopOver)
{
    const ImpossibleCase cases[] = {
        {OpAdd, "7", "00", "1", "5"},  // 7.00 is all operand 1 can be
        {OpMul, "2", "", "3", ""},     // whole ranges only
        {OpSub, "9", "", "1", "0"},
        {OpDiv, "15", "", "3", ""},    // 15 ÷ 3 = 5: nothing but whole numbers
    };
    for (const ImpossibleCase& c : cases) {
        ExamSettings settings = FixedPair(c.operation, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.fDecOnly = true;
        ScriptedGenHost host;
        EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned) << c.xInt;
        EXPECT_EQ(host.Status[1], "Loop over(整数だけの数)") << c.xInt;
        EXPECT_EQ(host.ConfirmCount, 1) << c.xInt;
    }
}

// A division of whole numbers whose quotient has decimals (6 ÷ 4 = 1.5)
// shows a decimal; only whole quotients of whole numbers are made again.
TEST(DecOnly, WholeDivisionWithADecimalQuotientStays)
{
    ExamSettings settings = FixedPair(OpDiv, "6", "", "4", "");
    settings.fDecOnly = true;
    ScriptedGenHost host;
    EXPECT_EQ(Line(MakeRun(settings, host)), "6 | 4 | 1.5");
}

// The dividend a simple quotient makes (b × q) must show its decimals too.
TEST(DecOnly, SimpleQuotientDividendsShowTheirDecimals)
{
    ExamSettings settings;
    settings.Operation = OpDiv;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    SetRange(settings, 0, "1", "0", "99", "9");
    SetRange(settings, 1, "2", "", "9", "");
    settings.fJust = true;
    settings.fDecOnly = true;
    ScriptedGenHost host;
    RunResult result = MakeRun(settings, host, 11);
    ASSERT_TRUE(result.Completed()) << host.Status[1];
    for (size_t i = 0; i < result.Lines1.size(); ++i)
        EXPECT_FALSE(ShowsWhole(result.Lines1[i])) << Line(result, i);
}

}  // namespace
