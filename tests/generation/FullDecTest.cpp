// "最後の位まで使う": a drawn operand shows every decimal place of its range.
#include "RunFixture.h"

#include <gtest/gtest.h>

namespace {

int Decimals(const std::string& text)
{
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

struct FullDecCase {
    int operation;
    const char* ranges[8];
    int leftPlaces, rightPlaces;  // places every operand shows; -1: not checked
};

// 1,000 problems per seed and case: without the option about one operand
// in ten loses its last place, so every seed would catch a missed redraw.
TEST(FullDec, EveryDrawnOperandShowsAllItsPlaces)
{
    const FullDecCase cases[] = {
        {OpAdd, {"0", "001", "9", "999", "0", "01", "19", "99"}, 3, 2},
        {OpSub, {"1", "01", "19", "99", "0", "001", "9", "999"}, 2, 3},
        {OpMul, {"0", "1", "9", "99", "2", "", "9", ""}, 2, 0},
        {OpDiv, {"1", "0", "99", "9", "0", "1", "9", "9"}, 1, 1},
    };
    for (const FullDecCase& c : cases) {
        ExamSettings settings;
        settings.Operation = c.operation;
        settings.ExamRowN = 1000;
        settings.ExamColN = 1;
        for (int i = 0; i < RangeEditCount; ++i)
            settings.Ranges[i] = c.ranges[i];
        settings.fFullDec = true;
        settings.fRound = true;
        settings.nRound = 3;
        settings.fZero = settings.fOne = false;
        for (std::uint64_t seed : {1u, 7u, 2026u}) {
            ScriptedGenHost host;
            const RunResult result = MakeRun(settings, host, seed);
            ASSERT_TRUE(result.Completed()) << host.Status[1];
            for (size_t i = 0; i < result.Lines1.size(); ++i) {
                if (c.operation != OpDiv) {  // a division's dividend may be made, not drawn
                    ASSERT_EQ(Decimals(result.Lines1[i]), c.leftPlaces) << Line(result, i);
                }
                ASSERT_EQ(Decimals(result.Lines2[i]), c.rightPlaces) << Line(result, i);
            }
        }
    }
}

TEST(FullDec, OffByDefaultSoTrailingZerosStillVanish)
{
    ExamSettings settings;
    settings.ExamRowN = 200;
    SetRange(settings, 0, "0", "01", "9", "99");
    SetRange(settings, 1, "0", "01", "9", "99");
    ScriptedGenHost host;
    const RunResult result = MakeRun(settings, host, 5);
    int shortened = 0;
    for (const std::string& text : result.Lines1)
        shortened += Decimals(text) < 2;
    EXPECT_GT(shortened, 0);
}

// A range whose every value ends in 0 cannot show its last place: the run
// keeps such values rather than drawing for ever.
TEST(FullDec, ARangeOfOnlyRoundValuesStillEnds)
{
    ExamSettings settings = FixedPair(OpAdd, "3", "50", "1", "20", 3);
    settings.CBox1 = settings.CBox2 = true;
    settings.fFullDec = true;
    ScriptedGenHost host;
    const RunResult result = MakeRun(settings, host);
    ASSERT_TRUE(result.Completed());
    EXPECT_EQ(Line(result, 2), "3.5 | 1.2 | 4.7");
}

}  // namespace
