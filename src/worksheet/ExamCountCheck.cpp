#include "worksheet/ExamCountCheck.h"

#include "generation/RangeCheck.h"

namespace {

constexpr const char* kRowsMessage = "行は１以上１０以下でなければなりません";
constexpr const char* kColsMessage = "列は１以上４以下でなければなりません";
constexpr const char* kTotalMessage = "問題数は１以上２０以下でなければなりません";

std::optional<std::int32_t> CountOf(const std::string& text)
{
    return ParseInt32(TrimBlanks(text));
}

CountVerdict Reject(const char* message)
{
    return {false, 0, 0, message};
}

// The shared tail of both checks: the count itself is valid, now the total.
CountVerdict CheckTotal(int value, long long total)
{
    if (total < 1 || total > 20)
        return Reject(kTotalMessage);
    return {true, value, static_cast<int>(total), {}};
}

} // namespace

CountVerdict CheckRows(const std::string& rowText, const std::string& colText)
{
    // A rows text that is not an integer cannot be stored as the count, so it
    // is refused like an out-of-range one rather than passed as "10".
    std::optional<std::int32_t> rows = CountOf(rowText);
    if (!rows || *rows < 1 || *rows > 10)
        return Reject(kRowsMessage);
    long long cols = CountOf(colText).value_or(1);
    return CheckTotal(*rows, *rows * cols);
}

CountVerdict CheckCols(const std::string& colText, const std::string& rowText)
{
    std::optional<std::int32_t> cols = CountOf(colText);
    if (!cols || *cols < 1 || *cols > 4)
        return Reject(kColsMessage);
    long long rows = CountOf(rowText).value_or(10);
    return CheckTotal(*cols, rows * *cols);
}
