#include "generation/DivisionAnswer.h"

#include "generation/NumberText.h"
#include "generation/AnswerRounding.h"


namespace {

constexpr Int128 kU = 10000;
const Decimal kTolerance{1, 10};  // 10^−10

// The value a text of ours denotes.
Decimal ValueOf(const std::string& text)
{
    return ParseDecimal(text).value_or(Decimal{});
}

// The value that the general format of v lists. Up to 15 significant digits
// (every operand and simple dividend) that is v itself; only longer values
// are rounded by the text.
Decimal ListedValue(const Decimal& v)
{
    static const Int128 kExact = Pow10(15);
    if (v.Mantissa > -kExact && v.Mantissa < kExact)
        return v;
    return ValueOf(FormatGeneral(v));
}

// The tests of the quotients 0 and 1, on the value of the quotient text.
const char* ZeroOneReason(const ExamSettings& settings, const Decimal& quotient)
{
    if (settings.fZero && quotient.IsZero())
        return "結果が０";
    if (settings.fOne && quotient.Mantissa == Pow10(quotient.Scale))  // the value 1
        return "結果が１";
    return nullptr;
}

bool Agrees(const Decimal& difference)
{
    return difference.Abs() <= kTolerance;
}

DivisionAnswer Rejected(const char* reason)
{
    DivisionAnswer answer;
    answer.Reason = reason;
    return answer;
}

DivisionAnswer Accepted(const DivisionPair& pair, std::string answerText)
{
    DivisionAnswer answer;
    answer.Accepted = true;
    answer.Q1 = FormatPlain(pair.Dividend);
    answer.Q2 = FormatPlain(pair.Divisor);
    answer.Answer = std::move(answerText);
    return answer;
}

}  // namespace

Decimal DivisionRemainder(const DivisionPair& pair, const Decimal& truncatedQuotient)
{
    // T: the quotient in units of 10^−4, truncated toward zero.
    const Int128 t = truncatedQuotient.TruncatedTo(4).Mantissa;
    const Int128 n = pair.X * (kU / Pow10(pair.Places1)) * kU;
    const Int128 d = pair.Y * (kU / Pow10(pair.Places2)) * kU;
    const Int128 rest = n * kU - t * d;
    // Within 64 bits (every operand of at most 1000.9999) the division by
    // the constant needs no 128-bit division.
    if (rest > INT64_MIN && rest < INT64_MAX)
        return Decimal{static_cast<std::int64_t>(rest) / 10000, 8};
    return Decimal{rest / kU, 8};
}

// The tests run on exact values (a fixed-format text, with or without its
// superfluous zeros, denotes the value it was made from); the texts are made
// only for an accepted problem, since hard settings reject most tries.
DivisionAnswer MakeDivisionAnswer(const ExamSettings& settings, const DivisionPair& pair)
{
    const RoundedAnswer rounded = RoundAnswer(settings, pair.Dividend, pair.Divisor);
    if (const char* reason = ZeroOneReason(settings, rounded.Value))
        return Rejected(reason);
    if (!settings.fRest && !settings.fJust) {
        if (settings.fYaku && rounded.Changed)
            return Accepted(pair, YakuText(rounded));
        return Accepted(pair, FormatPlain(rounded.Value));  // no trailing zeros
    }

    const int places = TruncationPlaces(settings, pair.Dividend, pair.Divisor);
    const Decimal truncated = QuotientTruncated(pair.Dividend, pair.Divisor, places);
    if (const char* reason = ZeroOneReason(settings, truncated))
        return Rejected(reason);
    const Decimal remainder = DivisionRemainder(pair, truncated);
    if (!remainder.IsZero() && settings.fJust)
        return Rejected("余りが生じました");

    // Dividend, divisor, quotient and remainder as listed must agree.
    std::string s = FormatFixed(truncated, places);
    if (places >= 1 && settings.fDelZero)
        s = DelZero(s);
    const Decimal q1 = ListedValue(pair.Dividend);
    const Decimal q2 = ListedValue(pair.Divisor);
    if (remainder.IsZero()) {
        if (!Agrees(q1 - q2 * truncated))
            return Rejected("誤差が生じました");
        return Accepted(pair, s);
    }
    const std::string rs = RemainderText(remainder);
    if (!Agrees(q1 - q2 * truncated - ValueOf(rs)))
        return Rejected("誤差が生じました");
    return Accepted(pair, s + " あまり " + rs);
}

DivisionAnswer RejectCutDividend(const ExamSettings& settings, const DivisionPair& pair,
                                 const Decimal& quotient)
{
    // The rounding and the truncation only see the value of the quotient,
    // which is q itself: the same tests in the same order.
    const Decimal one{1, 0};
    if (const char* reason = ZeroOneReason(settings, RoundAnswer(settings, quotient, one).Value))
        return Rejected(reason);
    const Decimal truncated = quotient.TruncatedTo(TruncationPlaces(settings, quotient, one));
    if (const char* reason = ZeroOneReason(settings, truncated))
        return Rejected(reason);
    if (!DivisionRemainder(pair, truncated).IsZero())
        return Rejected("余りが生じました");
    return Rejected("誤差が生じました");
}
