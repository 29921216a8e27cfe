#include "generation/NumberText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 15;

std::string DigitsOf(Int128 magnitude)
{
    if (magnitude == 0)
        return "0";
    std::string digits;
    while (magnitude > 0) {
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string ExponentText(int exponent)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s%03d", exponent < 0 ? "-" : "", std::abs(exponent));
    return buffer;
}

}  // namespace

namespace {

std::string FormatShortest(const Decimal& value, bool allowExponent)
{
    if (value.IsZero())
        return "0";
    Decimal v = value.Abs().Normalized();
    std::string digits = DigitsOf(v.Mantissa);
    // value = 0.d1d2…dk × 10^e
    int e = static_cast<int>(digits.size()) - v.Scale;
    if (digits.size() > kSignificantDigits) {
        int drop = static_cast<int>(digits.size()) - kSignificantDigits;
        Int128 rounded = DivRoundHalfAway(v.Mantissa, Pow10(drop));
        digits = DigitsOf(rounded);
        if (digits.size() > kSignificantDigits) {  // 999…9 carried into a new digit
            digits.pop_back();
            ++e;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value.IsNegative() ? "-" : "";
    const int k = static_cast<int>(digits.size());
    if (allowExponent && (e > 15 || e < -3)) {
        text += digits[0];
        if (k > 1)
            text += "." + digits.substr(1);
        return text + "E" + ExponentText(e - 1);
    }
    if (e <= 0)
        return text + "0." + std::string(-e, '0') + digits;
    if (k <= e)
        return text + digits + std::string(e - k, '0');
    return text + digits.substr(0, e) + "." + digits.substr(e);
}

}  // namespace

std::string FormatGeneral(const Decimal& value)
{
    return FormatShortest(value, true);
}

std::string FormatPlain(const Decimal& value)
{
    return FormatShortest(value, false);
}

std::string FormatFixed(const Decimal& value, int places)
{
    places = std::max(places, 0);
    Decimal rounded = value.RoundedTo(places);
    Int128 magnitude = rounded.Mantissa < 0 ? -rounded.Mantissa : rounded.Mantissa;
    std::string digits = DigitsOf(magnitude);
    if (static_cast<int>(digits.size()) <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    std::string text = rounded.Mantissa < 0 ? "-" : "";
    text += digits.substr(0, digits.size() - places);
    if (places > 0)
        text += "." + digits.substr(digits.size() - places);
    return text;
}

std::string DelZero(const std::string& text)
{
    // Only the digits before an exponent are trimmed: "2.50E-005" keeps its
    // exponent's zeros.
    size_t exponentAt = text.find_first_of("Ee");
    std::string number = text.substr(0, exponentAt);
    std::string exponent = exponentAt == std::string::npos ? "" : text.substr(exponentAt);
    if (number.find('.') != std::string::npos) {
        while (!number.empty() && number.back() == '0')
            number.pop_back();
        if (!number.empty() && number.back() == '.')
            number.pop_back();
    }
    std::string result = number + exponent;
    size_t first = result.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    size_t last = result.find_last_not_of(' ');
    return result.substr(first, last - first + 1);
}

std::string RemainderText(const Decimal& remainder)
{
    return DelZero(FormatFixed(remainder, 10));
}

std::string FormatCounter(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%5d", value);
    return buffer;
}
