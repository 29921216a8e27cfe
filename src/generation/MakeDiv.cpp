#include "generation/Generators.h"

#include "generation/AnswerRounding.h"
#include "generation/DivisionAnswer.h"
#include "generation/ExactQuotientDraw.h"

#include <optional>

namespace {

// Rejections by the answer tests allowed for one problem before the run
// gives up: settings no pair can satisfy must still end.
constexpr int kMaxRestarts = 1000;

struct DivAttempt {
    int Code = CodeOk;
    DivisionPair Pair;
    bool SequenceZeroDivisor = false;
};

// A simple quotient as drawn: q in tenths, its dividend b × q on operand
// 1's scale, and whether that had to be cut to operand 1's decimals.
struct SimpleQuotient {
    std::int64_t Q10 = 0;
    std::int64_t X = 0;
    bool Cut = false;
};

// The dividend x of b × q on operand 1's scale, cut toward zero, and whether
// the cut lost decimals. b × q has Places2 + 1 decimals. In 64 bits: |y| <
// 2^31, q·10 ≤ 300 and the scales differ by at most 10^5.
std::int64_t SimpleDividendOf(const DivisionPair& pair, std::int64_t q10, bool& cut)
{
    const int shift = pair.Places1 - (pair.Places2 + 1);
    const std::int64_t factor = ScaleOf(shift < 0 ? -shift : shift);
    const std::int64_t product = pair.Y * q10;
    cut = shift < 0 && product % factor != 0;
    return shift >= 0 ? product * factor : product / factor;
}

// Up to 100 quotients q = ⌊600 ÷ m⌋ ÷ 10 (m in 2..120) are tried for a
// dividend b × q inside operand 1's range (or its negation). Without a fit
// the last try stays, for a loop over answered Yes.
bool TrySimpleQuotients(GenerationRun& run, const DivisionPair& pair, SimpleQuotient& simple)
{
    const OperandRange& range = run.Ranges.Operand[0];
    bool fits = false;
    for (int attempt = 0; attempt < 100 && !fits; ++attempt) {
        simple.Q10 = 600 / run.Random.UniformRange(2, 120);
        run.Charge(kSimpleTryUnits);
        simple.X = SimpleDividendOf(pair, simple.Q10, simple.Cut);
        fits = simple.X >= range.MinV && simple.X <= range.MaxV;
        if (!fits && -simple.X >= range.MinV && -simple.X <= range.MaxV) {
            simple.X = -simple.X;
            simple.Q10 = -simple.Q10;
            fits = true;
        }
    }
    return fits;
}

// fJustExact: one draw among the quotients whose dividend divides out;
// without one the smallest q (0.5) stands, for a loop over answered Yes.
bool DrawExactQuotient(GenerationRun& run, const DivisionPair& pair, SimpleQuotient& simple,
                       const ExactQuotientDraw& exact)
{
    run.Charge(kExactQuotientUnits);
    const std::optional<SimpleDividend> drawn = exact.Draw(run.Random, pair.Y);
    if (!drawn) {
        simple.Q10 = 5;
        simple.X = SimpleDividendOf(pair, simple.Q10, simple.Cut);
        return false;
    }
    simple = {drawn->Q10, drawn->X, false};
    return true;
}

// Simple quotient: the dividend becomes b × q for a q that fits.
bool FitSimpleQuotient(GenerationRun& run, DivisionPair& pair, SimpleQuotient& simple,
                       const ExactQuotientDraw* exact)
{
    const bool fits = exact ? DrawExactQuotient(run, pair, simple, *exact)
                            : TrySimpleQuotients(run, pair, simple);
    pair.X = simple.X;
    pair.Dividend = pair.Divisor * Decimal{simple.Q10, 1};
    return fits;
}

bool DividesEvenly(const Decimal& dividend, const Decimal& divisor)
{
    return divisor * QuotientTruncated(dividend, divisor, 0) == dividend;
}

// One attempt, written over the previous one: every field that later steps
// read is set (a try makes thousands of attempts).
void DrawDivision(GenerationRun& run, DivAttempt& attempt, SimpleQuotient& simple,
                  const ExactQuotientDraw* exact)
{
    DivisionPair& pair = attempt.Pair;
    pair.Places1 = run.Ranges.Operand[0].FrcWo;
    pair.Places2 = run.Ranges.Operand[1].FrcWo;
    pair.X = run.DrawOperand(0);
    pair.Y = run.DrawOperand(1);
    // The product has the sign of the quotient.
    attempt.Code = SignCode(run.Settings.nMinus, pair.X * pair.Y);
    attempt.SequenceZeroDivisor = false;
    if (pair.Y == 0) {
        attempt.Code = CodeZeroDivisor;
        if (!run.Settings.CBox2) {
            attempt.SequenceZeroDivisor = true;
            return;
        }
    }
    pair.Dividend = Decimal::FromScaled(pair.X, pair.Places1);
    pair.Divisor = Decimal::FromScaled(pair.Y, pair.Places2);
    if (run.Settings.fJust) {
        if (!FitSimpleQuotient(run, pair, simple, exact))
            attempt.Code = CodeNoSimpleQuotient;
        else if (attempt.Code != CodeZeroDivisor)
            // The replaced dividend decides the quotient's sign: test it again.
            attempt.Code = SignCode(run.Settings.nMinus, pair.X * pair.Y);
    }
    // The dividend as listed (b × q for a simple quotient) is what must show
    // its decimals.
    if (attempt.Code == CodeOk && run.Settings.fDecOnly)
        attempt.Code = run.WholeOnlyCode(pair.Dividend, pair.Divisor,
                                         DividesEvenly(pair.Dividend, pair.Divisor));
}

// The attempts of one try at a problem; nullopt when the run is abandoned.
std::optional<DivisionPair> DrawAcceptedPair(GenerationRun& run, SimpleQuotient& simple,
                                             const ExactQuotientDraw* exact)
{
    DivAttempt attempt;
    int attempts = 0;
    do {
        DrawDivision(run, attempt, simple, exact);
        ++attempts;
        if (attempt.SequenceZeroDivisor) {
            run.Host.ShowMessage("割る数が０になります。条件を確認して下さい");
            run.Host.StopTimer();
            return std::nullopt;
        }
    } while (attempt.Code != CodeOk && attempts < kMaxAttempts && run.KeepDrawing());
    if (!run.FinishAttempts(attempt.Code))
        return std::nullopt;
    if (attempt.Pair.Y == 0) {
        // Yes to a loop over whose last divisor is 0: no quotient exists.
        run.Host.ShowMessage("割る数が０のため答えを出せません。条件を確認して下さい");
        return std::nullopt;
    }
    return attempt.Pair;
}

void GiveUp(GenerationRun& run, const std::string& reason)
{
    if (run.Host.IsTestMode()) {
        run.Host.SetStatusText(1, "条件が合いません(" + reason + ")");
        run.Host.StopTimer();
        return;
    }
    run.Host.ShowMessage("条件が合いません(" + reason + ")");
    run.Host.SetStatusText(1, "Loop over(" + reason + ")");
}

}  // namespace

