#include "generation/WrittenCalc.h"
#include "generation/RoundPlace.h"
#include "generation/WrittenOperand.h"
#include <algorithm>

namespace {

constexpr int MaxOperandDigits = 15;

int Length(const std::string& s)
{
    return static_cast<int>(s.size());
}

WorkedRow Row(WorkedRow::Role kind, int column, std::string digits, int point = -1)
{
    WorkedRow row;
    row.Kind = kind;
    row.Column = column;
    row.Digits = std::move(digits);
    row.Point = point;
    return row;
}

// Addition and subtraction: the points one above the other, the result's
// point straight under them; zeros ending the result's decimals struck.
std::optional<WrittenCalc> AddSub(const WrittenOperand& a, const WrittenOperand& b, CalcOp op)
{
    const int scale = std::max(a.Scale, b.Scale);
    const Int128 x = a.Value * Pow10(scale - a.Scale);
    const Int128 y = b.Value * Pow10(scale - b.Scale);
    const Int128 r = op == CalcOp::Add ? x + y : x - y;
    if (r < 0)
        return std::nullopt;  // not a written calculation of this grade
    const std::string result = DigitText(r, scale + 1);
    const int resultInt = Length(result) - scale;
    const int point = std::max({a.IntDigits, b.IntDigits, resultInt});
    const auto pointOf = [&](int s) { return s > 0 ? point : -1; };

    WrittenCalc calc;
    calc.Op = op;
    calc.Columns = point + scale;
    calc.Rows.push_back(Row(WorkedRow::Operand, point - a.IntDigits, a.Digits, pointOf(a.Scale)));
    WorkedRow second = Row(WorkedRow::Operand, point - b.IntDigits, b.Digits, pointOf(b.Scale));
    second.Operator = second.RuleBelow = true;
    calc.Rows.push_back(second);
    WorkedRow sum = Row(WorkedRow::Result, point - resultInt, result, pointOf(scale));
    StrikeEndZeros(sum, scale);
    calc.Rows.push_back(sum);
    calc.Value = {r, scale};
    return calc;
}

// Multiplication: right ends aligned, worked as whole numbers; one partial
// product per non-zero digit of the multiplier when there are two or more,
// then the product, its point counted from the right by the decimals of
// both factors, zeros supplied in front and zeros ending the decimals struck.
std::optional<WrittenCalc> Mul(const WrittenOperand& a, const WrittenOperand& b)
{
    struct Partial {
        std::string Digits;
        int Shift;  // places left of the right end
    };
    std::vector<Partial> partials;
    for (int i = 0; i < Length(b.Digits); ++i) {
        const int digit = b.Digits[b.Digits.size() - 1 - i] - '0';
        if (digit != 0)
            partials.push_back({DigitText(a.Value * digit), i});
    }
    if (partials.size() < 2)
        partials.clear();  // the one line is the product itself

    const int scale = a.Scale + b.Scale;
    const Int128 p = a.Value * b.Value;
    const std::string product = DigitText(p, scale + 1);
    int width = std::max({Length(a.Digits), Length(b.Digits), Length(product)});
    for (const Partial& partial : partials)
        width = std::max(width, Length(partial.Digits) + partial.Shift);
    const auto rowAtEnd = [&](WorkedRow::Role kind, const std::string& digits, int shift, int s) {
        return Row(kind, width - shift - Length(digits), digits, s > 0 ? width - s : -1);
    };

    WrittenCalc calc;
    calc.Op = CalcOp::Mul;
    calc.Columns = width;
    calc.Rows.push_back(rowAtEnd(WorkedRow::Operand, a.Digits, 0, a.Scale));
    WorkedRow second = rowAtEnd(WorkedRow::Operand, b.Digits, 0, b.Scale);
    second.Operator = second.RuleBelow = true;
    calc.Rows.push_back(second);
    for (const Partial& partial : partials)
        calc.Rows.push_back(rowAtEnd(WorkedRow::Partial, partial.Digits, partial.Shift, 0));
    if (!partials.empty())
        calc.Rows.back().RuleBelow = true;
    WorkedRow result = rowAtEnd(WorkedRow::Result, product, 0, scale);
    StrikeEndZeros(result, scale);
    calc.Rows.push_back(result);
    calc.Value = {p, scale};
    return calc;
}

} // namespace

