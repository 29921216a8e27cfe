#include "generation/Generators.h"

#include "generation/DivisionAnswer.h"

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

// Simple quotient: up to 100 quotients q = ⌊600 ÷ m⌋ ÷ 10 (m in 2..120) are
// tried for a dividend b × q inside operand 1's range (or its negation).
bool FitSimpleQuotient(GenerationRun& run, DivisionPair& pair)
{
    const OperandRange& range = run.Ranges.Operand[0];
    // b × q has Places2 + 1 decimals; the dividend x is it in units of
    // operand 1, cut toward zero. In 64 bits: |y| < 2^31, q·10 ≤ 300 and
    // the scales differ by at most 10^5.
    const int shift = pair.Places1 - (pair.Places2 + 1);
    const std::int64_t factor = ScaleOf(shift < 0 ? -shift : shift);
    std::int64_t q10 = 0;  // q in tenths
    std::int64_t x = 0;
    bool fits = false;
    for (int attempt = 0; attempt < 100 && !fits; ++attempt) {
        q10 = 600 / run.Random.UniformRange(2, 120);
        const std::int64_t product = pair.Y * q10;
        x = shift >= 0 ? product * factor : product / factor;
        fits = x >= range.MinV && x <= range.MaxV;
        if (!fits && -x >= range.MinV && -x <= range.MaxV) {
            x = -x;
            q10 = -q10;
            fits = true;
        }
    }
    // Without a fit the last try stays, for a loop over answered Yes.
    pair.X = x;
    pair.Dividend = pair.Divisor * Decimal{q10, 1};
    return fits;
}

bool DividesEvenly(const Decimal& dividend, const Decimal& divisor)
{
    return divisor * QuotientTruncated(dividend, divisor, 0) == dividend;
}

// One attempt, written over the previous one: every field that later steps
// read is set (a try makes thousands of attempts).
void DrawDivision(GenerationRun& run, DivAttempt& attempt)
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
        if (!FitSimpleQuotient(run, pair))
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
std::optional<DivisionPair> DrawAcceptedPair(GenerationRun& run)
{
    DivAttempt attempt;
    int attempts = 0;
    do {
        DrawDivision(run, attempt);
        ++attempts;
        if (attempt.SequenceZeroDivisor) {
            run.Host.ShowMessage("割る数が０になります。条件を確認して下さい");
            run.Host.StopTimer();
            return std::nullopt;
        }
    } while (attempt.Code != CodeOk && attempts < kMaxAttempts);
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
    for (int problem = 0; problem < run.ProblemCount(); ++problem) {
        for (int restarts = 0;;) {
            std::optional<DivisionPair> pair = DrawAcceptedPair(run);
            if (!pair)
                return false;
            DivisionAnswer answer = MakeDivisionAnswer(run.Settings, *pair);
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
            run.Host.SetStatusText(0, std::to_string(restarts));
            if (restarts >= kMaxRestarts) {
                GiveUp(run, answer.Reason);
                return false;
            }
        }
    }
    return true;
}
