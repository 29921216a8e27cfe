// The mistakes of addition, subtraction and multiplication, and the
// rounding place; each rewrites the rows a pupil gets wrong.
#include "generation/MistakeModels.h"

#include "generation/WrittenOperand.h"

#include <algorithm>

namespace {

int Length(const std::string& s)
{
    return static_cast<int>(s.size());
}

// A row whose last digit stands in the grid's last column, its point
// `scale` places from the right.
WorkedRow AtRightEnd(WorkedRow::Role kind, std::string digits, int scale, int columns)
{
    WorkedRow row;
    row.Kind = kind;
    row.Column = columns - Length(digits);
    row.Digits = std::move(digits);
    row.Point = scale > 0 ? columns - scale : -1;
    return row;
}

// The result row rewritten with other digits, still ending in the grid's
// last column, zeros ending its decimals struck.
bool Rewrite(WrittenCalc& calc, Int128 value, int scale)
{
    WorkedRow& result = calc.Rows.back();
    result = AtRightEnd(WorkedRow::Result, DigitText(value, scale + 1), scale, calc.Columns);
    if (result.Column < 0)
        return false;
    StrikeEndZeros(result, scale);
    calc.Value = {value, scale};
    return true;
}

std::optional<Working> Finished(WrittenCalc calc, const ExamSettings& settings)
{
    std::string answer = WorkedAnswerText(calc, settings, {});
    return Working{std::move(calc), std::move(answer)};
}

}  // namespace

// 2.3 + 1.45: «23» over «145», added as whole numbers, the point put where
// the longer decimals put it: 1.68.
std::optional<Working> AddRightModel(const ListedProblem& problem, const ExamSettings& settings,
                                     const Working&)
{
    const auto a = ReadWrittenOperand(problem.A);
    const auto b = ReadWrittenOperand(problem.B);
    if (!a || !b || a->Scale == b->Scale)
        return std::nullopt;  // equal decimals: the right ends are the points
    const int scale = std::max(a->Scale, b->Scale);
    const Int128 sum = a->Value + b->Value;
    WrittenCalc calc;
    calc.Op = CalcOp::Add;
    calc.Columns = std::max({Length(a->Digits), Length(b->Digits), Length(DigitText(sum, scale + 1))});
    calc.Rows.push_back(AtRightEnd(WorkedRow::Operand, a->Digits, a->Scale, calc.Columns));
    WorkedRow second = AtRightEnd(WorkedRow::Operand, b->Digits, b->Scale, calc.Columns);
    second.Operator = second.RuleBelow = true;
    calc.Rows.push_back(second);
    calc.Rows.emplace_back();
    Rewrite(calc, sum, scale);
    return Finished(std::move(calc), settings);
}

// 8.1 − 4.33: the hundredths of 8.1 are empty, so the 3 under them is
// copied down instead of taken from 0: 8.1 − 4.3 = 3.8, then the 3: 3.83.
std::optional<Working> SubHiddenZeroModel(const ListedProblem& problem, const ExamSettings& settings,
                                          const Working& right)
{
    const auto a = ReadWrittenOperand(problem.A);
    const auto b = ReadWrittenOperand(problem.B);
    if (!a || !b || b->Scale <= a->Scale)
        return std::nullopt;
    const Int128 unit = Pow10(b->Scale - a->Scale);
    const Int128 head = a->Value - b->Value / unit;  // the places both numbers have
    if (head < 0)
        return std::nullopt;
    WrittenCalc calc = right.Calc;
    if (!Rewrite(calc, head * unit + b->Value % unit, b->Scale))
        return std::nullopt;
    return Finished(std::move(calc), settings);
}

// 2.3 × 1.4: 322, the point counted from the first factor's decimals only,
// as a decimal times a whole number is done: 32.2.
std::optional<Working> MulPointModel(const ListedProblem& problem, const ExamSettings& settings,
                                     const Working& right)
{
    const auto a = ReadWrittenOperand(problem.A);
    const auto b = ReadWrittenOperand(problem.B);
    if (!a || !b || a->Scale == 0 || b->Scale == 0)
        return std::nullopt;  // one whole factor: its decimals are all there are
    WrittenCalc calc = right.Calc;
    if (!Rewrite(calc, a->Value * b->Value, a->Scale))
        return std::nullopt;
    return Finished(std::move(calc), settings);
}

// Rounded at the place after the one asked for: 2.6 ÷ 0.9 to tenths is
// 2.9, rounded at the thousandths 2.89; the division is worked one place
// further to get it. A product is worked as before, only rounded later.
std::optional<Working> RoundPlaceModel(const ListedProblem& problem, const ExamSettings& settings,
                                       const Working&)
{
    const std::int32_t place = std::clamp<std::int32_t>(settings.nRound, 1, 6);
    if (place == 6)
        return std::nullopt;  // already the finest place
    ExamSettings further = settings;
    further.nRound = place + 1;
    return RightWorking(problem, further);
}
