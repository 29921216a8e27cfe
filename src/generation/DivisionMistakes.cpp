// The mistakes of division: points moved wrongly or not at all, the
// quotient's point or zeros, the remainder's point. A slip in moving the
// points is worked again from the start; the others rewrite the quotient or
// the remainder of the right working, and the answer is read off the
// rewritten row as the pupil would read it.
#include "generation/MistakeModels.h"

#include "generation/AnswerRounding.h"
#include "generation/WrittenOperand.h"

namespace {

// The number a row of digits reads as, its point where the row writes it;
// a row without a point reads as a whole number.
Decimal ReadRow(const WorkedRow& row)
{
    Int128 digits = 0;
    for (char c : row.Digits)
        digits = digits * 10 + (c - '0');
    if (row.Point < 0)
        return {digits, 0};
    return {digits, std::max(row.End() - row.Point, 0)};
}

// Leading zeros of a row dropped (one digit stays), as a difference is written.
void DropLeadingZeros(WorkedRow& row)
{
    const size_t first = std::min(row.Digits.find_first_not_of('0'), row.Digits.size() - 1);
    row.Digits.erase(0, first);
    row.Column += static_cast<int>(first);
}

// Zeros supplied in front down to the ones place of a point in slot point.
void ZerosToOnes(WorkedRow& row, int point)
{
    if (row.Column > point - 1) {
        row.Digits.insert(0, static_cast<size_t>(row.Column - point + 1), '0');
        row.Column = point - 1;
    }
}

// The quotient the pupil reads off the rewritten quotient row, rounded at
// the place or figures asked for when the quotient is rounded.
void Requote(WrittenCalc& calc, const DivisionMode& mode)
{
    const Decimal read = ReadRow(calc.Rows.front());
    calc.Value = read;
    if (!calc.Approximate || read.IsZero())
        return;
    if (mode.Mode == DivisionMode::Round)
        calc.Value = RoundAt(read, mode.Places);
    else if (mode.Mode == DivisionMode::Significant)
        calc.Value = RoundAt(read, mode.Figures - LeadingExponent(read, Decimal{1, 0}));
}

std::optional<Working> Finished(WrittenCalc calc, const ExamSettings& settings, const DivisionMode& mode)
{
    std::string answer = WorkedAnswerText(calc, settings, mode);
    return Working{std::move(calc), std::move(answer)};
}

DivisionMode ModeOf(const ListedProblem& problem, const ExamSettings& settings)
{
    return DivisionModeFor(settings, problem.A, problem.B);
}

// The division worked again with the points moved otherwise.
std::optional<Working> Reworked(const ListedProblem& problem, const ExamSettings& settings,
                                PointMoves moves)
{
    const auto a = ReadWrittenOperand(problem.A);
    const auto b = ReadWrittenOperand(problem.B);
    if (!a || !b)
        return std::nullopt;
    const DivisionMode mode = ModeOf(problem, settings);
    auto calc = BuildWrittenDivision(*a, *b, mode, moves);
    if (!calc)
        return std::nullopt;
    return Finished(std::move(*calc), settings, mode);
}

int DivisorDecimals(const ListedProblem& problem)
{
    const auto b = ReadWrittenOperand(problem.B);
    return b ? b->Scale : 0;
}

// The remainder row of a working with a remainder left, or none.
WorkedRow* RemainderRow(WrittenCalc& calc)
{
    if (!calc.Remainder || calc.Remainder->IsZero() || calc.Rows.back().Kind != WorkedRow::Remainder)
        return nullptr;
    return &calc.Rows.back();
}

}  // namespace

// 6.42 ÷ 0.2: the divisor made 2, the dividend left as it is: 6.42 ÷ 2 = 3.21.
std::optional<Working> DivDividendPointModel(const ListedProblem& problem,
                                             const ExamSettings& settings, const Working&)
{
    const int moves = DivisorDecimals(problem);
    if (moves == 0)
        return std::nullopt;
    return Reworked(problem, settings, {moves, 0});
}

// 3.6 ÷ 0.12: both points moved one place (1.2 and 36), then 36 divided by
// 12 as if the divisor were whole: 3.
std::optional<Working> DivTooFewMovesModel(const ListedProblem& problem,
                                           const ExamSettings& settings, const Working&)
{
    const int moves = DivisorDecimals(problem);
    if (moves < 2)
        return std::nullopt;
    return Reworked(problem, settings, {moves - 1, moves - 1});
}

