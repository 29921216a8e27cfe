// Rows 1..10, columns 1..4, at most 20 problems.
#include "sheet/ExamCountCheck.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kRows = "行は１以上１０以下でなければなりません";
constexpr const char* kCols = "列は１以上４以下でなければなりません";
constexpr const char* kTotal = "問題数は１以上２０以下でなければなりません";
constexpr const char* kRowsText = "行は整数で指定して下さい";
constexpr const char* kColsText = "列は整数で指定して下さい";

struct Case {
    bool Rows;  // which edit is left
    const char* Text;
    const char* Other;
    int Total;            // 0 when rejected
    const char* Message;  // "" when accepted and storable
    bool Accepted = true;
};

TEST(ExamCountCheckTest, CountsAndTotals)
{
    const Case cases[] = {
        {true, "10", "2", 20, ""},
        {true, "1", "1", 1, ""},
        {true, " 7 ", "1", 7, ""},
        {true, "0", "1", 0, kRows, false},
        {true, "11", "1", 0, kRows, false},
        {true, "abc", "1", 10, kRowsText},  // counts as 10 rows, cannot be stored
        {true, "", "2", 20, kRowsText},
        {true, "abc", "3", 0, kTotal, false},
        {true, "6", "4", 0, kTotal, false},
        {true, "5", "x", 5, ""},  // a columns text that is not a number counts as 1
        {false, "2", "10", 20, ""},
        {false, "3", "10", 0, kTotal, false},
        {false, "5", "1", 0, kCols, false},
        {false, "0", "1", 0, kCols, false},
        {false, "2", "x", 20, ""},  // a rows text that is not a number counts as 10
        {false, "3", "x", 0, kTotal, false},
        {false, "x", "7", 7, kColsText},  // counts as 1 column, cannot be stored
    };
    for (const Case& c : cases) {
        CountVerdict verdict = c.Rows ? CheckRows(c.Text, c.Other) : CheckCols(c.Text, c.Other);
        SCOPED_TRACE(std::string(c.Rows ? "rows " : "cols ") + c.Text + " / " + c.Other);
        EXPECT_EQ(verdict.Accepted, c.Accepted);
        EXPECT_EQ(verdict.Storable, !c.Accepted || *c.Message == 0);
        EXPECT_EQ(verdict.Message, c.Message);
        if (verdict.Accepted) {
            EXPECT_EQ(verdict.Total, c.Total);
        }
    }
}

} // namespace
