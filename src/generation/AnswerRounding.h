#pragma once
// Rounding an answer to the rounding place N: either N − 1 decimal places,
// or, with fRoundSig, N figures counted from the first non-zero digit
// (2 figures: 0.0256 → 0.026, 28.98 → 29, 1234.5 → 1200). Exact decimal
// arithmetic throughout; the place may lie left of the point.
#include "generation/Decimal.h"
#include "generation/ExamSettings.h"
#include <string>

// The exponent e of a non-zero num ÷ den written 0.d1d2… × 10^e (d1 ≠ 0):
// 28.98 → 2, 0.0256 → −1. 0 for a zero numerator.
int LeadingExponent(const Decimal& num, const Decimal& den);

// v rounded half away from zero to `places` decimals; a negative count
// rounds to tens (−1), hundreds (−2), ...
Decimal RoundAt(const Decimal& v, int places);
// num ÷ den (den ≠ 0) rounded the same way.
Decimal QuotientRoundedAt(const Decimal& num, const Decimal& den, int places);

struct RoundedAnswer {
    Decimal Value;     // the rounded answer
    int Places = 0;    // decimals the place asked for shows (≥ 0)
    bool Changed = false;  // the rounding changed the value (the answer is approximate)
};

// num ÷ den rounded to the settings' place or figures. For a product pass
// den = 1.
RoundedAnswer RoundAnswer(const ExamSettings& settings, const Decimal& num, const Decimal& den);

// The decimals a quotient with a remainder keeps: N − 1, or with fRoundSig
// the figures' place, never left of the ones (the quotient stays whole).
int TruncationPlaces(const ExamSettings& settings, const Decimal& num, const Decimal& den);

// "約" and the rounded value with the zeros of the place asked for
// (約29.0, 約0.026); used only for an answer the rounding changed.
std::string YakuText(const RoundedAnswer& answer);

// The answer line of an exact product: rounded at the settings' place when
// fRound asks and the product is not whole, with 約 when fYaku asks and the
// rounding changed it, superfluous zeros dropped when fDelZero asks.
std::string ProductAnswerText(const ExamSettings& settings, const Decimal& product);
