#include "generation/Generators.h"

#include "generation/NumberText.h"

#include <algorithm>

namespace {

// Characters after the "." of an operand text, 0 without a point.
int DecimalsShown(const std::string& text)
{
    size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

}  // namespace

bool MakeAddSub(GenerationRun& run, int sign)
{
    // Both operands on the finer of the two scales, so x ± y is exact.
    const int places = std::max(run.Ranges.Operand[0].FrcWo, run.Ranges.Operand[1].FrcWo);
    const std::int64_t common = ScaleOf(places);
    const std::int64_t m1 = common / ScaleOf(run.Ranges.Operand[0].FrcWo);
    const std::int64_t m2 = common / ScaleOf(run.Ranges.Operand[1].FrcWo);

    for (int problem = 0; problem < run.ProblemCount(); ++problem) {
        run.AtProblem(problem);
        std::int64_t x = 0, y = 0, r = 0;
        int code = CodeOk;
        int attempts = 0;
        do {
            x = run.DrawOperand(0) * m1;
            y = run.DrawOperand(1) * m2;
            ++attempts;
            r = sign > 0 ? x + y : x - y;
            code = SignCode(run.Settings.nMinus, r);
            if (code == CodeOk)
                code = run.WholeOnlyCode(Decimal::FromScaled(x, places), Decimal::FromScaled(y, places));
        } while (code != CodeOk && attempts < kMaxAttempts && run.KeepDrawing());
        if (!run.FinishAttempts(code))
            return false;
        run.AdvanceCounters();

        std::string q1 = FormatPlain(Decimal::FromScaled(x, places));
        std::string q2 = FormatPlain(Decimal::FromScaled(y, places));
        Decimal result = Decimal::FromScaled(r, places);
        std::string answer = run.Settings.fDelZero
            ? FormatPlain(result)
            : FormatFixed(result, std::max(DecimalsShown(q1), DecimalsShown(q2)));
        if (const Offered offered = run.Offer(q1, q2, answer); offered != Offered::Kept) {
            if (offered == Offered::Abandoned)
                return false;
            --problem;  // the same problem made again
        }
    }
    return true;
}
