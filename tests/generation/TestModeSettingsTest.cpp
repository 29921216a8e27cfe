#include "generation/TestModeSettings.h"

#include "generation/Decimal.h"
#include "generation/RangeCheck.h"

#include <gtest/gtest.h>
#include <map>

namespace {

Decimal Bound(const RangeTexts& texts, int edit)
{
    return ParseDecimal(texts[edit] + "." + texts[edit + 1]).value();
}

TEST(TestModeSettings, DrawsOrderedBoundsWithUpToFourDecimals)
{
    RandomSource random(3);
    for (int i = 0; i < 2000; ++i) {
        TestSettingsDraw draw = DrawTestSettings(random, OpAdd);
        for (int edit = 0; edit < RangeEditCount; ++edit) {
            const std::string& text = draw.Ranges[edit];
            if (IsDecimalEdit(edit)) {
                ASSERT_LE(text.size(), 4u);
                ASSERT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
            } else {
                std::optional<std::int32_t> value = ParseInt32(text);
                ASSERT_TRUE(value && *value >= -1000 && *value <= 1000) << text;
                ASSERT_NE(text, "-0");
            }
        }
        ASSERT_LE(Bound(draw.Ranges, EdtMin1), Bound(draw.Ranges, EdtMax1));
        ASSERT_LE(Bound(draw.Ranges, EdtMin2), Bound(draw.Ranges, EdtMax2));
        ASSERT_FALSE(draw.ChangesRound || draw.ChangesDivOption);
    }
}

TEST(TestModeSettings, DivisionAlsoDrawsPlaceAndOption)
{
    RandomSource random(4);
    std::map<TestDivOption, int> options;
    for (int i = 0; i < 3000; ++i) {
        TestSettingsDraw draw = DrawTestSettings(random, OpDiv);
        ASSERT_TRUE(draw.ChangesRound && draw.ChangesDivOption);
        ASSERT_GE(draw.nRound, 1);
        ASSERT_LE(draw.nRound, 6);
        ++options[draw.DivOption];
    }
    for (const auto& [option, count] : options)
        EXPECT_NEAR(count, 1000, 100);

    ExamSettings settings;
    TestSettingsDraw draw = DrawTestSettings(random, OpDiv);
    draw.DivOption = TestDivOption::Just;
    ApplyTestSettings(draw, settings);
    EXPECT_TRUE(settings.fJust);
    EXPECT_FALSE(settings.fRest);
    EXPECT_EQ(settings.nRound, draw.nRound);
    EXPECT_EQ(settings.Ranges, draw.Ranges);
}

}  // namespace
