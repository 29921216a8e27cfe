#include "generation/Decimal.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::array<Int128, 39> kPowersOf10 = [] {
    std::array<Int128, 39> powers{};
    powers[0] = 1;
    for (size_t n = 1; n < powers.size(); ++n)
        powers[n] = powers[n - 1] * 10;
    return powers;
}();

}  // namespace

Int128 Pow10(int n)
{
    return kPowersOf10[static_cast<size_t>(std::clamp(n, 0, 38))];
}

namespace {

bool FitsInt64(Int128 v)
{
    return v >= INT64_MIN && v <= INT64_MAX;
}

// num ÷ den truncated toward zero; 64-bit division where both fit, which
// is every quotient a generation run makes.
Int128 DivTruncated(Int128 num, Int128 den)
{
    if (FitsInt64(num) && FitsInt64(den) && !(num == INT64_MIN && den == -1))
        return static_cast<std::int64_t>(num) / static_cast<std::int64_t>(den);
    return num / den;
}

}  // namespace

Int128 DivRoundHalfAway(Int128 num, Int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Int128 quotient = DivTruncated(num, den);
    Int128 rest = num - quotient * den;  // same sign as num
    Int128 twice = rest < 0 ? -rest * 2 : rest * 2;
    if (twice >= den)
        quotient += num < 0 ? -1 : 1;
    return quotient;
}

bool IsWhole(const Decimal& value)
{
    return value.Mantissa % Pow10(value.Scale) == 0;
}

Decimal Decimal::Rescaled(int places) const
{
    return {Mantissa * Pow10(places - Scale), places};
}

Decimal Decimal::RoundedTo(int places) const
{
    if (places >= Scale)
        return Rescaled(places);
    return {DivRoundHalfAway(Mantissa, Pow10(Scale - places)), places};
}

Decimal Decimal::TruncatedTo(int places) const
{
    if (places >= Scale)
        return Rescaled(places);
    return {Mantissa / Pow10(Scale - places), places};
}

Decimal Decimal::Normalized() const
{
    Decimal result = *this;
    while (result.Scale > 0 && result.Mantissa % 10 == 0) {
        result.Mantissa /= 10;
        --result.Scale;
    }
    return result;
}

namespace {

// Both values brought to the larger scale.
std::pair<Int128, Int128> Aligned(const Decimal& a, const Decimal& b, int& scale)
{
    scale = std::max(a.Scale, b.Scale);
    return {a.Rescaled(scale).Mantissa, b.Rescaled(scale).Mantissa};
}

}  // namespace

Decimal operator+(const Decimal& a, const Decimal& b)
{
    int scale = 0;
    auto [x, y] = Aligned(a, b, scale);
    return {x + y, scale};
}

Decimal operator-(const Decimal& a, const Decimal& b)
{
    return a + b.Negated();
}

Decimal operator*(const Decimal& a, const Decimal& b)
{
    return {a.Mantissa * b.Mantissa, a.Scale + b.Scale};
}

bool operator==(const Decimal& a, const Decimal& b)
{
    return (a <=> b) == 0;
}

namespace {

std::strong_ordering Order(Int128 x, Int128 y)
{
    return x < y ? std::strong_ordering::less
                 : (x > y ? std::strong_ordering::greater : std::strong_ordering::equal);
}

// Whether bringing `value` up by `places` decimals stays far inside 128 bits.
bool RescaleFits(Int128 value, int places)
{
    const Int128 limit = Int128{1} << 62;  // ~4.6 × 10^18; 10^18 more stays below 2^122
    return places <= 18 && value < limit && value > -limit;
}

}  // namespace

// Exact for every pair of scales up to 38: where aligning the mantissas could
// overflow 128 bits (a text of many decimals against a whole number), the
// integer parts are compared first and then the fractions, each below 10^38.
std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    const Decimal& low = a.Scale <= b.Scale ? a : b;
    if (RescaleFits(low.Mantissa, std::abs(a.Scale - b.Scale))) {
        int scale = 0;
        auto [x, y] = Aligned(a, b, scale);
        return Order(x, y);
    }
    const Int128 unitA = Pow10(a.Scale), unitB = Pow10(b.Scale);
    if (auto whole = Order(a.Mantissa / unitA, b.Mantissa / unitB); whole != 0)
        return whole;
    const int scale = std::max(a.Scale, b.Scale);
    return Order(a.Mantissa % unitA * Pow10(scale - a.Scale),
                 b.Mantissa % unitB * Pow10(scale - b.Scale));
}

namespace {

// num ÷ den as a fraction of integers, with `places` decimals of headroom.
std::pair<Int128, Int128> QuotientParts(const Decimal& num, const Decimal& den, int places)
{
    // (n / 10^sn) / (d / 10^sd) × 10^places = n × 10^(sd + places) / (d × 10^sn)
    return {num.Mantissa * Pow10(den.Scale + places), den.Mantissa * Pow10(num.Scale)};
}

}  // namespace

Quotients QuotientsOf(const Decimal& num, const Decimal& den, int places)
{
    auto [n, d] = QuotientParts(num, den, places);
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Int128 truncated = DivTruncated(n, d);
    const Int128 rest = n - truncated * d;  // same sign as n
    const bool away = (rest < 0 ? -rest : rest) * 2 >= d;
    const Int128 rounded = truncated + (away ? (n < 0 ? -1 : 1) : 0);
    return {{truncated, places}, {rounded, places}};
}

Decimal QuotientRounded(const Decimal& num, const Decimal& den, int places)
{
    return QuotientsOf(num, den, places).Rounded;
}

Decimal QuotientTruncated(const Decimal& num, const Decimal& den, int places)
{
    return QuotientsOf(num, den, places).Truncated;
}

std::optional<Decimal> ParseDecimal(std::string_view text)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    Int128 mantissa = 0;
    int scale = 0;
    int digits = 0;
    bool point = false;
    bool sawDigit = false;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '.' && !point) {
            point = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            if (digits >= 36)
                return std::nullopt;  // beyond what any text of ours carries
            sawDigit = true;
            if (mantissa != 0 || c != '0')
                ++digits;
            mantissa = mantissa * 10 + (c - '0');
            if (point)
                ++scale;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return std::nullopt;
    int exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negExp = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            negExp = text[pos++] == '-';
        if (pos == text.size())
            return std::nullopt;
        for (; pos < text.size(); ++pos) {
            if (!std::isdigit(static_cast<unsigned char>(text[pos])) || exponent > 100)
                return std::nullopt;
            exponent = exponent * 10 + (text[pos] - '0');
        }
        if (negExp)
            exponent = -exponent;
    }
    if (pos != text.size())
        return std::nullopt;
    scale -= exponent;
    if (scale < 0) {
        if (digits - scale > 36)
            return std::nullopt;
        mantissa *= Pow10(-scale);
        scale = 0;
    }
    if (scale > 38)
        return std::nullopt;
    return Decimal{negative ? -mantissa : mantissa, scale};
}