// 6.42 ÷ 0.2: worked right as 64.2 ÷ 2, the quotient's point then put over
// the dividend's first point: 3.21.
std::optional<Working> DivQuotientPointModel(const ListedProblem& problem,
                                             const ExamSettings& settings, const Working& right)
{
    const auto a = ReadWrittenOperand(problem.A);
    if (!a || DivisorDecimals(problem) == 0)
        return std::nullopt;
    WrittenCalc calc = right.Calc;
    WorkedRow& quotient = calc.Rows.front();
    ZerosToOnes(quotient, a->IntDigits);
    quotient.Point = a->IntDigits;
    Requote(calc, ModeOf(problem, settings));
    return Finished(std::move(calc), settings, ModeOf(problem, settings));
}

// 8.16 ÷ 4: 1 is less than 4, but no 0 is written over it; the 4 of 16 ÷ 4
// follows the 2 straight away: 2.4. Only a 0 in the ones place in front of
// everything (0.7) is written.
std::optional<Working> DivSkippedZeroModel(const ListedProblem& problem,
                                           const ExamSettings& settings, const Working& right)
{
    WrittenCalc calc = right.Calc;
    WorkedRow& quotient = calc.Rows.front();
    std::string kept = quotient.Digits.substr(0, 1);
    for (size_t i = 1; i < quotient.Digits.size(); ++i)
        if (quotient.Digits[i] != '0')
            kept += quotient.Digits[i];
    if (kept == quotient.Digits)
        return std::nullopt;
    quotient.Digits = kept;
    if (quotient.Point >= quotient.End())
        quotient.Point = -1;  // every digit before the point: a whole number
    Requote(calc, ModeOf(problem, settings));
    return Finished(std::move(calc), settings, ModeOf(problem, settings));
}

// 7.4 ÷ 0.3 = 24, the remainder's point put under the dividend's moved
// point (74.) instead of its first one (7.4): 24 あまり 2.
std::optional<Working> RemMovedPointModel(const ListedProblem& problem,
                                          const ExamSettings& settings, const Working& right)
{
    if (DivisorDecimals(problem) == 0)
        return std::nullopt;  // the points never moved apart
    WrittenCalc calc = right.Calc;
    WorkedRow* row = RemainderRow(calc);
    if (!row)
        return std::nullopt;
    const int moved = calc.Rows[1].Point;
    DropLeadingZeros(*row);
    ZerosToOnes(*row, moved);
    row->Point = moved < row->End() ? moved : -1;
    calc.Remainder = ReadRow(*row);
    return Finished(std::move(calc), settings, ModeOf(problem, settings));
}

// 13.6 ÷ 3 = 4.5, the last row «1» read without a point: 4.5 あまり 1.
std::optional<Working> RemNoPointModel(const ListedProblem& problem, const ExamSettings& settings,
                                       const Working& right)
{
    WrittenCalc calc = right.Calc;
    WorkedRow* row = RemainderRow(calc);
    if (!row || row->Point < 0)
        return std::nullopt;
    DropLeadingZeros(*row);
    row->Point = -1;
    calc.Remainder = ReadRow(*row);
    return Finished(std::move(calc), settings, ModeOf(problem, settings));
}

// 8.16 ÷ 4 = 2.04 worked right, the quotient's point then left out and the
// row read as a whole number, its zeros in front dropped: 204 (0.07 → 7).
// A rounded quotient is left alone: where a pupil without the point would
// round it is anyone's guess.
std::optional<Working> DivNoPointModel(const ListedProblem& problem, const ExamSettings& settings,
                                       const Working& right)
{
    const DivisionMode mode = ModeOf(problem, settings);
    if (mode.Mode == DivisionMode::Round || mode.Mode == DivisionMode::Significant)
        return std::nullopt;
    WrittenCalc calc = right.Calc;
    WorkedRow& quotient = calc.Rows.front();
    if (quotient.Point < 0 || quotient.Point >= quotient.End())
        return std::nullopt;  // a whole quotient has no point to leave out
    DropLeadingZeros(quotient);
    quotient.Point = -1;
    Requote(calc, mode);
    return Finished(std::move(calc), settings, mode);
}
