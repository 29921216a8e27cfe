#include "generation/Decimal.h"
#include "generation/NumberText.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

struct AddSubCase {
    int operation;
    const char *xInt, *xDec, *yInt, *yDec;
    int nMinus;
    bool fDelZero;
    const char* line;
};

TEST(MakeAddSub, ListsOperandsAndExactAnswers)
{
    const AddSubCase cases[] = {
        {OpAdd, "1", "50", "2", "25", 0, false, "1.5 | 2.25 | 3.75"},
        {OpAdd, "1", "50", "2", "50", 0, false, "1.5 | 2.5 | 4.0"},
        {OpAdd, "1", "50", "2", "50", 0, true, "1.5 | 2.5 | 4"},
        {OpAdd, "0", "5", "0", "003", 0, false, "0.5 | 0.003 | 0.503"},
        {OpSub, "1", "", "3", "", 2, false, "1 | 3 | -2"},
        {OpSub, "2", "5", "2", "5", 1, false, "2.5 | 2.5 | 0.0"},
        {OpSub, "2", "5", "2", "5", 1, true, "2.5 | 2.5 | 0"},
        {OpSub, "5", "", "5", "", 1, false, "5 | 5 | 0"},
        {OpSub, "-0", "0001", "0", "0001", 2, true, "-0.0001 | 0.0001 | -0.0002"},
        {OpAdd, "999", "9999", "1000", "", 0, false, "999.9999 | 1000 | 1999.9999"},
    };
    for (const AddSubCase& c : cases) {
        ExamSettings settings = FixedPair(c.operation, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.nMinus = c.nMinus;
        settings.fDelZero = c.fDelZero;
        ScriptedGenHost host;
        RunResult result = MakeRun(settings, host);
        EXPECT_TRUE(result.Completed()) << c.line;
        EXPECT_EQ(Line(result), c.line);
        EXPECT_EQ(host.ConfirmCount, 0) << c.line;
    }
}

TEST(MakeAddSub, RandomAdditionNeverLoopsOverAndIsExact)
{
    ExamSettings settings;  // 1.00..10.00 on both sides, 10 × 1
    settings.ExamColN = 2;
    settings.fDelZero = false;
    ScriptedGenHost host;
    RunResult result = MakeRun(settings, host);
    ASSERT_TRUE(result.Completed());
    ASSERT_EQ(result.Lines3.size(), 20u);
    EXPECT_EQ(host.ConfirmCount, 0);
    for (size_t i = 0; i < 20; ++i) {
        Decimal sum = *ParseDecimal(result.Lines1[i]) + *ParseDecimal(result.Lines2[i]);
        EXPECT_EQ(*ParseDecimal(result.Lines3[i]), sum) << Line(result, i);
        size_t point = result.Lines3[i].find('.');
        size_t decimals = point == std::string::npos ? 0 : result.Lines3[i].size() - point - 1;
        EXPECT_LE(decimals, 2u) << Line(result, i);
    }
}

TEST(MakeAddSub, LoopOverAnsweredYesKeepsTheFailingPairAndAsksNoMore)
{
    ExamSettings settings = FixedPair(OpSub, "5", "", "5", "", 3);
    ScriptedGenHost host;
    host.ConfirmAnswers = {true, false, false};
    RunResult result = MakeRun(settings, host);
    ASSERT_TRUE(result.Completed());
    EXPECT_EQ(host.ConfirmCount, 1);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Line(result, i), "5 | 5 | 0");
    // Every loop over is still reported; only the first one asks.
    EXPECT_EQ(host.Events, (std::vector<std::string>{"status1: ",
                                                      "status1: Loop over(数が０以下)",
                                                      "confirm: 最大値や最小値の条件は合っていますか?",
                                                      "status1: Loop over(数が０以下)",
                                                      "status1: Loop over(数が０以下)"}));
}

TEST(MakeAddSub, LoopOverAnsweredNoAbandonsTheRun)
{
    ExamSettings settings = FixedPair(OpSub, "5", "", "5", "", 3);
    ScriptedGenHost host;
    host.ConfirmAnswers = {false};
    RunResult result = MakeRun(settings, host);
    EXPECT_EQ(result.Outcome, RunOutcome::Abandoned);
    EXPECT_TRUE(result.Lines1.empty() && result.Lines3.empty());
    EXPECT_EQ(host.ConfirmCount, 1);

    // A Yes holds for one run only: the next run asks again.
    ScriptedGenHost second;
    second.ConfirmAnswers = {true};
    ProblemMaker maker(1);
    ASSERT_TRUE(maker.MakeProblems(settings, second).Completed());
    EXPECT_EQ(maker.MakeProblems(settings, second).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(second.ConfirmCount, 2);
}

TEST(MakeAddSub, NegativeResultInSignModeOneReportsItsReason)
{
    ExamSettings settings;
    settings.Operation = OpSub;
    settings.nMinus = 1;
    SetRange(settings, 0, "1", "", "2", "");
    SetRange(settings, 1, "5", "", "6", "");
    ScriptedGenHost host;
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.Status[1], "Loop over(数が負)");
}

TEST(MakeAddSub, SequenceOperandRunsThroughItsRange)
{
    ExamSettings settings;
    settings.CBox1 = false;
    SetRange(settings, 0, "1", "", "3", "");
    ScriptedGenHost host;
    RunResult result = MakeRun(settings, host);
    ASSERT_TRUE(result.Completed());
    EXPECT_EQ(result.Lines1, (std::vector<std::string>{"1", "2", "3", "1", "2", "3", "1", "2", "3", "1"}));
}

TEST(MakeAddSub, TestModeShowsTheCounterAndStopsAtALoopOver)
{
    ExamSettings settings = FixedPair(OpSub, "5", "", "5", "", 3);
    ScriptedGenHost host;
    host.TestMode = true;
    host.TestLoopValue = 42;
    RunResult result = MakeRun(settings, host);
    EXPECT_EQ(result.Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.ConfirmCount, 0);
    EXPECT_EQ(host.Events, (std::vector<std::string>{"status1: ", "counter:    42",
                                                      "status1: Loop over(数が０以下)",
                                                      "stop timer"}));
}

}  // namespace