bool MakeDiv(GenerationRun& run)
{
    const OperandRange& dividends = run.Ranges.Operand[0];
    std::optional<ExactQuotientDraw> exact;
    if (run.Settings.fJust && run.Settings.fJustExact)
        exact.emplace(run.Settings, dividends.MinV, dividends.MaxV, dividends.FrcWo,
                      run.Ranges.Operand[1].FrcWo);
    for (int problem = 0; problem < run.ProblemCount(); ++problem) {
        run.AtProblem(problem);
        for (int restarts = 0;;) {
            SimpleQuotient simple;
            std::optional<DivisionPair> pair = DrawAcceptedPair(run, simple, exact ? &*exact : nullptr);
            if (!pair)
                return false;
            // A cut simple dividend is never accepted: it is rejected
            // without working its answer, and the reason is found only
            // when the run gives up on it.
            const bool cut = run.Settings.fJust && simple.Cut;
            DivisionAnswer answer;
            if (!cut) {
                answer = MakeDivisionAnswer(run.Settings, *pair);
                run.Charge(kAnswerUnits);
            }
            if (answer.Accepted) {
                const Offered offered = run.Offer(answer.Q1, answer.Q2, answer.Answer);
                if (offered == Offered::Abandoned)
                    return false;
                if (offered == Offered::Again)
                    continue;
                run.AdvanceCounters();
                break;
            }
            ++restarts;
            run.AtRestart(restarts);
            run.Host.SetStatusText(0, std::to_string(restarts));
            // The restarts of this problem, or the work of the whole run,
            // have run out: the same report either way.
            if (restarts >= kMaxRestarts || !run.KeepDrawing()) {
                if (!run.Cancelled())
                    GiveUp(run, cut ? RejectCutDividend(run.Settings, *pair, Decimal{simple.Q10, 1}).Reason
                                    : answer.Reason);
                return false;
            }
        }
    }
    return true;
}
