// A run's work is bounded across all its attempts and restarts, and a host
// can cancel a run from any of its loops.
#include "generation/GenerationRun.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

// Asks for a cancel from the start: the run ends at its first look.
class CancellingHost : public ScriptedGenHost {
public:
    bool CancelRequested() const override { return true; }
};

TEST(RunBudget, ACancelEndsEveryLoopAtOnceWithoutAQuestion)
{
    ExamSettings restarts = FixedPair(OpDiv, "1", "", "8", "", 20);  // 0.125 rounds to 0
    restarts.nRound = 1;
    const struct {
        const char* name;
        ExamSettings settings;
    } cases[] = {
        {"attempts of a difference", FixedPair(OpSub, "5", "", "5", "", 20)},
        {"attempts of a product", FixedPair(OpMul, "0", "", "3", "", 20)},
        {"attempts of a quotient", WorstAcceptedSetting()},
        {"restarts of a quotient", restarts},
    };
    for (const auto& c : cases) {
        CancellingHost host;
        const RunResult result = MakeRun(c.settings, host);
        EXPECT_TRUE(result.Cancelled()) << c.name;
        EXPECT_TRUE(result.Lines1.empty() && result.Lines3.empty()) << c.name;
        EXPECT_EQ(host.ConfirmCount, 0) << c.name;
        EXPECT_TRUE(host.Messages.empty()) << c.name;
        EXPECT_LT(result.Work, 10'000) << c.name;
    }
}

TEST(RunBudget, TheWorstSettingEndsWithItsReportWhenTheBudgetIsSpent)
{
    // One attempt of this setting costs a few thousand units at most.
    const std::int64_t slack = 10'000;
    // The first problem's restarts spend the budget in the middle of their
    // attempts, which end in the loop-over question; after a Yes the kept
    // pair is rejected once more and the run gives up.
    const struct {
        bool yes;
        std::vector<std::string> messages;
        const char* status;
    } cases[] = {
        {false, {}, "Loop over(整数だけの数)"},
        {true, {"条件が合いません(結果が０)"}, "Loop over(結果が０)"},
    };
    for (const auto& c : cases) {
        ScriptedGenHost host;
        host.ConfirmAnswers = {c.yes};
        const RunResult result = MakeRun(WorstAcceptedSetting(), host, 1001);
        EXPECT_EQ(result.Outcome, RunOutcome::Abandoned) << c.yes;
        EXPECT_EQ(host.ConfirmCount, 1) << c.yes;
        EXPECT_EQ(host.Messages, c.messages) << c.yes;
        EXPECT_EQ(host.Status[1], c.status) << c.yes;
        EXPECT_GE(result.Work, kRunWorkBudget) << c.yes;
        EXPECT_LE(result.Work, kRunWorkBudget + slack) << c.yes;
    }
}

}  // namespace
