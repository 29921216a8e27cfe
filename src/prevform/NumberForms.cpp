#include "prevform/NumberForms.h"

#include <cmath>
#include <cstdio>
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude); // d.dddddddddddddde±xx
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
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "%c%04d", digits.Exponent < 0 ? '-' : '+',
                  std::abs(digits.Exponent));
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
