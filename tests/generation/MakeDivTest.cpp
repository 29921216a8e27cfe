#include "generation/Decimal.h"
#include "generation/DivisionAnswer.h"
#include "generation/GenerationRun.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct DivCase {
    const char *xInt, *xDec, *yInt, *yDec;
    int nRound;
    bool fRest, fJust, fDelZero;
    const char* line;
};

TEST(MakeDiv, ListsQuotientsAndRemainders)
{
    const DivCase cases[] = {
        {"7", "", "2", "", 1, true, false, true, "7 | 2 | 3 あまり 1"},
        {"7", "", "2", "", 2, true, false, true, "7 | 2 | 3.5"},
        {"7", "", "2", "", 1, false, false, true, "7 | 2 | 4"},
        {"7", "", "2", "", 3, false, false, true, "7 | 2 | 3.5"},
        {"7", "", "2", "", 3, false, false, false, "7 | 2 | 3.5"},
        {"2", "", "3", "", 2, false, false, true, "2 | 3 | 0.7"},
        {"10", "", "4", "", 2, true, false, true, "10 | 4 | 2.5"},
        {"10", "", "4", "", 3, true, false, false, "10 | 4 | 2.50"},
        {"1", "", "8", "", 3, true, false, true, "1 | 8 | 0.12 あまり 0.04"},
        {"1", "", "8", "", 6, true, false, true, "1 | 8 | 0.125"},
        {"1", "", "16", "", 6, true, false, false, "1 | 16 | 0.06250"},
        {"2", "5", "0", "5", 2, true, false, true, "2.5 | 0.5 | 5"},
        {"1", "", "0", "0001", 1, false, false, true, "1 | 0.0001 | 10000"},
        {"0", "0001", "1000", "", 6, true, false, true, "0.0001 | 1000 | 0 あまり 0.0001"},
        {"9", "", "1", "5", 2, false, true, true, "9 | 1.5 | 6"},
        {"5", "", "3", "", 2, true, false, true, "5 | 3 | 1.6 あまり 0.2"},
    };
    for (const DivCase& c : cases) {
        ExamSettings settings = FixedPair(OpDiv, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.nRound = c.nRound;
        settings.fRest = c.fRest;
        settings.fDelZero = c.fDelZero;
        settings.fZero = settings.fOne = false;
        ScriptedGenHost host;
        if (c.fJust) {  // the simple quotient replaces the dividend: draw the divisor only
            settings.fJust = true;
            SetRange(settings, 0, "1", "", "100", "");
        }
        RunResult result = MakeRun(settings, host);
        if (c.fJust) {
            ASSERT_TRUE(result.Completed());
            EXPECT_EQ(*ParseDecimal(result.Lines1[0]), *ParseDecimal(result.Lines2[0]) * *ParseDecimal(result.Lines3[0]));
            continue;
        }
        EXPECT_TRUE(result.Completed()) << c.line;
        EXPECT_EQ(Line(result), c.line);
    }
}

TEST(MakeDiv, SignsOfQuotientAndRemainderInSignModeTwo)
{
    const DivCase cases[] = {
        {"-7", "", "2", "", 1, true, false, true, "-7 | 2 | -3 あまり -1"},
        {"7", "", "-2", "", 1, true, false, true, "7 | -2 | -3 あまり 1"},
        {"-7", "", "-2", "", 1, true, false, true, "-7 | -2 | 3 あまり -1"},
        {"-7", "", "2", "", 1, false, false, true, "-7 | 2 | -4"},
        {"-1", "", "8", "", 3, true, false, true, "-1 | 8 | -0.12 あまり -0.04"},
        {"-2", "", "3", "", 2, false, false, true, "-2 | 3 | -0.7"},
    };
    for (const DivCase& c : cases) {
        ExamSettings settings = FixedPair(OpDiv, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.nMinus = 2;
        settings.nRound = c.nRound;
        settings.fRest = c.fRest;
        ScriptedGenHost host;
        EXPECT_EQ(Line(MakeRun(settings, host)), c.line);
    }
}

TEST(MakeDiv, SimpleQuotientsListOnlyDividendsThatFit)
{
    ExamSettings settings;
    settings.Operation = OpDiv;
    settings.ExamRowN = 20;
    settings.fJust = true;
    settings.CBox2 = false;
    SetRange(settings, 0, "1", "", "100", "");
    SetRange(settings, 1, "1", "5", "1", "5");
    ScriptedGenHost host;
    RunResult result = MakeRun(settings, host);
    ASSERT_TRUE(result.Completed());
    for (size_t i = 0; i < result.Lines1.size(); ++i) {
        Decimal dividend = *ParseDecimal(result.Lines1[i]);
        EXPECT_EQ(dividend.Normalized().Scale, 0) << Line(result, i);  // whole numbers only
        EXPECT_EQ(dividend, (Decimal{15, 1} * *ParseDecimal(result.Lines3[i]))) << Line(result, i);
    }
}

TEST(MakeDiv, SimpleQuotientsKeepTheSignMode)
{
    // A dividend range reaching further below zero than above: the simple
    // quotient often replaces a positive drawn dividend with a negative one.
    struct Case {
        int nMinus;
        int LowestSign;  // the smallest sign a quotient may have
    };
    for (const Case& c : {Case{0, 1}, Case{1, 0}, Case{2, -1}}) {
        ExamSettings settings;
        settings.Operation = OpDiv;
        settings.ExamRowN = 20;
        settings.fJust = true;
        settings.CBox2 = false;
        settings.nMinus = c.nMinus;
        SetRange(settings, 0, "-100", "", "10", "");
        SetRange(settings, 1, "1", "", "5", "");
        ScriptedGenHost host;
        RunResult result = MakeRun(settings, host);
        ASSERT_TRUE(result.Completed()) << c.nMinus;
        int lowest = 1;
        for (size_t i = 0; i < result.Lines3.size(); ++i) {
            const Decimal quotient = *ParseDecimal(result.Lines3[i]);
            const int sign = quotient.IsNegative() ? -1 : quotient.IsZero() ? 0 : 1;
            EXPECT_GE(sign, c.LowestSign) << "mode " << c.nMinus << ": " << Line(result, i);
            lowest = std::min(lowest, sign);
        }
        if (c.nMinus == 2) {
            EXPECT_EQ(lowest, -1);  // the range does give negative quotients
        }
    }
}

TEST(MakeDiv, DivisorZeroDrawnAtRandomLoopsOver)
{
    ExamSettings settings = FixedPair(OpDiv, "1", "", "0", "");
    settings.CBox2 = true;
    ScriptedGenHost refused;
    EXPECT_EQ(MakeRun(settings, refused).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(refused.Status[1], "Loop over(０では割れません)");
    EXPECT_TRUE(refused.Messages.empty());

    // Yes keeps a pair whose quotient cannot be made: the run stops with a message.
    ScriptedGenHost accepted;
    accepted.ConfirmAnswers = {true};
    EXPECT_EQ(MakeRun(settings, accepted).Outcome, RunOutcome::Abandoned);
    ASSERT_EQ(accepted.Messages.size(), 1u);
}

TEST(MakeDiv, DivisorZeroInSequenceStopsAtOnce)
{
    ExamSettings settings = FixedPair(OpDiv, "1", "", "0", "");
    ScriptedGenHost host;
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.Events, (std::vector<std::string>{"status1: ",
                                                      "message: 割る数が０になります。条件を確認して下さい",
                                                      "stop timer"}));
}

TEST(MakeDiv, DividendZeroIsNotPositive)
{
    ExamSettings settings = FixedPair(OpDiv, "0", "", "3", "");
    ScriptedGenHost host;
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.Status[1], "Loop over(数が０以下)");
}

struct BoundCase {
    const char *xInt, *yInt;
    int nRound;
    bool fRest;
    const char* reason;
};

TEST(MakeDiv, AnswerTestsThatNeverPassEndAtTheRestartBound)
{
    const BoundCase cases[] = {
        {"1", "8", 1, false, "結果が０"},  // 0.125 rounds to 0
        {"3", "3", 2, false, "結果が１"},
        {"1", "2", 1, true, "結果が１"},  // the rounded quotient 1 is tested, not 0 あまり 1
        {"1", "3", 6, true, "誤差が生じました"},  // the fifth decimal is lost to the remainder
    };
    for (const BoundCase& c : cases) {
        ExamSettings settings = FixedPair(OpDiv, c.xInt, "", c.yInt, "");
        settings.nRound = c.nRound;
        settings.fRest = c.fRest;
        ScriptedGenHost host;
        RunResult result = MakeRun(settings, host);
        EXPECT_EQ(result.Outcome, RunOutcome::Abandoned) << c.reason;
        EXPECT_EQ(host.Status[0], "1000");
        EXPECT_EQ(host.Messages, (std::vector<std::string>{std::string("条件が合いません(") + c.reason + ")"}));
        EXPECT_EQ(host.Status[1], std::string("Loop over(") + c.reason + ")");
    }
}

TEST(MakeDiv, YesToALoopOverIsAskedOnceThroughTheRestarts)
{
    // 0 ÷ 3 is not positive (a loop over) and, kept by a Yes, its quotient 0
    // is excluded: each restart loops over again until the restart bound.
    ExamSettings settings = FixedPair(OpDiv, "0", "", "3", "");
    settings.fZero = true;
    ScriptedGenHost host;
    host.ConfirmAnswers = {true};
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.ConfirmCount, 1);
    EXPECT_EQ(host.Status[0], "1000");
    EXPECT_EQ(host.Messages, (std::vector<std::string>{"条件が合いません(結果が０)"}));
}

