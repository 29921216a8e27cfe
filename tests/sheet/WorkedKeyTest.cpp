// A worked key never contradicts itself: every problem of every preset, and
// quotients kept to two and three figures, worked the way the key draws
// it, checked with exact arithmetic against its operands and against the
// answer line printed under it. And the sheets exercise their unit as the
// options they turn on promise: no problem twice, no answer more than
// twice, every division showing its remainder, its rounding or its zero
// brought down.
#include "generation/Decimal.h"
#include "generation/OperationTable.h"
#include "generation/ProblemMaker.h"
#include "sheet/ClassSet.h"
#include "sheet/PresetApply.h"
#include "support/ScriptedGenHost.h"

#include <algorithm>
#include <map>
#include <set>
#include <gtest/gtest.h>

namespace {

Decimal D(const std::string& text)
{
    const std::optional<Decimal> value = ParseDecimal(text);
    return value ? *value : Decimal{-999999, 0};
}

int Decimals(const std::string& text)
{
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// 10^e as a decimal, e of either sign.
Decimal Power(int e)
{
    return e >= 0 ? Decimal{Pow10(e), 0} : Decimal{1, -e};
}

// The quotient row as the number it reads.
Decimal RowValue(const WorkedRow& row)
{
    Int128 digits = 0;
    for (char c : row.Digits)
        digits = digits * 10 + (c - '0');
    return {digits, row.Point < 0 ? 0 : row.End() - row.Point};
}

// The exponent of a ÷ b's first non-zero digit (b > 0, a > 0).
int LeadingPlace(const Decimal& a, const Decimal& b)
{
    int e = 0;
    while (b * Power(e + 1) <= a)
        ++e;
    while (b * Power(e) > a)
        --e;
    return e;
}

// a ÷ b rounded half up at the place of 10^-kept (kept may be negative).
Decimal RoundedQuotient(const Decimal& a, const Decimal& b, int kept)
{
    if (kept >= 0)
        return QuotientRounded(a, b, kept);
    return QuotientRounded(a, b * Power(-kept), 0) * Power(-kept);
}

// What is wrong with the key's working of a ∘ b beside its answer line;
// empty when nothing is.
std::string Contradiction(const std::string& a, const std::string& b, std::string answer,
                          const SheetProblems& problems, const ExamSettings& exam)
{
    const CalcOp op = OperationOf(problems.Op).Calc;
    const auto calc = BuildWrittenCalc(a, b, op, problems.Division);
    if (!calc)
        return "no working";
    const Decimal x = D(a), y = D(b);
    if (op != CalcOp::Div) {
        const Decimal exact = op == CalcOp::Add ? x + y : op == CalcOp::Sub ? x - y : x * y;
        return calc->Value == exact && D(answer) == exact ? "" : "result";
    }
    const std::string yaku = "約", rest = " あまり ";
    const bool approximate = answer.rfind(yaku, 0) == 0;
    if (approximate)
        answer = answer.substr(yaku.size());
    std::string remainder;
    if (const size_t at = answer.find(rest); at != std::string::npos) {
        remainder = answer.substr(at + rest.size());
        answer = answer.substr(0, at);
    }
    const Decimal q = RowValue(calc->Rows.front());
    const Decimal unit = Power(-q.Scale);
    if (!(y * q <= x && x < y * (q + unit)))
        return "the quotient row is not a ÷ b cut at its last place";
    if (calc->Approximate != approximate)
        return "約 on one of working and answer only";
    const DivisionMode& mode = problems.Division;
    if (mode.Mode == DivisionMode::Remainder) {
        const Decimal r = x - y * q;
        if (D(answer) != q || (r.IsZero() ? !remainder.empty() : D(remainder) != r))
            return "quotient or remainder differs from the working";
        if (!exam.fDelZero && Decimals(answer) != q.Scale)
            return "the answer drops zeros the working shows";
        return calc->Remainder.value_or(Decimal{}) == r ? "" : "remainder row";
    }
    if (!approximate)
        return y * q == x && D(answer) == q ? "" : "an exact quotient that is not";
    // Rounded: worked exactly one place past the last kept one.
    const int kept = mode.Mode == DivisionMode::Round ? mode.Places
                                                      : mode.Figures - 1 - LeadingPlace(x, y);
    if (q.Scale != std::max(kept + 1, 0))
        return "worked to " + std::to_string(q.Scale) + " places, kept " + std::to_string(kept);
    return D(answer) == RoundedQuotient(x, y, kept) ? "" : "the answer is not the working rounded";
}

// What the division a ÷ b = answer lacks that its unit teaches; empty when
// it shows it.
std::string UnitMiss(const std::string& a, const std::string& b, const std::string& answer,
                     const ExamSettings& exam)
{
    if (exam.fRest)
        return answer.find(" あまり ") != std::string::npos ? "" : "no remainder";
    if (!exam.fJust)
        return answer.rfind("約", 0) == 0 ? "" : "no rounding";
    // Worked past the dividend's last digit, its point moved by the divisor's decimals.
    return Decimals(answer) > std::max(Decimals(a) - Decimals(b), 0) ? "" : "no zero brought down";
}

struct Sheet {
    std::string Name;
    ExamSettings Exam;
    SheetSettings Layout;
};

std::vector<Sheet> Sheets()
{
    std::vector<Sheet> sheets;
    for (const GradePreset& preset : BuiltInPresets()) {
        Sheet sheet{preset.Id.toStdString(), {}, {}};
        ApplyPreset(preset, sheet.Exam, sheet.Layout);
        sheets.push_back(sheet);
    }
    // Decimal divisors kept to two and three figures, with and without a remainder.
    const Sheet figures = *std::find_if(sheets.begin(), sheets.end(),
                                        [](const Sheet& s) { return s.Name == "g5-div-round"; });
    for (int n : {2, 3})
        for (bool rest : {false, true}) {
            Sheet sheet = figures;
            sheet.Name += " figures " + std::to_string(n) + (rest ? " rest" : "");
            sheet.Exam.nRound = n;
            sheet.Exam.fRest = rest;
            sheets.push_back(sheet);
        }
    return sheets;
}

TEST(WorkedKey, WorkingAndAnswerAgreeOnEverySheet)
{
    int checked = 0;
    for (const Sheet& sheet : Sheets()) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            ScriptedGenHost host;
            ProblemMaker maker(seed);
            const RunResult run = maker.MakeProblems(sheet.Exam, host);
            ASSERT_TRUE(run.Completed()) << sheet.Name << ": " << host.Status[1];
            const SheetProblems problems = ProblemsOf(run, sheet.Layout);
            const ExamSettings& exam = run.Settings;
            std::set<std::pair<std::string, std::string>> seen;
            std::map<std::string, int> answers;
            for (size_t i = 0; i < run.Lines3.size(); ++i) {
                const std::string &a = run.Lines1[i], &b = run.Lines2[i], &answer = run.Lines3[i];
                SCOPED_TRACE(sheet.Name + " seed " + std::to_string(seed) + ": " + a + " | " + b
                             + " | " + answer);
                EXPECT_EQ(Contradiction(a, b, answer, problems, exam), "");
                if (exam.fUnitOnly && exam.Operation == OpDiv) {
                    EXPECT_EQ(UnitMiss(a, b, answer, exam), "");
                }
                if (exam.fNoRepeat) {
                    const bool swaps = exam.Operation == OpAdd || exam.Operation == OpMul;
                    EXPECT_TRUE(seen.insert({a, b}).second && !(swaps && seen.count({b, a}) && a != b));
                }
                if (exam.fFewSame) {
                    EXPECT_LE(++answers[answer], 2);
                }
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 3000);
}

}  // namespace
