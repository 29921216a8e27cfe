// Sheets that exercise their unit: when the ranges cannot give enough
// problems the filters keep, the loop-over question comes once and says
// why; a Yes makes the sheet anyway, a No makes none.
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* Name;
    ExamSettings Settings;
    const char* Reason;  // "" when every problem is kept
};

ExamSettings Ranged(int op, const char* max1, const char* max2, int problems)
{
    ExamSettings s;
    s.Operation = op;
    s.ExamRowN = problems;
    s.ExamColN = 1;
    SetRange(s, 0, "1", "", max1, "");
    SetRange(s, 1, "1", "", max2, "");
    return s;
}

std::vector<Case> Cases()
{
    // 1..2 + 1..2 holds three problems, swapped ones counted once.
    ExamSettings threeSums = Ranged(OpAdd, "2", "2", 3);
    threeSums.fNoRepeat = true;
    ExamSettings fourSums = threeSums;
    fourSums.ExamRowN = 4;
    // 1..2 − 1..2 (positive results) holds only 2 − 1.
    ExamSettings twoDifferences = Ranged(OpSub, "2", "2", 2);
    twoDifferences.fNoRepeat = true;
    // 6 ÷ 3 leaves no remainder and needs no rounding.
    ExamSettings even = FixedPair(OpDiv, "6", "", "3", "", 2);
    even.fRest = even.fUnitOnly = true;
    ExamSettings rounded = even;
    rounded.fRest = false;
    // 6 ÷ 4 = 1.5 brings a zero down.
    ExamSettings carries = FixedPair(OpDiv, "6", "", "4", "", 2);
    carries.fJust = carries.fUnitOnly = true;
    // Tenths ÷ 1 never does.
    ExamSettings noCarry = Ranged(OpDiv, "9", "1", 2);
    SetRange(noCarry, 0, "1", "0", "9", "9");
    noCarry.fJust = noCarry.fUnitOnly = true;
    // 2 × 1..3 has three products; four problems need one three times.
    ExamSettings products = Ranged(OpMul, "2", "3", 3);
    products.Ranges[EdtMin1] = "2";
    products.fFewSame = true;
    ExamSettings sameProducts = products;
    sameProducts.Ranges[EdtMax2] = "1";
    return {
        {"three sums", threeSums, ""},
        {"four sums", fourSums, "同じ問題"},
        {"one difference", twoDifferences, "同じ問題"},
        {"remainder", even, "あまりのない問題"},
        {"rounding", rounded, "四捨五入のいらない問題"},
        {"brought down", carries, ""},
        {"none brought down", noCarry, "わり進みのない問題"},
        {"products twice", products, ""},
        {"one product thrice", sameProducts, "同じ答え"},
    };
}

TEST(ProblemFilter, TheLoopOverQuestionSaysWhyAProblemIsRefused)
{
    for (const Case& c : Cases())
        for (bool yes : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (yes ? ", Yes" : ", No"));
            ScriptedGenHost host;
            host.ConfirmAnswers = {yes};
            const RunResult run = MakeRun(c.Settings, host);
            const bool refused = *c.Reason != '\0';
            EXPECT_EQ(host.ConfirmCount, refused ? 1 : 0);
            EXPECT_EQ(host.Status[1], refused ? "Loop over(" + std::string(c.Reason) + ")" : "");
            EXPECT_EQ(run.Completed(), !refused || yes);
            if (run.Completed()) {
                EXPECT_EQ(static_cast<int>(run.Lines3.size()), c.Settings.ExamRowN * c.Settings.ExamColN);
            }
        }
}

}  // namespace