TEST(MakeDiv, RestartBoundInTestModeOnlyReportsInTheStatusBar)
{
    ExamSettings settings = FixedPair(OpDiv, "1", "", "8", "");
    settings.nRound = 1;
    ScriptedGenHost host;
    host.TestMode = true;
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(host.Status[1], "条件が合いません(結果が０)");
    EXPECT_TRUE(host.TimerStopped);
}

TEST(MakeDiv, TruncatedSimpleDividendLeavesARemainder)
{
    // Dividends 12..13 ÷ 1.5: the only simple quotient that fits is 8.5,
    // whose dividend 12.75 is truncated to 12 and rejected every time.
    ExamSettings settings;
    settings.Operation = OpDiv;
    settings.fJust = true;
    settings.CBox2 = false;
    SetRange(settings, 0, "12", "", "13", "");
    SetRange(settings, 1, "1", "5", "1", "5");
    ScriptedGenHost host;
    EXPECT_EQ(MakeRun(settings, host).Outcome, RunOutcome::Abandoned);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"条件が合いません(余りが生じました)"});
}

TEST(MakeDiv, ACutSimpleDividendIsRejectedForTheReasonItsAnswerTestsGive)
{
    // Every simple quotient of a few divisors whose dividend b × q has more
    // decimals than operand 1 takes: the answer tests never accept it, and
    // the early rejection names the same reason, under every rounding.
    const std::int64_t divisors[] = {15, 25, 95, 125, 3, 7};  // tenths, hundredths: b = y / 10^places2
    for (int places1 : {0, 1}) {
        for (int places2 : {1, 2}) {
            for (std::int64_t y : divisors) {
                for (std::int64_t m = 2; m <= 120; ++m) {
                    const std::int64_t q10 = 600 / m;
                    const int shift = places2 + 1 - places1;
                    const std::int64_t factor = ScaleOf(shift);
                    if ((y * q10) % factor == 0)
                        continue;  // not cut
                    DivisionPair pair;
                    pair.Places1 = places1;
                    pair.Places2 = places2;
                    pair.Y = y;
                    pair.X = y * q10 / factor;
                    pair.Divisor = Decimal::FromScaled(y, places2);
                    pair.Dividend = pair.Divisor * Decimal{q10, 1};
                    for (int nRound : {1, 2, 3}) {
                        for (bool sig : {false, true}) {
                            ExamSettings settings;
                            settings.fJust = true;
                            settings.nRound = nRound;
                            settings.fRoundSig = sig;
                            const DivisionAnswer full = MakeDivisionAnswer(settings, pair);
                            const DivisionAnswer early = RejectCutDividend(settings, pair, Decimal{q10, 1});
                            ASSERT_FALSE(full.Accepted) << y << " x " << q10;
                            EXPECT_FALSE(early.Accepted);
                            EXPECT_STREQ(early.Reason, full.Reason)
                                << y << "/10^" << places2 << " x " << q10 << "/10 into " << places1
                                << " places, round " << nRound << (sig ? " figures" : "");
                        }
                    }
                }
            }
        }
    }
}

