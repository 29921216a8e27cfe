#pragma once
// The texts that the builder methods put into command lines: the fixed
// 23-character scientific number form (10 is " 1.00000000000000E+0001"), the
// general form of a pen width (0.5 is "0.5", 2 is "2"), decimal integers and
// quoted texts. None of them depends on the locale.
#include <QString>

// Sign position (blank or "-"), one digit, ".", 14 digits, "E", the exponent's
// sign and four exponent digits; the value rounded to 15 significant digits.
// Not-a-number is written as zero and infinities as the largest value whose
// text still reads back as a finite number, so a line never carries a value
// that the parser cannot take.
QString NumberForm(double value);

// Up to 15 significant digits without trailing zeros, "." as the separator;
// the exponent form ("1E-6", "1.5E20") when the value is below 0.00001 in
// magnitude or has more than 15 digits before the point.
QString GeneralForm(double value);

// Decimal integer with a leading "-" when negative.
QString IntegerForm(int value);

// The text between double quotes, every double quote inside doubled, so that
// blanks and commas survive the split of a command line.
QString QuotedText(const QString& text);
