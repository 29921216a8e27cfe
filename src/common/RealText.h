#pragma once
// The texts of real numbers, read and written the same way everywhere: the
// settings file's reals, the command language's numbers, a page string's
// position texts (psX, psY) and the numeric fields of the dialogs.
//
// Every reader takes one decimal form: characters of codes 0..32 around it
// are ignored, then an optional sign, ASCII digits with an optional "."
// fraction (at least one digit in all), and an optional exponent ("E" or "e",
// optional sign, digits). "." is always the separator, whatever the locale.
// An ideographic space, full-width digits, a comma or an empty text make no
// number. The readers differ only in what a value beyond the doubles gives.
//
// The writers are locale-free too: the general form (10 is "10", 12.5 is
// "12.5", 0.000001 is "1E-6") and the fixed 23-character scientific form of
// command lists (10 is " 1.00000000000000E+0001").
#include <QString>
#include <QStringView>
#include <optional>

// The decimal form; a value too large or too small (other than zero) for a
// double is no number, so "1E400" never turns into an infinity.
std::optional<double> ReadReal(QStringView text);

// The decimal form, with a value too large for a double read as the largest
// double of its sign and one too small as 0: a number of the command
// language keeps its meaning (far off the page) rather than counting as 0.
std::optional<double> ReadRealSaturated(QStringView text);

// A real of the settings file: the decimal form as ReadReal, or one of the
// words "NAN", "INF" and "-INF" that FormatRoundTripReal writes.
std::optional<double> ReadSettingsReal(QStringView text);

// The number a page string's position text holds, the same for the dialog
// that edits it, the composer that lays the sheet out and the renderer that
// draws it: ReadReal.
inline std::optional<double> PositionValue(QStringView text)
{
    return ReadReal(text);
}

// The general form with up to 15 significant digits: no trailing zeros, the
// exponent form ("1E-6", "1.23456789012346E15") only when the rounded value is
// below 0.00001 or has more than 15 digits before the point. Not-a-number and
// the infinities give "NAN", "INF" and "-INF".
QString FormatGeneralReal(double value);

// The general form with as many digits as it takes to read back as the same
// double: 15, else 16, else 17 (0.1 + 0.2 gives "0.30000000000000004"). The
// form the settings file stores.
QString FormatRoundTripReal(double value);

// Sign position (blank or "-"), one digit, ".", 14 digits, "E", the
// exponent's sign and four exponent digits; the value rounded to 15
// significant digits. Values that cannot be written are first made
// writable, as WritableReal does.
QString FormatFixedReal(double value);

// The value a command line can carry: not-a-number as 0, magnitudes beyond
// the largest whose 15-digit text still reads as a finite double as that
// largest one, of the same sign. Everything else unchanged.
double WritableReal(double value);
