#include "generation/ProblemFilter.h"

#include "generation/ProblemWorking.h"

std::pair<std::string, std::string> ProblemFilter::Key(const std::string& q1, const std::string& q2) const
{
    // A sum or product with its operands swapped is the same problem.
    const bool commutes = Settings.Operation == OpAdd || Settings.Operation == OpMul;
    return commutes && q2 < q1 ? std::pair{q2, q1} : std::pair{q1, q2};
}

// A division worked as the key works it shows what its unit teaches.
int ProblemFilter::UnitCode(const std::string& q1, const std::string& q2) const
{
    if (Settings.Operation != OpDiv)
        return 0;
    const DivisionMode mode = DivisionModeOf(Settings);
    const auto calc = BuildWrittenCalc(q1, q2, CalcOp::Div, mode);
    if (!calc)
        return 0;  // not a written division (a negative quotient): nothing to show
    switch (mode.Mode) {
    case DivisionMode::Remainder:
        return calc->Remainder && !calc->Remainder->IsZero() ? 0 : CodeNoRemainder;
    case DivisionMode::Exact:
        return calc->Rows.size() > 1 && calc->Rows[1].SmallFrom >= 0 ? 0 : CodeNoCarryOn;
    default:
        return calc->Approximate ? 0 : CodeNoRounding;
    }
}

int ProblemFilter::Check(const std::string& q1, const std::string& q2, const std::string& answer) const
{
    if (Settings.fNoRepeat && Problems.count(Key(q1, q2)) > 0)
        return CodeRepeated;
    if (Settings.fUnitOnly)
        if (const int code = UnitCode(q1, q2); code != 0)
            return code;
    if (Settings.fFewSame) {
        const auto seen = Answers.find(answer);
        if (seen != Answers.end() && seen->second >= kMostSameAnswers)
            return CodeSameAnswer;
    }
    return 0;
}

void ProblemFilter::Keep(const std::string& q1, const std::string& q2, const std::string& answer)
{
    if (Settings.fNoRepeat)
        Problems.insert(Key(q1, q2));
    if (Settings.fFewSame)
        ++Answers[answer];
}
