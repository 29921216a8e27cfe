#include "generation/RunPreparation.h"

#include <gtest/gtest.h>

namespace {

struct PrepCase {
    const char *minInt, *minDec, *maxInt, *maxDec;
    int frcWo;
    int minV, maxV;
};

TEST(RunPreparation, PadsDecimalsToACommonScale)
{
    const PrepCase cases[] = {
        {"1", "5", "3", "25", 2, 150, 325},
        {"1", "", "10", "", 0, 1, 10},
        {"1", "00", "10", "00", 2, 100, 1000},
        {"-2", "50", "3", "", 2, -250, 300},
        {"0", "0001", "1000", "", 4, 1, 10000000},
        {"-0", "5", "0", "5", 1, -5, 5},
        // Not integers once joined: the fallbacks 1 and 10.
        {"x", "", "y", "", 0, 1, 10},
    };
    for (const PrepCase& c : cases) {
        RangeTexts texts = ExamSettings::DefaultRanges();
        texts[EdtMin2] = c.minInt;
        texts[EdtMin2e] = c.minDec;
        texts[EdtMax2] = c.maxInt;
        texts[EdtMax2e] = c.maxDec;
        RunRanges run = PrepareRun(texts);
        EXPECT_EQ(run.Operand[1].FrcWo, c.frcWo) << c.minInt << "." << c.minDec;
        EXPECT_EQ(run.Operand[1].MinV, c.minV) << c.minInt << "." << c.minDec;
        EXPECT_EQ(run.Operand[1].MaxV, c.maxV) << c.maxInt << "." << c.maxDec;
        // Operand 1 keeps the defaults.
        EXPECT_EQ(run.Operand[0].MinV, 100);
        EXPECT_EQ(run.Operand[0].MaxV, 1000);
    }
}

}  // namespace
