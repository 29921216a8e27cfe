#include "support/QStringPrinter.h"
#include "sheet/HeadingText.h"
#include <gtest/gtest.h>

namespace {

TEST(HeadingText, OnlyExactMacrosExpandAndTimeShowsNoZone)
{
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 5, 7));
    const QLocale locale = QLocale::c();
    EXPECT_EQ(HeadingText("%t", now, locale), "09:05:07");
    EXPECT_EQ(HeadingText("%d", now, locale), locale.toString(now.date(), QLocale::ShortFormat));
    for (const char* text : {"%T", "%D", " %t", "%t %d", ""})
        EXPECT_EQ(HeadingText(text, now, locale), QString::fromUtf8(text)) << text;
    EXPECT_FALSE(LongTimeFormat(QLocale(QLocale::Japanese)).contains('t'));
}

} // namespace
