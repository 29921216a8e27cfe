#include "generation/AnswerOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(AnswerOptions, RoundingStaysOnForDivisionOnly)
{
    ExamSettings settings;
    settings.fRound = true;
    EXPECT_TRUE(CBoxRoundClick(settings, false, OpDiv));
    EXPECT_TRUE(settings.fRound);
    EXPECT_FALSE(CBoxRoundClick(settings, false, OpMul));
    EXPECT_FALSE(settings.fRound);
    EXPECT_TRUE(CBoxRoundClick(settings, true, OpMul));
}

TEST(AnswerOptions, RestAndJustAreNeverBothOn)
{
    ExamSettings settings;
    EXPECT_FALSE(CBoxJustClick(settings, true));
    EXPECT_TRUE(CBoxRestClick(settings, true));  // clears the simple quotient
    EXPECT_TRUE(settings.fRest);
    EXPECT_FALSE(settings.fJust);
    EXPECT_TRUE(CBoxJustClick(settings, true));  // clears the remainder
    EXPECT_TRUE(settings.fJust);
    EXPECT_FALSE(settings.fRest);
    EXPECT_FALSE(CBoxJustClick(settings, false));
    EXPECT_FALSE(settings.fJust || settings.fRest);
}

}  // namespace
