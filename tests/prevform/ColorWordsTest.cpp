#include "prevform/ColorWords.h"
#include <gtest/gtest.h>

TEST(ColorWordsTest, WordsReadWithoutRegardToCaseAndEverythingElseIsBlack)
{
    const std::vector<std::pair<QString, uint32_t>> cases{
        {"RED", 0x0000FF}, {"Red", 0x0000FF}, {" blue ", 0xFF0000}, {"GRAY", 0x808080},
        {"LTGRAY", 0xC0C0C0}, {"YELLOW", 0x00FFFF}, {"BLACK", 0}, {"black", 0},
        {"255", 0}, {"REDD", 0}, {"", 0}};
    for (const auto& [word, value] : cases)
        EXPECT_EQ(ColorFromWord(word), value) << word.toStdString();
}

TEST(ColorWordsTest, OnlyCodesUpTo32AreTrimmed)
{
    EXPECT_EQ(ColorFromWord(" red\t"), 0x0000FFu);
    EXPECT_EQ(ColorFromWord("RED" + QString(QChar(0x3000))), 0u);
    EXPECT_EQ(ColorFromWord(QString(QChar(0xA0)) + "BLUE"), 0u);
}

TEST(ColorWordsTest, EveryWrittenWordReadsBackToItsValue)
{
    for (uint32_t v : {0x000000u, 0x000080u, 0x0000FFu, 0x008000u, 0x008080u, 0x00FF00u,
                       0x00FFFFu, 0x800000u, 0x800080u, 0x808000u, 0x808080u, 0xC0C0C0u,
                       0xFF0000u, 0xFF00FFu, 0xFFFF00u, 0xFFFFFFu})
        EXPECT_EQ(ColorFromWord(WordFromColor(v)), v) << WordFromColor(v).toStdString();
    EXPECT_EQ(WordFromColor(0x123456), "BLACK");
    EXPECT_EQ(WordFromColor(0x808080), "DKGRAY");
    EXPECT_EQ(WordFromColor(0xC0C0C0), "SILVER");
}
