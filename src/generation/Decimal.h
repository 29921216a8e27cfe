#pragma once
// An exact decimal number: an integer mantissa and a count of decimal places.
// The value is Mantissa × 10^−Scale; −123.55 is held as {-12355, 2}, and the
// same value may also be held as {-123550, 3}. All operands, sums, products,
// rounded quotients and remainders of a run are Decimals, so no binary
// floating error ever reaches a text.
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

__extension__ typedef __int128 Int128;

struct Decimal {
    Int128 Mantissa = 0;
    int Scale = 0;  // decimal places, ≥ 0

    static Decimal FromScaled(std::int64_t scaled, int places) { return {scaled, places}; }

    bool IsZero() const { return Mantissa == 0; }
    bool IsNegative() const { return Mantissa < 0; }
    Decimal Negated() const { return {-Mantissa, Scale}; }
    Decimal Abs() const { return IsNegative() ? Negated() : *this; }

    // The same value with exactly `places` decimals (places ≥ Scale).
    Decimal Rescaled(int places) const;
    // Rounded half away from zero to `places` decimals.
    Decimal RoundedTo(int places) const;
    // Truncated toward zero to `places` decimals.
    Decimal TruncatedTo(int places) const;
    // Trailing zero decimals dropped (Scale as small as possible).
    Decimal Normalized() const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
};

// True when the value has no fractional part (7.00, −3, 0).
bool IsWhole(const Decimal& value);

// 10^n as a 128-bit integer, n = 0..38.
Int128 Pow10(int n);

// Division of integers rounded half away from zero / truncated toward zero.
Int128 DivRoundHalfAway(Int128 num, Int128 den);

// The quotient num ÷ den rounded half away from zero to `places` decimals
// (den ≠ 0); both operands are exact decimals.
Decimal QuotientRounded(const Decimal& num, const Decimal& den, int places);
// The same quotient truncated toward zero to `places` decimals.
Decimal QuotientTruncated(const Decimal& num, const Decimal& den, int places);
// Both from one division.
struct Quotients {
    Decimal Truncated;
    Decimal Rounded;
};
Quotients QuotientsOf(const Decimal& num, const Decimal& den, int places);

// Reads a number text made by this program: optional sign, digits with an
// optional ".", optional exponent ("E-005", "e+3"). Nothing else, no blanks.
std::optional<Decimal> ParseDecimal(std::string_view text);
