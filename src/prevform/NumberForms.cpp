#include "prevform/NumberForms.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Largest magnitude whose 15-digit text still parses as a finite double.
constexpr double kLargestWritable = 1.79769313486231e308;

// The 15 significant digits of |value| (no point) and its decimal exponent,
// after rounding to 15 digits. Zero gives "000000000000000" and 0.
struct Digits {
    std::string Mantissa;
    int Exponent = 0;
};

Digits SignificantDigits(double magnitude)
{
    // d.dddddddddddddde±xx, rounded exactly as printf's "%.14e" rounds; a
    // program list writes thousands of numbers, and this is several times
    // faster than printf.
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific, 14);
    Digits digits;
    digits.Mantissa.push_back(buffer[0]);
    digits.Mantissa.append(buffer + 2, 14);
    digits.Exponent = std::atoi(buffer + 17);
    return digits;
}

double Writable(double value)
{
    if (std::isnan(value))
        return 0.0;
    if (std::fabs(value) > kLargestWritable)
        return std::copysign(kLargestWritable, value);
    return value;
}

} // namespace

QString NumberForm(double value)
{
    value = Writable(value);
    const bool negative = value < 0.0;
    const Digits digits = SignificantDigits(std::fabs(value));
    char exponent[6] = {digits.Exponent < 0 ? '-' : '+'};  // sign and four digits
    for (int i = 4, e = std::abs(digits.Exponent); i >= 1; --i, e /= 10)
        exponent[i] = static_cast<char>('0' + e % 10);
    std::string text;
    text.reserve(23);
    text += negative ? '-' : ' ';
    text += digits.Mantissa[0];
    text += '.';
    text.append(digits.Mantissa, 1, 14);
    text += 'E';
    text += exponent;
    return QString::fromLatin1(text.c_str());
}

QString GeneralForm(double value)
{
    value = Writable(value);
    if (value == 0.0)
        return QStringLiteral("0");
    const Digits digits = SignificantDigits(std::fabs(value));
    std::string mantissa = digits.Mantissa;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const int exponent = digits.Exponent;

    std::string text = value < 0.0 ? "-" : "";
    if (std::fabs(value) < 0.00001 || exponent >= 15) {
        text += mantissa[0];
        if (mantissa.size() > 1)
            text += '.' + mantissa.substr(1);
        text += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        text += "0." + std::string(-exponent - 1, '0') + mantissa;
    } else if (static_cast<int>(mantissa.size()) <= exponent + 1) {
        text += mantissa + std::string(exponent + 1 - mantissa.size(), '0');
    } else {
        text += mantissa.substr(0, exponent + 1) + '.' + mantissa.substr(exponent + 1);
    }
    return QString::fromLatin1(text.c_str());
}

QString IntegerForm(int value)
{
    return QString::number(value);
}

QString QuotedText(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
