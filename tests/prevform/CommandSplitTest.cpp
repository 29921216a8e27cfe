#include "prevform/CommandSplit.h"
#include <gtest/gtest.h>
#include <limits>

namespace {

struct SplitCase {
    QString Line;
    QStringList Fields;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesTheFields)
{
    EXPECT_EQ(SplitCommandLine(GetParam().Line), GetParam().Fields) << GetParam().Line.toStdString();
}

const QChar Nul(0);

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitTest,
    testing::Values(
        SplitCase{"TextOut, 10 , 20", {"TextOut", "10", "20"}},
        SplitCase{"FontName,ＭＳ Ｐゴシック", {"FontName", "ＭＳ", "Ｐゴシック"}},
        SplitCase{"FontName,\"ＭＳ Ｐゴシック\"", {"FontName", "ＭＳ Ｐゴシック"}},
        SplitCase{"a,,b", {"a", "", "b"}},
        SplitCase{"a,", {"a", ""}},
        SplitCase{"a,b,", {"a", "b", ""}},
        SplitCase{"a, ,b", {"a", "", "b"}},
        SplitCase{"  \t Line,1,2 \r\n", {"Line", "1", "2"}},
        SplitCase{"", {}},
        SplitCase{" \t\x01 ", {}},
        SplitCase{"TextOut,1,2,\"say \"\"hi\"\"\"", {"TextOut", "1", "2", "say \"hi\""}},
        SplitCase{"T,\"\"", {"T", ""}},
        SplitCase{"T,\"\"\"\"", {"T", "\""}},
        SplitCase{"T,\"a, b\",c", {"T", "a, b", "c"}},
        SplitCase{"T,\"open to end, still", {"T", "open to end, still"}},
        SplitCase{"T,\"ab\"cd,e", {"T", "ab", "cd", "e"}},
        SplitCase{"T,\"ab\" ,e", {"T", "ab", "e"}},
        SplitCase{"a\tb\x1f" "c", {"a", "b", "c"}},
        SplitCase{"T,\"tab\tinside\"", {"T", "tab\tinside"}},
        SplitCase{QString("a,b") + Nul + ",c", {"a", "b"}},
        SplitCase{"TextOut, 1.00000000000000E+0001, 2.00000000000000E+0001,\"答え\",NIL",
                  {"TextOut", "1.00000000000000E+0001", "2.00000000000000E+0001", "答え", "NIL"}}));

TEST(CommandKeywordTest, IsUpperCasedAndTrimmed)
{
    EXPECT_EQ(CommandKeyword(SplitCommandLine("textOut,1")), "TEXTOUT");
    EXPECT_EQ(CommandKeyword(SplitCommandLine("\" line \",1")), "LINE");
    EXPECT_EQ(CommandKeyword({}), "");
}

TEST(StripControlsTest, RemovesCodesUpTo32AtBothEndsOnly)
{
    const std::vector<std::pair<QString, QString>> cases{
        {" \t list.txt\r", "list.txt"},
        {QString(QChar(0)) + "a b" + QChar(31), "a b"},
        {"\x01\x20", ""},
        {"", ""},
        {QString(QChar(0x3000)) + "x" + QChar(0x3000), QString(QChar(0x3000)) + "x" + QChar(0x3000)},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(StripControls(text), expected) << text.toStdString();
}

// The number form itself is pinned where it is read for every caller; here
// only that a field goes through it, blanks and all.
TEST(CommandNumberTest, ReadsTheDecimalFormAndHoldsHugeValues)
{
    const std::vector<std::pair<QString, std::optional<double>>> cases{
        {"10", 10}, {" 7\t", 7}, {"abc", std::nullopt}, {"", std::nullopt},
        {"1e999", std::numeric_limits<double>::max()}, {"1e-400", 0},
        {QString(QChar(0x3000)) + "50", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CommandNumber(text), expected) << text.toStdString();
}

TEST(CommandFieldWriters, QuotedTextSurvivesTheSplit)
{
    for (const QString& text : {QStringLiteral("答え"), QStringLiteral("a \"b\", c"), QString(),
                                QStringLiteral("\"\""), QStringLiteral(" x ")}) {
        const QString line = "TextOut,1,2," + QuotedText(text) + ",NIL";
        EXPECT_EQ(SplitCommandLine(line).value(3), text) << line.toStdString();
    }
    EXPECT_EQ(QuotedText(QStringLiteral("a\"b")), QStringLiteral("\"a\"\"b\""));
    EXPECT_EQ(IntegerForm(-12), QStringLiteral("-12"));
}

TEST(CommandIntegerTest, AcceptsOnlyDecimalIntegersInRange)
{
    const std::vector<std::pair<QString, std::optional<int>>> cases{
        {"3", 3}, {"-1", -1}, {"+4", 4}, {"3.0", std::nullopt}, {"x", std::nullopt},
        {"99999999999", std::nullopt}, {"", std::nullopt}, {"\t2 ", 2},
        {QString(QChar(0x3000)) + "3", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CommandInteger(text), expected) << text.toStdString();
}

} // namespace