TEST(MakeDiv, ExactSimpleQuotientsDrawOnlyDividendsThatDivideOut)
{
    struct Case {
        const char *min1, *max1, *minDivisor, *maxDivisor;
        int nRound;
        const char* status;  // the loop-over report, or "" for a completed run
    };
    const Case cases[] = {
        {"1", "100", "1", "9", 2, ""},
        {"1", "100", "1", "9", 1, ""},  // the answer shows no decimal: neither does q
        // The only simple quotient that fits is 8.5, whose dividend 12.75 is
        // cut: no try fits, instead of a thousand rejected answers.
        {"12", "13", "1", "1", 2, "Loop over(その他の結果)"},
    };
    for (const Case& c : cases) {
        ExamSettings settings;
        settings.Operation = OpDiv;
        settings.ExamRowN = 20;
        settings.fJust = settings.fJustExact = true;
        settings.nRound = c.nRound;
        SetRange(settings, 0, c.min1, "", c.max1, "");
        SetRange(settings, 1, c.minDivisor, "5", c.maxDivisor, "5");
        ScriptedGenHost host;
        const RunResult result = MakeRun(settings, host);
        EXPECT_EQ(host.Status[1], c.status) << c.min1 << ".." << c.max1;
        EXPECT_EQ(result.Completed(), std::string(c.status).empty());
        for (size_t i = 0; i < result.Lines1.size(); ++i) {
            const Decimal dividend = *ParseDecimal(result.Lines1[i]);
            const Decimal quotient = *ParseDecimal(result.Lines3[i]);
            EXPECT_EQ(dividend.Normalized().Scale, 0) << Line(result, i);
            EXPECT_EQ(dividend, *ParseDecimal(result.Lines2[i]) * quotient) << Line(result, i);
            EXPECT_LE(quotient.Normalized().Scale, c.nRound - 1) << Line(result, i);
        }
    }
}

}  // namespace

namespace {

struct RemainderCase {
    std::int64_t x, y;
    int places1, places2;
    const char *quotient, *remainder;
};

TEST(DivisionRemainder, IsWhatTheTruncatedQuotientLeaves)
{
    const RemainderCase cases[] = {
        {7, 2, 0, 0, "3", "1"},
        {-7, 2, 0, 0, "-3", "-1"},
        {100, 8, 2, 0, "0.12", "0.04"},  // 1.00 ÷ 8
        {2000000000, 3, 0, 0, "666666666", "2"},  // beyond 64 bits on the way
    };
    for (const RemainderCase& c : cases) {
        DivisionPair pair;
        pair.X = c.x;
        pair.Y = c.y;
        pair.Places1 = c.places1;
        pair.Places2 = c.places2;
        EXPECT_EQ(DivisionRemainder(pair, *ParseDecimal(c.quotient)), *ParseDecimal(c.remainder))
            << c.x << " / " << c.y;
    }
}

}  // namespace
