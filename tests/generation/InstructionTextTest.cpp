#include "generation/InstructionText.h"

#include <gtest/gtest.h>

namespace {

struct InstructionCase {
    int operation;
    bool fRound, fRest, fJust, fRoundSig;
    int nRound;
    bool columnForm;
    const char* text;
};

TEST(InstructionText, SaysWhatTheAnswerMustBe)
{
    const InstructionCase cases[] = {
        {OpDiv, true, true, false, false, 2, true, "商は1/10の位まで求めて、あまりも出しましょう。"},
        {OpDiv, true, true, false, false, 1, false, "商は一の位まで求めて、あまりも出しましょう。"},
        {OpDiv, true, true, false, true, 2, true, "商は上から2けたまで求めて、あまりも出しましょう。"},
        {OpDiv, true, false, true, false, 2, true, "わりきれるまで計算しましょう。"},
        {OpDiv, true, false, false, false, 2, true,
         "商は四捨五入して、1/10の位までのがい数で求めましょう。"},
        {OpDiv, true, false, false, false, 4, false,
         "商は四捨五入して、1/1000の位までのがい数で求めましょう。"},
        {OpDiv, true, false, false, true, 2, false,
         "商は四捨五入して、上から2けたのがい数で求めましょう。"},
        {OpMul, true, false, false, false, 3, true,
         "積は四捨五入して、1/100の位までのがい数で求めましょう。"},
        {OpMul, true, false, false, true, 3, false,
         "積は四捨五入して、上から3けたのがい数で求めましょう。"},
        // Remainder and simple-quotient options mean nothing to a product.
        {OpMul, false, true, true, false, 2, true, "筆算でしましょう。"},
        {OpMul, false, false, false, false, 2, false, ""},
        {OpAdd, false, false, false, false, 2, true, "筆算でしましょう。"},
        {OpSub, true, true, false, true, 2, false, ""},
    };
    for (const InstructionCase& c : cases) {
        ExamSettings settings;
        settings.Operation = c.operation;
        settings.fRound = c.fRound;
        settings.fRest = c.fRest;
        settings.fJust = c.fJust;
        settings.fRoundSig = c.fRoundSig;
        settings.nRound = c.nRound;
        EXPECT_EQ(InstructionText(settings, c.columnForm), c.text) << c.text;
    }
}

TEST(InstructionText, PlaceNamesFollowTheRoundingPlace)
{
    const std::pair<int, const char*> cases[] = {
        {1, "一の位"}, {2, "1/10の位"}, {3, "1/100の位"}, {6, "1/100000の位"},
        {0, "一の位"}, {9, "1/100000の位"},  // outside 1..6: clamped like the rounding
    };
    for (const auto& [nRound, name] : cases)
        EXPECT_EQ(PlaceName(nRound), name) << nRound;
}

}  // namespace
