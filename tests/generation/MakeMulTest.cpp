#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

struct MulCase {
    const char *xInt, *xDec, *yInt, *yDec;
    bool fRound;
    int nRound;
    bool fDelZero;
    const char* line;
};

TEST(MakeMul, ListsTheExactOrRoundedProduct)
{
    const MulCase cases[] = {
        {"1", "5", "1", "5", false, 2, true, "1.5 | 1.5 | 2.25"},
        {"1", "5", "1", "5", true, 2, true, "1.5 | 1.5 | 2.3"},
        {"1", "5", "1", "5", true, 1, true, "1.5 | 1.5 | 2"},
        {"1", "5", "1", "5", true, 4, false, "1.5 | 1.5 | 2.250"},
        {"1", "5", "1", "5", true, 4, true, "1.5 | 1.5 | 2.25"},
        {"2", "", "5", "", true, 1, true, "2 | 5 | 10"},
        // The problem list never uses exponent form; a tiny product is a
        // decimal like any other and is rounded when asked.
        {"0", "01", "0", "001", false, 2, true, "0.01 | 0.001 | 0.00001"},
        {"0", "01", "0", "001", true, 2, true, "0.01 | 0.001 | 0"},
        {"0", "01", "0", "001", true, 2, false, "0.01 | 0.001 | 0.0"},
        {"0", "01", "0", "001", true, 6, true, "0.01 | 0.001 | 0.00001"},
        {"2", "25", "1", "5", true, 2, true, "2.25 | 1.5 | 3.4"},
        {"1000", "", "1000", "", true, 3, true, "1000 | 1000 | 1000000"},
        {"0", "0001", "0", "0001", false, 2, true, "0.0001 | 0.0001 | 0.00000001"},
        {"1", "005", "1", "", true, 3, false, "1.005 | 1 | 1.01"},
        // A place outside 1..6 from a hand-edited file is used clamped.
        {"1", "5", "1", "5", true, 0, true, "1.5 | 1.5 | 2"},
        {"1", "5", "1", "5", true, -7, true, "1.5 | 1.5 | 2"},
        {"1", "2345", "1", "", true, 99, false, "1.2345 | 1 | 1.23450"},
    };
    for (const MulCase& c : cases) {
        ExamSettings settings = FixedPair(OpMul, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.fRound = c.fRound;
        settings.nRound = c.nRound;
        settings.fDelZero = c.fDelZero;
        ScriptedGenHost host;
        RunResult result = MakeRun(settings, host);
        EXPECT_TRUE(result.Completed()) << c.line;
        EXPECT_EQ(Line(result), c.line);
    }
}

TEST(MakeMul, NegativeProductsFollowTheSignMode)
{
    ExamSettings settings = FixedPair(OpMul, "-2", "5", "3", "");
    settings.nMinus = 2;
    ScriptedGenHost host;
    EXPECT_EQ(Line(MakeRun(settings, host)), "-2.5 | 3 | -7.5");

    struct Case {
        int nMinus;
        const char* status;
    };
    // A mode outside 0..2 counts as 0, the mode the window shows for it.
    for (Case c : {Case{1, "Loop over(数が負)"}, Case{0, "Loop over(数が０以下)"},
                   Case{7, "Loop over(数が０以下)"}, Case{-1, "Loop over(数が０以下)"}}) {
        settings.nMinus = c.nMinus;
        ScriptedGenHost refused;
        EXPECT_EQ(MakeRun(settings, refused).Outcome, RunOutcome::Abandoned);
        EXPECT_EQ(refused.Status[1], c.status);
    }
}

}  // namespace
