#include "generation/SheetCode.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::string TextOf(std::uint64_t seed)
{
    return SheetCode::FromSeed(seed)->Text();
}

TEST(SheetCodeTest, SeedsAndTextsCorrespondBothWays)
{
    struct Case {
        std::uint64_t Seed;
        const char* Text;
    };
    const Case cases[] = {
        {0, "333333"},
        {1, "333334"},
        {19, "33333Y"},
        {20, "333343"},
        {400, "333433"},
        {7, "33333E"},
        {12'345'678, "7W797X"},
        {SheetCode::SeedCount - 1, "YYYYYY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TextOf(c.Seed), c.Text);
        const CodeParse parse = SheetCode::Parse(c.Text);
        ASSERT_TRUE(parse.Code);
        EXPECT_EQ(parse.Code->Seed(), c.Seed);
        EXPECT_TRUE(parse.Message.empty());
    }
}

TEST(SheetCodeTest, EverySampledSeedRoundTripsThroughSixCodeCharacters)
{
    // A stride prime to 20 visits every digit value in every place.
    for (std::uint64_t seed = 0; seed < SheetCode::SeedCount; seed += 9'973) {
        const std::string text = TextOf(seed);
        ASSERT_EQ(text.size(), 6u);
        for (char c : text)
            ASSERT_NE(SheetCode::Alphabet.find(c), std::string_view::npos) << text;
        const CodeParse parse = SheetCode::Parse(text);
        ASSERT_TRUE(parse.Code) << text;
        ASSERT_EQ(parse.Code->Seed(), seed);
    }
}

TEST(SheetCodeTest, AlphabetHasNoCharacterEasilyTakenForAnother)
{
    EXPECT_EQ(SheetCode::Alphabet.size(), 20u);
    for (char c : std::string_view("0O1IL2Z5S8BUVGDQ"))
        EXPECT_EQ(SheetCode::Alphabet.find(c), std::string_view::npos) << c;
    EXPECT_EQ(std::set<char>(SheetCode::Alphabet.begin(), SheetCode::Alphabet.end()).size(), 20u);
}

TEST(SheetCodeTest, SeedsBeyondTheCodesHaveNoCode)
{
    EXPECT_TRUE(SheetCode::FromSeed(SheetCode::SeedCount - 1));
    EXPECT_FALSE(SheetCode::FromSeed(SheetCode::SeedCount));
    EXPECT_FALSE(SheetCode::FromSeed(~std::uint64_t{0}));
}

TEST(SheetCodeTest, TypedFormsAreReadAsTheCode)
{
    const char* const typed[] = {
        "7W797X",
        "7w797x",            // lower case
        " 7W7 97X ",         // blanks around and inside
        "7W7-97X",           // a hyphen between groups
        "No. 7W797X",        // copied with the status bar's prefix
        "no7w797x",
        "\t7W797X\t",
        "７Ｗ７９７Ｘ",      // full-width, as an input method types it
        "ｎｏ．　７ｗ７９７ｘ",
    };
    for (const char* text : typed) {
        const CodeParse parse = SheetCode::Parse(text);
        ASSERT_TRUE(parse.Code) << text << ": " << parse.Message;
        EXPECT_EQ(parse.Code->Seed(), 12'345'678u) << text;
    }
}

TEST(SheetCodeTest, TextsThatAreNoCodeAreRefusedWithAReason)
{
    struct Case {
        const char* Text;
        const char* Message;
    };
    const std::string letters = "番号は 34679ACEFHJKMNPRTWXY のうちの６文字です";
    const Case cases[] = {
        {"", "番号を入力して下さい"},
        {"   ", "番号を入力して下さい"},
        {"No.", "番号を入力して下さい"},
        {"7W797", nullptr},      // too short
        {"7W797XX", nullptr},    // too long
        {"7W7970", nullptr},     // zero
        {"7W797O", nullptr},     // letter O
        {"1W797X", nullptr},
        {"SW797X", nullptr},
        {"7W797+", nullptr},
        {"7W79あX", nullptr},
        {"7W7.97X", nullptr},    // a dot only after "No"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const CodeParse parse = SheetCode::Parse(c.Text);
        EXPECT_FALSE(parse.Code);
        const std::string expected =
            c.Message ? c.Message : "「" + std::string(c.Text) + "」は番号ではありません。" + letters;
        EXPECT_EQ(parse.Message, expected);
    }
}

TEST(SheetCodeTest, OnlyNoFollowedByACodeIsTakenAsThePrefix)
{
    // "O" is no code character, so "NO" starts no code; "N" alone does.
    const std::uint64_t nnnnnn = SheetCode::Parse("NNNNNN").Code->Seed();
    EXPECT_EQ(SheetCode::Parse("No.NNNNNN").Code->Seed(), nnnnnn);
    EXPECT_EQ(SheetCode::Parse("N7W797").Code->Text(), "N7W797");
    EXPECT_FALSE(SheetCode::Parse("No7W79").Code);  // five characters after the prefix
}

TEST(SheetCodeTest, DerivedSeedsArePinnedSoPrintedSetsCanBeMadeAgain)
{
    // Sheets of a set are made again from their printed codes only while
    // the derivation stays exactly the same.
    struct Case {
        std::uint64_t Seed, K, Derived;
    };
    const Case cases[] = {
        {0, 0, 0},
        {0, 1, 39'554'173},
        {0, 2, 15'108'346},             // 79 108 346 − 64 000 000
        {12'345'678, 0, 12'345'678},
        {12'345'678, 1, 51'899'851},
        {SheetCode::SeedCount - 1, 1, 39'554'172},
        {100'000'000, 3, 218'662'519},  // beyond the codes: not reduced
        {~std::uint64_t{0}, 1, 39'554'172},  // wraps modulo 2^64
    };
    for (const Case& c : cases)
        EXPECT_EQ(DerivedSeed(c.Seed, c.K), c.Derived) << c.Seed << " " << c.K;
}

TEST(SheetCodeTest, CodesOfASetAreAllDifferentAndAreCodes)
{
    const SheetCode first = *SheetCode::FromSeed(63'999'000);
    EXPECT_EQ(first.Derived(0), first);
    std::set<std::uint64_t> seen;
    for (std::uint64_t k = 0; k < 200'000; ++k) {
        const SheetCode code = first.Derived(k);
        ASSERT_LT(code.Seed(), SheetCode::SeedCount);
        ASSERT_TRUE(seen.insert(code.Seed()).second) << k;
    }
    // A huge k is reduced before it is multiplied, not overflowed.
    EXPECT_EQ(first.Derived(SheetCode::SeedCount + 5), first.Derived(5));
}

TEST(SheetCodeTest, NeighbouringSheetsOfASetDifferInTheirFirstCharacters)
{
    const SheetCode first = *SheetCode::FromSeed(0);
    for (std::uint64_t k = 0; k < 50; ++k)
        EXPECT_NE(first.Derived(k).Text().substr(0, 3), first.Derived(k + 1).Text().substr(0, 3)) << k;
}

} // namespace
