#include "generation/AnswerRounding.h"

#include "generation/NumberText.h"
#include "generation/RoundPlace.h"

#include <algorithm>

namespace {

// Both magnitudes as integers of one scale.
void Magnitudes(const Decimal& num, const Decimal& den, Int128& n, Int128& d)
{
    const int scale = std::max(num.Scale, den.Scale);
    n = num.Abs().Mantissa * Pow10(scale - num.Scale);
    d = den.Abs().Mantissa * Pow10(scale - den.Scale);
}

// The figures asked for, 1..6 like the place.
int Figures(const ExamSettings& settings)
{
    return KeptDecimals(settings.nRound) + 1;
}

}  // namespace

int LeadingExponent(const Decimal& num, const Decimal& den)
{
    Int128 n = 0, d = 0;
    Magnitudes(num, den, n, d);
    if (n == 0 || d == 0)
        return 0;
    int e = 0;
    if (n >= d) {
        // 10^(e−1)·d ≤ n < 10^e·d
        for (Int128 bound = d; n >= bound; bound *= 10)
            ++e;
        return e;
    }
    for (; n < d; n *= 10)
        --e;
    return e + 1;
}

Decimal RoundAt(const Decimal& v, int places)
{
    if (places >= 0)
        return v.RoundedTo(places);
    const Int128 unit = Pow10(-places);
    return {DivRoundHalfAway(v.Mantissa, Pow10(v.Scale) * unit) * unit, 0};
}

Decimal QuotientRoundedAt(const Decimal& num, const Decimal& den, int places)
{
    if (places >= 0)
        return QuotientRounded(num, den, places);
    // num ÷ (den·10^k) rounded to a whole number, times 10^k.
    const Int128 unit = Pow10(-places);
    const Decimal whole = QuotientRounded(num, den * Decimal{unit, 0}, 0);
    return whole * Decimal{unit, 0};
}

RoundedAnswer RoundAnswer(const ExamSettings& settings, const Decimal& num, const Decimal& den)
{
    RoundedAnswer answer;
    if (!settings.fRoundSig) {
        answer.Places = KeptDecimals(settings.nRound);
        answer.Value = QuotientRoundedAt(num, den, answer.Places);
    } else {
        const int e = LeadingExponent(num, den);
        int places = Figures(settings) - e;
        answer.Value = QuotientRoundedAt(num, den, places);
        // 9.96 to two figures is 10: the carry makes a figure more, so the
        // place shown moves one to the left.
        if (!answer.Value.IsZero() && LeadingExponent(answer.Value, Decimal{1, 0}) > e)
            --places;
        answer.Places = std::max(places, 0);
    }
    answer.Changed = !(answer.Value * den == num);
    return answer;
}

int TruncationPlaces(const ExamSettings& settings, const Decimal& num, const Decimal& den)
{
    if (!settings.fRoundSig)
        return KeptDecimals(settings.nRound);
    return std::max(Figures(settings) - LeadingExponent(num, den), 0);
}

std::string YakuText(const RoundedAnswer& answer)
{
    return "約" + FormatFixed(answer.Value, answer.Places);
}

std::string ProductAnswerText(const ExamSettings& settings, const Decimal& product)
{
    if (!settings.fRound || IsWhole(product))
        return FormatPlain(product);
    const RoundedAnswer rounded = RoundAnswer(settings, product, Decimal{1, 0});
    if (settings.fYaku && rounded.Changed)
        return YakuText(rounded);
    const std::string text = FormatFixed(rounded.Value, rounded.Places);
    return settings.fDelZero ? DelZero(text) : text;
}
