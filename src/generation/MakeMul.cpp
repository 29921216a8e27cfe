#include "generation/Generators.h"

#include "generation/AnswerRounding.h"
#include "generation/NumberText.h"

bool MakeMul(GenerationRun& run)
{
    const int f1 = run.Ranges.Operand[0].FrcWo;
    const int f2 = run.Ranges.Operand[1].FrcWo;
    const ExamSettings& settings = run.Settings;

    for (int problem = 0; problem < run.ProblemCount(); ++problem) {
        run.AtProblem(problem);
        std::int64_t x = 0, y = 0, p = 0;
        int code = CodeOk;
        int attempts = 0;
        do {
            x = run.DrawOperand(0);
            y = run.DrawOperand(1);
            ++attempts;
            p = x * y;
            code = SignCode(settings.nMinus, p);
            if (code == CodeOk)
                code = run.WholeOnlyCode(Decimal::FromScaled(x, f1), Decimal::FromScaled(y, f2));
        } while (code != CodeOk && attempts < kMaxAttempts && run.KeepDrawing());
        if (!run.FinishAttempts(code))
            return false;
        run.AdvanceCounters();

        // The exact product carries the decimals of both operands.
        const Decimal product = Decimal::FromScaled(p, f1 + f2);
        std::string answer = ProductAnswerText(settings, product);
        const Offered offered = run.Offer(FormatPlain(Decimal::FromScaled(x, f1)),
                                          FormatPlain(Decimal::FromScaled(y, f2)), answer);
        if (offered == Offered::Abandoned)
            return false;
        if (offered == Offered::Again)
            --problem;  // the same problem made again
    }
    return true;
}
