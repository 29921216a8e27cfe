#include "generation/Generators.h"

#include "generation/NumberText.h"
#include "generation/RoundPlace.h"

bool MakeMul(GenerationRun& run)
{
    const int f1 = run.Ranges.Operand[0].FrcWo;
    const int f2 = run.Ranges.Operand[1].FrcWo;
    const ExamSettings& settings = run.Settings;

    for (int problem = 0; problem < run.ProblemCount(); ++problem) {
        std::int64_t x = 0, y = 0, p = 0;
        int code = CodeOk;
        int attempts = 0;
        do {
            x = run.DrawOperand(0);
            y = run.DrawOperand(1);
            ++attempts;
            p = x * y;
            code = SignCode(settings.nMinus, p);
        } while (code != CodeOk && attempts < kMaxAttempts);
        if (!run.FinishAttempts(code))
            return false;
        run.AdvanceCounters();

        // The exact product carries the decimals of both operands.
        const Decimal product = Decimal::FromScaled(p, f1 + f2);
        std::string answer = FormatGeneral(product);
        if (settings.fRound && answer.find('.') != std::string::npos)
            answer = FormatFixed(product, KeptDecimals(settings.nRound));
        if (settings.fDelZero)
            answer = DelZero(answer);
        run.Append(FormatGeneral(Decimal::FromScaled(x, f1)),
                   FormatGeneral(Decimal::FromScaled(y, f2)), answer);
    }
    return true;
}
