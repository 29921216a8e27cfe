// Long division as written under the 「厂」 bracket. A decimal divisor is
// made whole by moving both points right by its decimals (zeros supplied
// after the dividend when it runs short); the dividend's digits, read from
// the left, are divided one column at a time. A quotient digit stands over
// the last dividend column it was formed from; a step with a non-zero
// quotient digit writes its product and difference, a step with a zero digit
// only brings the next digit down; past the dividend's last digit a 0 is
// brought down (わり進み).
#include "generation/WrittenCalc.h"
#include "generation/WrittenOperand.h"
#include <algorithm>

namespace {

constexpr int ExtraPlaces = 12;  // how far an exact division may run past its dividend
constexpr int MaxQuotientDigits = 36;

int Length(const std::string& s)
{
    return static_cast<int>(s.size());
}

// The difference row being built: a difference, then digits brought down.
struct Building {
    int Column = 0;
    std::string Digits;
};

// A difference row as written: leading zeros left blank, a lone 0 kept.
WorkedRow Finished(const Building& b, WorkedRow::Role kind)
{
    WorkedRow row;
    row.Kind = kind;
    const size_t first = std::min(b.Digits.find_first_not_of('0'), b.Digits.size() - 1);
    row.Column = b.Column + static_cast<int>(first);
    row.Digits = b.Digits.substr(first);
    return row;
}

struct Worked {
    std::vector<int> Digits;         // quotient digit of each column
    std::vector<Int128> Left;        // what is left after each column
};

// Divides column by column up to column last (digits past the dividend are 0).
Worked Divide(const std::string& dividend, Int128 divisor, int last)
{
    Worked w;
    Int128 r = 0;
    for (int j = 0; j <= last; ++j) {
        r = r * 10 + (j < Length(dividend) ? dividend[static_cast<size_t>(j)] - '0' : 0);
        w.Digits.push_back(static_cast<int>(r / divisor));
        r %= divisor;
        w.Left.push_back(r);
    }
    return w;
}

// The column where the division comes out even, every digit of the
// dividend used and the quotient at least to the ones place; -1 if none.
int ExactEnd(const Worked& w, int n, int point, int limit)
{
    for (int j = std::max(n, point) - 1; j <= limit; ++j)
        if (w.Left[static_cast<size_t>(j)] == 0)
            return j;
    return -1;
}

int FirstNonZero(const Worked& w)
{
    const auto first = std::find_if(w.Digits.begin(), w.Digits.end(), [](int d) { return d != 0; });
    return first == w.Digits.end() ? -1 : static_cast<int>(first - w.Digits.begin());
}

// A remainder division kept to significant figures keeps as many decimals
// as the figures leave after the quotient's whole places (none when they
// cover only those): 28.98 ÷ 1 to two figures is 28, 0.1 ÷ 3.9 is 0.025.
DivisionMode FiguresResolved(DivisionMode mode, const Worked& w, int point)
{
    if (mode.Mode != DivisionMode::Remainder || !mode.FiguresPlaces)
        return mode;
    const int first = FirstNonZero(w);
    const int leading = first < 0 ? 0 : point - first;  // 2 for 28.98, -1 for 0.0256
    mode.Places = std::max(std::max(mode.Figures, 1) - leading, 0);
    return mode;
}

// A rounded quotient that comes out even at or before the place it is
// rounded to is exact: it is worked as far as it goes and not marked 約.
DivisionMode Effective(const DivisionMode& mode, const Worked& w, int n, int point, int limit)
{
    int kept = -1;
    if (mode.Mode == DivisionMode::Round)
        kept = point - 1 + std::max(mode.Places, 0);
    else if (mode.Mode == DivisionMode::Significant && FirstNonZero(w) >= 0)
        kept = FirstNonZero(w) + std::max(mode.Figures, 1) - 1;  // left of the ones for 185 → 190
    const int end = ExactEnd(w, n, point, limit);
    if (kept >= 0 && end >= 0 && end <= kept)
        return {DivisionMode::Exact};
    return mode;
}

// A remainder division that comes out even by the place asked for is
// written as the answer reads: the quotient stops where the division came
// out even (not before the ones place, nor, when the answer keeps its
// zeros, before the place asked for), the last difference is 0 and there
// is no remainder row. Returns that column, or -1 when something is left.
int EvenEnd(const Worked& w, const std::string& dividend, int from, int last)
{
    const auto restIsZero = [&](int j) {
        for (int k = j + 1; k < Length(dividend); ++k)
            if (dividend[static_cast<size_t>(k)] != '0')
                return false;
        return w.Left[static_cast<size_t>(j)] == 0;
    };
    for (int j = std::max(from, 0); j <= last; ++j)
        if (restIsZero(j))
            return j;
    return -1;
}

// The last column the quotient is worked to, or -1 when it cannot be had.
int LastColumn(const Worked& w, const DivisionMode& mode, int n, int point, int limit)
{
    switch (mode.Mode) {
    case DivisionMode::Exact:
        return ExactEnd(w, n, point, limit);
    case DivisionMode::Remainder:
        return point - 1 + std::max(mode.Places, 0);
    case DivisionMode::Round:
        return point + std::max(mode.Places, 0);
    case DivisionMode::Significant: {
        const int f = FirstNonZero(w);
        return f < 0 ? -1 : std::max(f + std::max(mode.Figures, 1), point - 1);
    }
    }
    return -1;
}

// value (an integer of `scale` decimals) rounded half up to the place of
// `kept` decimals; kept may be negative (tens, hundreds …).
Decimal RoundedAt(Int128 value, int scale, int kept)
{
    const Decimal d{value, scale};
    if (kept >= 0)
        return d.RoundedTo(kept);
    return {DivRoundHalfAway(value, Pow10(scale - kept)) * Pow10(-kept), 0};
}

// The steps under the dividend: products, differences, the last row.
void WriteSteps(WrittenCalc& calc, const Worked& w, const std::string& dividend, Int128 divisor,
                int last, int end)
{
    const auto digitAt = [&](int j) {
        return static_cast<char>(j < Length(dividend) ? dividend[static_cast<size_t>(j)] : '0');
    };
    std::optional<Building> current;
    for (int j = 0; j <= end; ++j) {
        if (current)
            current->Digits += digitAt(j);
        const int q = j <= last ? w.Digits[static_cast<size_t>(j)] : 0;
        if (q == 0)
            continue;
        if (current)
            calc.Rows.push_back(Finished(*current, WorkedRow::Difference));
        const std::string product = DigitText(divisor * q);
        WorkedRow row;
        row.Kind = WorkedRow::Product;
        row.Column = j - Length(product) + 1;
        row.Digits = product;
        row.RuleBelow = true;
        calc.Rows.push_back(row);
        const std::string left = DigitText(w.Left[static_cast<size_t>(j)]);
        current = Building{j - Length(left) + 1, left};
    }
    if (current)
        calc.Rows.push_back(Finished(*current, WorkedRow::Difference));
}

// The last row becomes the remainder: its point under the dividend's first
// point, zeros supplied in front down to the ones place.
void MarkRemainder(WrittenCalc& calc, const std::string& dividend, int end, int firstPoint)
{
    if (calc.Rows.back().Kind != WorkedRow::Difference) {
        // No step at all (a quotient of 0): everything is left over.
        std::string digits = dividend;
        if (Length(digits) < end + 1)
            digits.append(static_cast<size_t>(end + 1 - Length(digits)), '0');
        Building all{0, digits.substr(0, static_cast<size_t>(end + 1))};
        calc.Rows.push_back(Finished(all, WorkedRow::Difference));
    }
    WorkedRow& row = calc.Rows.back();
    row.Kind = WorkedRow::Remainder;
    if (end < firstPoint)
        return;
    row.Point = firstPoint;
    if (row.Column > firstPoint - 1) {
        row.Digits.insert(0, static_cast<size_t>(row.Column - firstPoint + 1), '0');
        row.Column = firstPoint - 1;
    }
}

} // namespace

