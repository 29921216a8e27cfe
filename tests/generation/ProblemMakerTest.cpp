#include "generation/ProblemMaker.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

// A host whose event processing asks for another run, as a make click or a
// timer tick arriving during a run would.
class ReenteringHost : public ScriptedGenHost {
public:
    ProblemMaker* Maker = nullptr;
    ExamSettings Settings;
    std::vector<RunOutcome> InnerOutcomes;

    void ProcessEvents() override { InnerOutcomes.push_back(Maker->MakeProblems(Settings, *this).Outcome); }
};

TEST(ProblemMaker, ASecondRunDoesNotStartInsideARunningOne)
{
    ProblemMaker maker(5);
    ReenteringHost host;
    host.Maker = &maker;
    host.TestMode = true;  // events are processed after every problem
    host.Settings.ExamRowN = 3;
    RunResult result = maker.MakeProblems(host.Settings, host);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(result.Lines1.size(), 3u);
    EXPECT_EQ(host.InnerOutcomes, std::vector<RunOutcome>(3, RunOutcome::NotRun));
    EXPECT_FALSE(maker.IsRunning());
    EXPECT_TRUE(maker.MakeProblems(host.Settings, host).Completed());  // free again
}

TEST(ProblemMaker, UnusableRangesAreReportedNotRun)
{
    struct Case {
        const char *minInt, *minDec, *maxInt, *maxDec;
        const char* message;
    };
    const Case cases[] = {
        {"10", "", "1", "", "最小値は最大値以下でなければいけません"},
        {"1", "12345", "2", "", "小数点以下は４桁以下を指定して下さい"},
    };
    for (const Case& c : cases) {
        ExamSettings settings;
        SetRange(settings, 1, c.minInt, c.minDec, c.maxInt, c.maxDec);
        ScriptedGenHost host;
        RunResult result = MakeRun(settings, host);
        EXPECT_EQ(result.Outcome, RunOutcome::NotRun);
        EXPECT_EQ(host.Messages, std::vector<std::string>{c.message});
    }
}

TEST(ProblemMaker, EmptiesTheHintPanelAndMakesRowsTimesColumns)
{
    ExamSettings settings;
    settings.Operation = OpMul;
    settings.ExamRowN = 4;
    settings.ExamColN = 5;
    ScriptedGenHost host;
    host.Status[1] = "old hint";
    RunResult result = MakeRun(settings, host);
    EXPECT_EQ(host.Events.front(), "status1: ");
    EXPECT_EQ(result.Lines2.size(), 20u);
}

TEST(ProblemMaker, SameSeedSameProblems)
{
    for (int operation : {OpAdd, OpSub, OpMul, OpDiv}) {
        ExamSettings settings;
        settings.Operation = operation;
        settings.nMinus = 2;
        ScriptedGenHost a, b;
        RunResult first = MakeRun(settings, a, 77);
        RunResult second = MakeRun(settings, b, 77);
        EXPECT_EQ(first.Lines1, second.Lines1);
        EXPECT_EQ(first.Lines3, second.Lines3);
    }
}

}  // namespace

namespace {

TEST(ProblemMaker, ASeededRunDependsOnlyOnSettingsAndSeed)
{
    // Normal draws keep a spare variate between calls: a seeded run must
    // not see one left over from an earlier run, or the same code would
    // give other problems after other runs.
    ExamSettings settings;
    settings.Operation = OpDiv;
    settings.rnd_D = 3;
    settings.ExamRowN = 7;
    ScriptedGenHost host;
    const RunResult fresh = ProblemMaker(99).MakeProblems(settings, host);
    ProblemMaker used(1);
    for (int i = 0; i < 3; ++i)
        used.MakeProblems(settings, host);
    const RunResult again = used.MakeProblems(settings, host, 99);
    ASSERT_TRUE(fresh.Completed());
    ASSERT_TRUE(again.Completed());
    EXPECT_EQ(again.Lines1, fresh.Lines1);
    EXPECT_EQ(again.Lines2, fresh.Lines2);
    EXPECT_EQ(again.Lines3, fresh.Lines3);
    EXPECT_NE(used.MakeProblems(settings, host, 100).Lines1, fresh.Lines1);
}

TEST(ProblemMaker, ASeededCallDuringARunLeavesItsSourceAlone)
{
    ScriptedGenHost host;
    host.TestMode = true;  // events are processed after every problem
    ExamSettings settings;
    settings.ExamRowN = 3;
    const RunResult plain = ProblemMaker(5).MakeProblems(settings, host);
    // The inner calls are refused; the outer run's draws are unchanged.
    struct SeedingHost : ReenteringHost {
        void ProcessEvents() override { InnerOutcomes.push_back(Maker->MakeProblems(Settings, *this, 1).Outcome); }
    } seeding;
    ProblemMaker maker(5);
    seeding.Maker = &maker;
    seeding.TestMode = true;
    seeding.Settings = settings;
    const RunResult outer = maker.MakeProblems(seeding.Settings, seeding);
    EXPECT_EQ(seeding.InnerOutcomes, std::vector<RunOutcome>(3, RunOutcome::NotRun));
    EXPECT_EQ(outer.Lines1, plain.Lines1);
}

} // namespace
