#include "QStringPrinter.h"
#include "worksheet/HeadingText.h"
#include "worksheet/PositionValue.h"
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(9, 5, 7));

TEST(HeadingText, OnlyExactMacrosExpand)
{
    const QLocale locale = QLocale::c();
    EXPECT_EQ(HeadingText("%t", kNow, locale), "09:05:07");
    EXPECT_EQ(HeadingText("%d", kNow, locale), locale.toString(kNow.date(), QLocale::ShortFormat));
    for (const char* text : {"%T", "%D", " %t", "%t %d", "", "なまえ"})
        EXPECT_EQ(HeadingText(text, kNow, locale), QString::fromUtf8(text)) << text;
}

TEST(HeadingText, LongTimeShowsNoTimeZone)
{
    for (QLocale::Language language : {QLocale::Japanese, QLocale::English, QLocale::German})
        EXPECT_FALSE(LongTimeFormat(QLocale(language)).contains('t')) << int(language);
    EXPECT_TRUE(HeadingText("%t", kNow, QLocale(QLocale::Japanese)).contains("05"));
}

TEST(PositionValue, ReadsDecimalTextsOnly)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"10", 10}, {" 36 ", 36}, {"-20", -20}, {"+2.5", 2.5}, {".5", 0.5}, {"5.", 5},
        {"1e2", 100}, {"abc", std::nullopt}, {"", std::nullopt}, {"1,5", std::nullopt},
        {"10mm", std::nullopt}, {"-", std::nullopt}, {"1e", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(PositionValue(text), expected) << text;
}

} // namespace
