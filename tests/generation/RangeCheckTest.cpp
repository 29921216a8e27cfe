#include "generation/RangeCheck.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct RangeCase {
    int edit;
    const char* text;
    const char* message;  // "" when accepted
};

TEST(RangeCheck, GivesTheMessageOfTheFirstFailingStep)
{
    const RangeCase cases[] = {
        {EdtMin1, "  3 ", ""},
        {EdtMin1, "", "整数部は空白は指定できません"},
        {EdtMax2, "   ", "整数部は空白は指定できません"},
        {EdtMin1e, "", ""},
        {EdtMax2e, "  ", ""},
        {EdtMin1, "abc", "数を入力して下さい"},
        {EdtMin1e, "1.5", "数を入力して下さい"},
        {EdtMax1, "1000", ""},
        {EdtMax1, "10000", "整数部は1000以下を指定して下さい"},
        {EdtMin1, "-999", ""},
        {EdtMin1, "-1000", "整数部は1000以下を指定して下さい"},
        {EdtMin1e, "12345", "小数点以下は４桁以下を指定して下さい"},
        {EdtMin1e, "-5", "小数点以下は正の整数又は零を指定して下さい"},
        {EdtMin1e, "+5", "数を入力して下さい"},
        {EdtMax1, "1001", "設定値は1000以下でなければいけません"},
        {EdtMin2, "11", "最小値は最大値以下でなければいけません"},
        {EdtMax1, "0", "最小値は最大値以下でなければいけません"},
        {EdtMin1, "-2", ""},
        {EdtMax1e, "9999", ""},
    };
    for (const RangeCase& c : cases) {
        RangeTexts texts = ExamSettings::DefaultRanges();
        texts[c.edit] = c.text;
        RangeVerdict verdict = CheckRange(texts, c.edit);
        EXPECT_EQ(verdict.Accepted, std::string(c.message).empty()) << c.edit << " '" << c.text << "'";
        EXPECT_EQ(verdict.Message, c.message) << c.edit << " '" << c.text << "'";
    }
}

TEST(RangeCheck, AcceptedTextIsTrimmed)
{
    RangeTexts texts = ExamSettings::DefaultRanges();
    texts[EdtMax2] = "  25\t";
    EXPECT_EQ(CheckRange(texts, EdtMax2).Text, "25");
}

TEST(RangeCheck, ComparesWholeBoundsIncludingDecimalsAndSigns)
{
    RangeTexts texts = ExamSettings::DefaultRanges();
    texts[EdtMax1] = "1000";
    texts[EdtMax1e] = "5";  // 1000.5
    EXPECT_EQ(CheckRange(texts, EdtMax1e).Message, "設定値は1000以下でなければいけません");

    texts = ExamSettings::DefaultRanges();
    texts[EdtMin1] = "-2";
    texts[EdtMin1e] = "50";  // −2.50
    texts[EdtMax1] = "-2";
    texts[EdtMax1e] = "4";  // −2.4
    EXPECT_TRUE(CheckRange(texts, EdtMax1e).Accepted);
    texts[EdtMax1e] = "6";  // −2.6 < −2.50
    EXPECT_EQ(CheckRange(texts, EdtMax1e).Message, "最小値は最大値以下でなければいけません");

    texts = ExamSettings::DefaultRanges();
    texts[EdtMin2] = "10";
    texts[EdtMin2e] = "01";  // 10.01 > 10.00
    EXPECT_EQ(CheckRange(texts, EdtMin2e).Message, "最小値は最大値以下でなければいけません");
}

TEST(RangeCheck, TextsOfManyDigitsInTheOtherEditsStillCompareExactly)
{
    // Another edit may hold a text that was never checked; its bound has up
    // to 36 decimals, which must compare exactly against 1000 and the others.
    const std::string tiny = std::string(35, '0') + "1";  // 0.000…01 = 10^-36
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        int checked;
        const char* message;
    };
    const Case cases[] = {
        {"tiny minimum within the limits", {{EdtMin1, "0"}, {EdtMin1e, tiny}}, EdtMax1, ""},
        {"tiny minimum above a zero maximum",
         {{EdtMin1, "0"}, {EdtMin1e, tiny}, {EdtMax1, "0"}, {EdtMax1e, ""}}, EdtMax1,
         "最小値は最大値以下でなければいけません"},
        {"exponent in the decimal digits", {{EdtMin1e, "1e-35"}}, EdtMax1, ""},
        {"just above 1000", {{EdtMax1, "1000"}, {EdtMax1e, std::string(31, '0') + "1"}}, EdtMin1,
         "設定値は1000以下でなければいけません"},
    };
    for (const Case& c : cases) {
        RangeTexts texts = ExamSettings::DefaultRanges();
        for (const auto& [edit, text] : c.texts)
            texts[edit] = text;
        EXPECT_EQ(CheckRange(texts, c.checked).Message, c.message) << c.name;
    }
}

TEST(RangeCheck, RoundPlaceAcceptsOneToSix)
{
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"6", 6}, {" 3 ", 3}, {"0", 0}, {"7", 0}, {"-1", 0}, {"", 0}, {"2.5", 0}, {"x", 0},
    };
    for (const auto& [text, value] : cases) {
        RoundPlaceVerdict verdict = CheckRoundPlace(text);
        EXPECT_EQ(verdict.Accepted, value != 0) << text;
        EXPECT_EQ(verdict.Value, value) << text;
        if (!verdict.Accepted) {
            EXPECT_EQ(verdict.Message, "6以下の正の整数でなければいけません");
        }
    }
}

}  // namespace