std::optional<WrittenCalc> BuildWrittenDivision(const WrittenOperand& a, const WrittenOperand& b,
                                                const DivisionMode& asked, PointMoves moves)
{
    if (b.Value == 0)
        return std::nullopt;
    const int moved = moves.Dividend < 0 ? b.Scale : moves.Dividend;  // places the dividend's point moves
    const int divisorMoved = moves.Divisor < 0 ? b.Scale : moves.Divisor;
    const int firstPoint = a.IntDigits;             // the dividend's point as written
    const int point = a.IntDigits + moved;          // and after the move
    std::string dividend = a.Digits;
    if (moved > a.Scale)
        dividend.append(static_cast<size_t>(moved - a.Scale), '0');
    const int n = Length(dividend);
    const int limit = std::max(n, point) + ExtraPlaces;
    if (limit >= MaxQuotientDigits)
        return std::nullopt;  // the quotient's digits would not fit the integers used
    const Worked w = Divide(dividend, b.Value, limit);
    DivisionMode mode = Effective(FiguresResolved(asked, w, point), w, n, point, limit);
    int last = LastColumn(w, mode, n, point, limit);
    if (last < 0 || last > limit)
        return std::nullopt;
    if (mode.Mode == DivisionMode::Remainder) {
        const int from = asked.KeepZeros ? last : point - 1;
        if (const int even = EvenEnd(w, dividend, from, last); even >= 0) {
            mode = {DivisionMode::Exact};
            last = even;
        }
    }

    WrittenCalc calc;
    calc.Op = CalcOp::Div;
    // The quotient from its first non-zero digit, or from the ones place.
    const int nonZero = static_cast<int>(
        std::find_if(w.Digits.begin(), w.Digits.begin() + last + 1, [](int d) { return d != 0; }) -
        w.Digits.begin());
    WorkedRow quotient;
    quotient.Kind = WorkedRow::Quotient;
    quotient.Column = std::min(nonZero, point - 1);
    Int128 q = 0;
    for (int j = quotient.Column; j <= last; ++j) {
        quotient.Digits += static_cast<char>('0' + w.Digits[static_cast<size_t>(j)]);
        q = q * 10 + w.Digits[static_cast<size_t>(j)];
    }
    quotient.Point = last >= point ? point : -1;
    calc.Rows.push_back(quotient);

    const bool remainder = mode.Mode == DivisionMode::Remainder;
    const int end = remainder ? std::max(last, n - 1) : last;
    WorkedRow top;
    top.Kind = WorkedRow::Dividend;
    top.Digits = dividend;
    if (end >= n) {
        // Every zero the working brings down is written into the dividend, small.
        top.Digits.append(static_cast<size_t>(end - n + 1), '0');
        top.SmallFrom = n;
    }
    top.OldPoint = moved > 0 && a.Scale > 0 ? firstPoint : -1;
    top.Point = moved > 0 || a.Scale > 0 || last >= point ? point : -1;
    calc.Rows.push_back(top);

    calc.Divisor.Kind = WorkedRow::Divisor;
    calc.Divisor.Digits = b.Digits;
    if (b.Scale > 0 && divisorMoved > 0) {
        calc.Divisor.OldPoint = b.IntDigits;
        const int to = b.IntDigits + divisorMoved;
        if (to < Length(b.Digits))
            calc.Divisor.Point = to;  // moved too few places: a point is left inside
        calc.Moves.push_back({-1, b.IntDigits, to});
    }
    if (moved > 0)
        calc.Moves.push_back({1, firstPoint, point});

    calc.GivenDivisor = calc.Divisor;
    calc.GivenDivisor.OldPoint = -1;
    calc.GivenDivisor.Point = b.Scale > 0 ? b.IntDigits : -1;
    calc.GivenDividend = top;
    calc.GivenDividend.Digits = a.Digits;
    calc.GivenDividend.OldPoint = -1;
    calc.GivenDividend.SmallFrom = -1;
    calc.GivenDividend.Point = a.Scale > 0 ? firstPoint : -1;

    const int quotientScale = last - point + 1;
    WriteSteps(calc, w, dividend, b.Value, last, end);
    if (remainder) {
        MarkRemainder(calc, dividend, end, firstPoint);
        Int128 left = w.Left[static_cast<size_t>(last)];
        for (int j = last + 1; j <= end; ++j)
            left = left * 10 + (dividend[static_cast<size_t>(j)] - '0');
        calc.Remainder = Decimal{left, end - firstPoint + 1};
    }

    calc.Value = {q, quotientScale};
    if (mode.Mode == DivisionMode::Round) {
        calc.Value = RoundedAt(q, quotientScale, std::max(mode.Places, 0));
        calc.Approximate = true;
    } else if (mode.Mode == DivisionMode::Significant) {
        const int keptLast = nonZero + std::max(mode.Figures, 1) - 1;
        calc.Value = RoundedAt(q, quotientScale, keptLast - point + 1);
        calc.Approximate = true;
    }
    for (const WorkedRow& row : calc.Rows)
        calc.Columns = std::max(calc.Columns, row.End());
    return calc;
}
