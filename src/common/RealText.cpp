#include "common/RealText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Largest magnitude whose 15-digit text still parses as a finite double.
constexpr double kLargestWritable = 1.79769313486231e308;

bool IsControl(QChar c) { return c.unicode() <= 32; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

QStringView StripControls(QStringView text)
{
    while (!text.isEmpty() && IsControl(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && IsControl(text.back()))
        text.chop(1);
    return text;
}

// The text in ASCII without the plus signs (from_chars takes none), or
// nothing when it does not have the decimal form.
std::optional<std::string> DecimalForm(QStringView text)
{
    std::string s;
    s.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        s += static_cast<char>(c.unicode());
    }
    size_t i = 0;
    auto digits = [&] {
        const size_t start = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        return i - start;
    };
    auto sign = [&] {
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
    };
    sign();
    size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    std::erase(s, '+');
    return s;
}

// For a text of the decimal form that no double holds: whether its
// magnitude is at least 1 (too large) rather than below 1 (too small).
bool AtLeastOne(const std::string& s)
{
    const size_t ePos = s.find_first_of("eE");
    const std::string mantissa = s.substr(0, ePos);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return false;
    // Decimal exponent of the first significant digit.
    long long exponent = first < point ? static_cast<long long>(point - first - 1)
                                       : -static_cast<long long>(first - point);
    if (ePos != std::string::npos) {
        const std::string digits = s.substr(ePos + 1);
        const bool negative = digits.front() == '-';
        long long e = 0;
        for (const char c : digits)
            if (IsDigit(c))
                e = std::min<long long>(e * 10 + (c - '0'), 1'000'000'000);
        exponent += negative ? -e : e;
    }
    return exponent >= 0;
}

struct Reading {
    double Value = 0;
    bool InRange = true;
};

std::optional<Reading> Read(QStringView text)
{
    const std::optional<std::string> s = DecimalForm(StripControls(text));
    if (!s)
        return std::nullopt;
    double value = 0;
    const char* end = s->data() + s->size();
    const auto [stop, error] = std::from_chars(s->data(), end, value);
    if (error == std::errc() && stop == end && std::isfinite(value))
        return Reading{value, true};
    const bool negative = s->front() == '-';
    const double limit = AtLeastOne(*s) ? std::numeric_limits<double>::max() : 0.0;
    return Reading{negative ? -limit : limit, false};
}

// |value| rounded to `digits` significant digits: the digits without the
// point, and the decimal exponent of the first (after a carry, 9.99 at two
// digits is "10" with exponent 1).
struct Digits {
    std::string Mantissa;
    int Exponent = 0;
};

Digits SignificantDigits(double magnitude, int digits)
{
    // Rounded exactly as printf's "%.*e" rounds; a program list writes
    // thousands of numbers, and this is several times faster than printf.
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific,
                  digits - 1);
    const std::string text = buffer;
    const size_t ePos = text.find('e');
    Digits result;
    for (size_t i = 0; i < ePos; ++i)
        if (IsDigit(text[i]))
            result.Mantissa += text[i];
    result.Exponent = std::atoi(text.c_str() + ePos + 1);
    return result;
}

// The general form of a finite value at `digits` significant digits.
QString GeneralForm(double value, int digits)
{
    if (value == 0)
        return QStringLiteral("0");
    const Digits d = SignificantDigits(std::fabs(value), digits);
    std::string mantissa = d.Mantissa;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const int exponent = d.Exponent;
    const int length = static_cast<int>(mantissa.size());
    std::string text = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        text += mantissa.substr(0, 1);
        if (length > 1)
            text += '.' + mantissa.substr(1);
        text += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    } else if (length <= exponent + 1) {
        text += mantissa + std::string(static_cast<size_t>(exponent + 1 - length), '0');
    } else {
        text += mantissa.substr(0, static_cast<size_t>(exponent + 1)) + '.' +
                mantissa.substr(static_cast<size_t>(exponent + 1));
    }
    return QString::fromLatin1(text.c_str());
}

} // namespace

std::optional<double> ReadReal(QStringView text)
{
    const std::optional<Reading> r = Read(text);
    if (!r || !r->InRange)
        return std::nullopt;
    return r->Value;
}

std::optional<double> ReadRealSaturated(QStringView text)
{
    const std::optional<Reading> r = Read(text);
    if (!r)
        return std::nullopt;
    return r->Value;
}

std::optional<double> ReadSettingsReal(QStringView text)
{
    const QStringView word = StripControls(text);
    if (word == u"NAN")
        return std::numeric_limits<double>::quiet_NaN();
    if (word == u"INF")
        return std::numeric_limits<double>::infinity();
    if (word == u"-INF")
        return -std::numeric_limits<double>::infinity();
    return ReadReal(word);
}

QString FormatGeneralReal(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    return GeneralForm(value, 15);
}

QString FormatRoundTripReal(double value)
{
    if (!std::isfinite(value))
        return FormatGeneralReal(value);
    // The largest double would overflow at 15 digits; 17 always read back.
    for (int digits = 15; digits < 17; ++digits) {
        const QString text = GeneralForm(value, digits);
        if (ReadReal(text) == value)
            return text;
    }
    return GeneralForm(value, 17);
}

double WritableReal(double value)
{
    if (std::isnan(value))
        return 0.0;
    if (std::fabs(value) > kLargestWritable)
        return std::copysign(kLargestWritable, value);
    return value;
}

QString FormatFixedReal(double value)
{
    value = WritableReal(value);
    const Digits d = SignificantDigits(std::fabs(value), 15);
    char exponent[6] = {d.Exponent < 0 ? '-' : '+'};  // sign and four digits
    for (int i = 4, e = std::abs(d.Exponent); i >= 1; --i, e /= 10)
        exponent[i] = static_cast<char>('0' + e % 10);
    std::string text;
    text.reserve(23);
    text += value < 0.0 ? '-' : ' ';
    text += d.Mantissa[0];
    text += '.';
    text.append(d.Mantissa, 1, 14);
    text += 'E';
    text += exponent;
    return QString::fromLatin1(text.c_str());
}
