#include "sheet/ExamCountCheck.h"

#include "generation/RangeCheck.h"

namespace {

constexpr const char* kRowsMessage = "行は１以上１０以下でなければなりません";
constexpr const char* kColsMessage = "列は１以上４以下でなければなりません";
constexpr const char* kTotalMessage = "問題数は１以上２０以下でなければなりません";
constexpr const char* kRowsNotStorable = "行は整数で指定して下さい";
constexpr const char* kColsNotStorable = "列は整数で指定して下さい";

std::optional<std::int32_t> CountOf(const std::string& text)
{
    return ParseInt32(TrimBlanks(text));
}

CountVerdict Reject(const char* message)
{
    return {false, 0, 0, message};
}

// The shared tail of both checks: the count itself is valid, now the total.
// A count read from a text that is not an integer passes, but not storable.
CountVerdict CheckTotal(int value, long long total, const char* notStorable)
{
    if (total < 1 || total > 20)
        return Reject(kTotalMessage);
    if (notStorable)
        return {true, value, static_cast<int>(total), notStorable, false};
    return {true, value, static_cast<int>(total), {}};
}

} // namespace

CountVerdict CheckRows(const std::string& rowText, const std::string& colText)
{
    const std::optional<std::int32_t> text = CountOf(rowText);
    const std::int32_t rows = text.value_or(10);
    if (rows < 1 || rows > 10)
        return Reject(kRowsMessage);
    long long cols = CountOf(colText).value_or(1);
    return CheckTotal(rows, rows * cols, text ? nullptr : kRowsNotStorable);
}

CountVerdict CheckCols(const std::string& colText, const std::string& rowText)
{
    const std::optional<std::int32_t> text = CountOf(colText);
    const std::int32_t cols = text.value_or(1);
    if (cols < 1 || cols > 4)
        return Reject(kColsMessage);
    long long rows = CountOf(rowText).value_or(10);
    return CheckTotal(cols, rows * cols, text ? nullptr : kColsNotStorable);
}
