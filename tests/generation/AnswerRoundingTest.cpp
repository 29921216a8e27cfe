#include "generation/AnswerRounding.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

Decimal D(const char* text)
{
    return ParseDecimal(text).value();
}

TEST(AnswerRounding, LeadingExponentIsThePlaceOfTheFirstFigure)
{
    const struct {
        const char *num, *den;
        int e;
    } cases[] = {
        {"28.98", "1", 2}, {"0.0256", "1", -1}, {"1", "1", 1}, {"0.1", "1", 0},
        {"9.99", "1", 1},  {"10", "1", 2},      {"-0.0256", "1", -1},
        {"0.23", "8.9", -1}, {"7.4", "0.3", 2}, {"1", "3", 0}, {"0", "5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingExponent(D(c.num), D(c.den)), c.e) << c.num << " / " << c.den;
}

TEST(AnswerRounding, RoundAtAcceptsPlacesLeftOfThePoint)
{
    EXPECT_EQ(RoundAt(D("1234.5"), -2), D("1200"));
    EXPECT_EQ(RoundAt(D("1250"), -2), D("1300"));
    EXPECT_EQ(RoundAt(D("-1250"), -2), D("-1300"));
    // One rounding, not two: 14.5 to tens is 10, not 15 then 20.
    EXPECT_EQ(RoundAt(D("14.5"), -1), D("10"));
    EXPECT_EQ(QuotientRoundedAt(D("29"), D("2"), -1), D("10"));  // 14.5
    EXPECT_EQ(QuotientRoundedAt(D("2.5"), D("0.1"), -1), D("30"));  // 25
    EXPECT_EQ(RoundAt(D("2.25"), 1), D("2.3"));
}

struct RoundCase {
    const char *num, *den;
    bool sig;
    int nRound;
    const char* value;
    int places;
    bool changed;
    const char* yaku;
};

TEST(AnswerRounding, PlaceOrFiguresKeepTheZerosAskedFor)
{
    const RoundCase cases[] = {
        {"0.0256", "1", true, 2, "0.026", 3, true, "約0.026"},
        {"28.98", "1", true, 2, "29", 0, true, "約29"},
        {"28.98", "1", false, 2, "29.0", 1, true, "約29.0"},
        {"2.996", "1", true, 2, "3.0", 1, true, "約3.0"},
        // The carry of 9.96 adds a figure: 10, not 10.0.
        {"9.96", "1", true, 2, "10", 0, true, "約10"},
        {"0.0996", "1", true, 2, "0.10", 2, true, "約0.10"},
        {"1234.5", "1", true, 2, "1200", 0, true, "約1200"},
        {"0.23", "8.9", true, 2, "0.026", 3, true, "約0.026"},
        {"7", "2", false, 2, "3.5", 1, false, "約3.5"},
        {"3.5", "1", true, 2, "3.5", 1, false, "約3.5"},
        {"1", "3", true, 3, "0.333", 3, true, "約0.333"},
        // A place outside 1..6 from the settings file counts as 1..6.
        {"28.98", "1", true, 0, "30", 0, true, "約30"},
    };
    for (const RoundCase& c : cases) {
        ExamSettings settings;
        settings.fRoundSig = c.sig;
        settings.nRound = c.nRound;
        const RoundedAnswer answer = RoundAnswer(settings, D(c.num), D(c.den));
        EXPECT_EQ(answer.Value, D(c.value)) << c.num << " / " << c.den;
        EXPECT_EQ(answer.Places, c.places) << c.num << " / " << c.den;
        EXPECT_EQ(answer.Changed, c.changed) << c.num << " / " << c.den;
        EXPECT_EQ(YakuText(answer), c.yaku) << c.num << " / " << c.den;
    }
}

TEST(AnswerRounding, RemainderQuotientsNeverCutIntoTheWholePart)
{
    ExamSettings settings;
    settings.fRoundSig = true;
    settings.nRound = 2;
    EXPECT_EQ(TruncationPlaces(settings, D("7.4"), D("0.3")), 0);    // 24.66…
    EXPECT_EQ(TruncationPlaces(settings, D("999"), D("0.3")), 0);    // 3330
    EXPECT_EQ(TruncationPlaces(settings, D("0.23"), D("8.9")), 3);   // 0.0258…
    settings.fRoundSig = false;
    EXPECT_EQ(TruncationPlaces(settings, D("999"), D("0.3")), 1);
}

// The answer lines of both operations with figures and 約.
struct LineCase {
    int operation;
    const char *xInt, *xDec, *yInt, *yDec;
    bool sig, yaku, rest;
    int nRound;
    const char* line;
};

TEST(AnswerRounding, ProblemListsWriteRoundedAnswersAsTextbooksDo)
{
    const LineCase cases[] = {
        {OpDiv, "0", "23", "8", "9", true, true, false, 2, "0.23 | 8.9 | 約0.026"},
        {OpDiv, "0", "23", "8", "9", true, false, false, 2, "0.23 | 8.9 | 0.026"},
        {OpDiv, "28", "98", "1", "", true, true, false, 2, "28.98 | 1 | 約29"},
        {OpDiv, "28", "98", "1", "", false, true, false, 2, "28.98 | 1 | 約29.0"},
        {OpDiv, "28", "98", "1", "", false, false, false, 2, "28.98 | 1 | 29"},
        // Exact quotients stay plain.
        {OpDiv, "6", "", "4", "", false, true, false, 2, "6 | 4 | 1.5"},
        {OpDiv, "7", "4", "0", "3", true, true, true, 2, "7.4 | 0.3 | 24 あまり 0.2"},
        {OpDiv, "7", "4", "0", "3", false, true, true, 2, "7.4 | 0.3 | 24.6 あまり 0.02"},
        {OpMul, "2", "", "14", "49", true, true, false, 2, "2 | 14.49 | 約29"},
        {OpMul, "2", "", "14", "49", false, true, false, 2, "2 | 14.49 | 約29.0"},
        {OpMul, "2", "5", "3", "4", false, true, false, 2, "2.5 | 3.4 | 8.5"},
        {OpMul, "0", "16", "0", "16", true, true, false, 2, "0.16 | 0.16 | 約0.026"},
        {OpMul, "0", "16", "0", "16", true, false, false, 2, "0.16 | 0.16 | 0.026"},
        {OpMul, "123", "45", "10", "", true, true, false, 2, "123.45 | 10 | 約1200"},
        // A whole product is never rounded.
        {OpMul, "1234", "", "1", "", true, true, false, 2, "1234 | 1 | 1234"},
    };
    for (const LineCase& c : cases) {
        ExamSettings settings = FixedPair(c.operation, c.xInt, c.xDec, c.yInt, c.yDec);
        settings.fRound = true;
        settings.fRoundSig = c.sig;
        settings.fYaku = c.yaku;
        settings.fRest = c.rest;
        settings.nRound = c.nRound;
        ScriptedGenHost host;
        EXPECT_EQ(Line(MakeRun(settings, host)), c.line);
    }
}

}  // namespace
