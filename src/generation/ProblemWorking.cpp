#include "generation/ProblemWorking.h"

#include "generation/AnswerRounding.h"
#include "generation/NumberText.h"

#include <algorithm>

namespace {

// A rounded quotient: as a plain number, or with 約 and the zeros of the
// place asked for when the rounding changed it.
std::string RoundedQuotientText(const WrittenCalc& calc, const ExamSettings& settings,
                                const DivisionMode& mode)
{
    if (!calc.Approximate || !settings.fYaku)
        return FormatPlain(calc.Value);
    // Figures count from the rounded value's first digit: 9.96 to two
    // figures is 約10, not 約10.0.
    const int shown = mode.Mode == DivisionMode::Round
        ? mode.Places
        : std::max(mode.Figures - LeadingExponent(calc.Value, Decimal{1, 0}), 0);
    return YakuText({calc.Value, shown, true});
}

// A quotient cut at the place asked for, then the remainder when one is left.
// A slip may leave the quotient more decimals than asked; they all show.
std::string TruncatedQuotientText(const WrittenCalc& calc, const ExamSettings& settings,
                                  const DivisionMode& mode)
{
    std::string text = FormatFixed(calc.Value, std::max(mode.Places, calc.Value.Scale));
    if (settings.fDelZero)
        text = DelZero(text);
    if (calc.Remainder && !calc.Remainder->IsZero())
        text += " あまり " + RemainderText(*calc.Remainder);
    return text;
}

}  // namespace

CalcOp CalcOpOf(int operation)
{
    switch (operation) {
    case OpSub:
        return CalcOp::Sub;
    case OpMul:
        return CalcOp::Mul;
    case OpDiv:
        return CalcOp::Div;
    default:
        return CalcOp::Add;
    }
}

DivisionMode DivisionModeFor(const ExamSettings& settings, std::string_view a, std::string_view b)
{
    DivisionMode mode = DivisionModeOf(settings);
    const auto x = ParseDecimal(a);
    const auto y = ParseDecimal(b);
    if (mode.Mode == DivisionMode::Exact && x && y)
        mode.Places = TruncationPlaces(settings, *x, *y);
    return mode;
}

std::string WorkedAnswerText(const WrittenCalc& calc, const ExamSettings& settings,
                             const DivisionMode& mode)
{
    switch (calc.Op) {
    case CalcOp::Add:
    case CalcOp::Sub:
        // The result carries the decimals of the longer operand.
        return settings.fDelZero ? FormatPlain(calc.Value) : FormatFixed(calc.Value, calc.Value.Scale);
    case CalcOp::Mul:
        return ProductAnswerText(settings, calc.Value);
    case CalcOp::Div:
        if (mode.Mode == DivisionMode::Round || mode.Mode == DivisionMode::Significant)
            return RoundedQuotientText(calc, settings, mode);
        return TruncatedQuotientText(calc, settings, mode);
    }
    return {};
}

std::optional<Working> RightWorking(const ListedProblem& problem, const ExamSettings& settings)
{
    const DivisionMode mode =
        problem.Op == CalcOp::Div ? DivisionModeFor(settings, problem.A, problem.B) : DivisionMode{};
    auto calc = BuildWrittenCalc(problem.A, problem.B, problem.Op, mode);
    if (!calc)
        return std::nullopt;
    std::string answer = WorkedAnswerText(*calc, settings, mode);
    return Working{std::move(*calc), std::move(answer)};
}
