#include "generation/DivisionAnswer.h"

#include "generation/NumberText.h"
#include "generation/RoundPlace.h"

#include <optional>

namespace {

constexpr Int128 kU = 10000;
const Decimal kTolerance{1, 10};  // 10^−10

// The value a text of ours denotes.
Decimal ValueOf(const std::string& text)
{
    return ParseDecimal(text).value_or(Decimal{});
}

// The tests of the quotients 0 and 1 on the quotient text.
std::optional<std::string> ZeroOneReason(const ExamSettings& settings, const std::string& s)
{
    Decimal value = ValueOf(s);
    if (settings.fZero && value.IsZero())
        return "結果が０";
    if (settings.fOne && value == Decimal{1, 0})
        return "結果が１";
    return std::nullopt;
}

bool Agrees(const Decimal& difference)
{
    return difference.Abs() <= kTolerance;
}

DivisionAnswer Rejected(std::string reason)
{
    DivisionAnswer answer;
    answer.Reason = std::move(reason);
    return answer;
}

}  // namespace

Decimal DivisionRemainder(const DivisionPair& pair, const Decimal& truncatedQuotient)
{
    // T: the quotient in units of 10^−4, truncated toward zero.
    const Int128 t = truncatedQuotient.TruncatedTo(4).Mantissa;
    const Int128 n = pair.X * (kU / Pow10(pair.Places1)) * kU;
    const Int128 d = pair.Y * (kU / Pow10(pair.Places2)) * kU;
    return Decimal{(n * kU - t * d) / kU, 8};
}

DivisionAnswer MakeDivisionAnswer(const ExamSettings& settings, const DivisionPair& pair)
{
    const int places = KeptDecimals(settings.nRound);
    DivisionAnswer result;
    result.Q1 = FormatGeneral(pair.Dividend);
    result.Q2 = FormatGeneral(pair.Divisor);

    std::string s = FormatFixed(QuotientRounded(pair.Dividend, pair.Divisor, places), places);
    if (settings.fDelZero)
        s = DelZero(s);
    if (auto reason = ZeroOneReason(settings, s))
        return Rejected(*reason);

    if (!settings.fRest && !settings.fJust) {
        // The rounded quotient without trailing zeros.
        result.Answer = FormatGeneral(ValueOf(s));
        result.Accepted = true;
        return result;
    }

    const Decimal truncated = QuotientTruncated(pair.Dividend, pair.Divisor, places);
    s = FormatFixed(truncated, places);
    const Decimal remainder = DivisionRemainder(pair, truncated);
    if (places >= 1 && settings.fDelZero)
        s = DelZero(s);
    if (auto reason = ZeroOneReason(settings, s))
        return Rejected(*reason);

    const Decimal q1 = ValueOf(result.Q1);
    const Decimal q2 = ValueOf(result.Q2);
    const Decimal quotient = ValueOf(s);
    if (remainder.IsZero()) {
        if (!Agrees(q1 - q2 * quotient))
            return Rejected("誤差が生じました");
        result.Answer = s;
    } else if (settings.fJust) {
        return Rejected("余りが生じました");
    } else {
        const std::string rs = RemainderText(remainder);
        if (!Agrees(q1 - q2 * quotient - ValueOf(rs)))
            return Rejected("誤差が生じました");
        result.Answer = s + " あまり " + rs;
    }
    result.Accepted = true;
    return result;
}
