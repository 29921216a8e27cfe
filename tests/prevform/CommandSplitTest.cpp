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

TEST(CommandNumberTest, AcceptsOnlyTheNumberForm)
{
    const std::vector<std::pair<QString, std::optional<double>>> cases{
        {"10", 10}, {"-2.5", -2.5}, {"+3", 3}, {".5", 0.5}, {"5.", 5}, {"1E-6", 1e-6},
        {"1.00000000000000E+0001", 10}, {"abc", std::nullopt}, {"", std::nullopt},
        {"1,5", std::nullopt}, {"0x10", std::nullopt}, {" 7\t", 7},
        {"1e999", std::numeric_limits<double>::max()},
        {"-1e400", -std::numeric_limits<double>::max()}, {"1e-400", 0},
        {"nan", std::nullopt}, {"inf", std::nullopt}, {"1 2", std::nullopt},
        {QString(QChar(0x3000)) + "50", std::nullopt}, {"50" + QString(QChar(0x3000)), std::nullopt},
        {QString(QChar(0xA0)) + "50", std::nullopt},
        // Edges of the form and of the doubles.
        {"+.5e1", 5}, {"1.e2", 100}, {".", std::nullopt}, {"-", std::nullopt},
        {"e5", std::nullopt}, {"1e", std::nullopt}, {"1e+", std::nullopt}, {"1..2", std::nullopt},
        {"1e-310", 1e-310}, {"2e-324", 0}, {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {QString(70, u'0') + "1", 1}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CommandNumber(text), expected) << text.toStdString();
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