std::optional<WrittenOperand> ReadWrittenOperand(std::string_view text)
{
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const bool hasPoint = point != std::string_view::npos;
    const std::string_view part = hasPoint ? text.substr(point + 1) : std::string_view();
    const auto allDigits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!allDigits(whole) || (hasPoint && !allDigits(part)))
        return std::nullopt;
    const size_t firstKept = std::min(whole.find_first_not_of('0'), whole.size() - 1);
    WrittenOperand operand;
    operand.Digits = std::string(whole.substr(firstKept)) + std::string(part);
    if (Length(operand.Digits) > MaxOperandDigits)
        return std::nullopt;
    operand.IntDigits = static_cast<int>(whole.size() - firstKept);
    operand.Scale = static_cast<int>(part.size());
    for (char c : operand.Digits)
        operand.Value = operand.Value * 10 + (c - '0');
    return operand;
}

std::string DigitText(Int128 v, int width)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v > 0);
    if (Length(digits) < width)
        digits.insert(0, static_cast<size_t>(width - Length(digits)), '0');
    return digits;
}

void StrikeEndZeros(WorkedRow& row, int decimals)
{
    for (int i = 0; i < decimals && i < Length(row.Digits); ++i) {
        const int index = Length(row.Digits) - 1 - i;
        if (row.Digits[static_cast<size_t>(index)] != '0')
            break;
        row.Struck.insert(row.Struck.begin(), row.Column + index);
    }
}

DivisionMode DivisionModeOf(const ExamSettings& settings)
{
    const int places = KeptDecimals(settings.nRound);
    const int figures = places + 1;
    if (settings.fRest)
        return {DivisionMode::Remainder, places, figures, !settings.fDelZero, settings.fRoundSig};
    if (settings.fJust)
        return {DivisionMode::Exact};
    if (settings.fRoundSig)
        return {DivisionMode::Significant, 0, figures};
    return {DivisionMode::Round, places};
}

std::optional<WrittenCalc> BuildWrittenCalc(std::string_view a, std::string_view b, CalcOp op,
                                            const DivisionMode& mode)
{
    const auto x = ReadWrittenOperand(a);
    const auto y = ReadWrittenOperand(b);
    if (!x || !y)
        return std::nullopt;
    switch (op) {
    case CalcOp::Add:
    case CalcOp::Sub:
        return AddSub(*x, *y, op);
    case CalcOp::Mul:
        return Mul(*x, *y);
    case CalcOp::Div:
        return BuildWrittenDivision(*x, *y, mode);
    }
    return std::nullopt;
}

std::string WrittenRowPicture(const WorkedRow& row, int columns)
{
    std::string line;
    for (int c = 0; c <= columns; ++c) {
        line += c == row.Point ? '.' : c == row.OldPoint ? '\'' : ' ';
        if (c == columns)
            break;
        const int index = c - row.Column;
        const bool inside = index >= 0 && index < Length(row.Digits);
        const bool struck = std::find(row.Struck.begin(), row.Struck.end(), c) != row.Struck.end();
        const bool small = row.SmallFrom >= 0 && c >= row.SmallFrom;
        line += !inside ? ' ' : struck ? '/' : small ? 'o' : row.Digits[static_cast<size_t>(index)];
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::vector<std::string> WrittenPicture(const WrittenCalc& calc)
{
    std::vector<std::string> lines;
    for (const WorkedRow& row : calc.Rows)
        lines.push_back(WrittenRowPicture(row, calc.Columns));
    return lines;
}
