#pragma once
// Splitting one command line into fields: outside double quotes a field ends
// at a comma or a character with code 1..32; blanks after a field or comma are
// skipped; a quoted field runs to its closing quote ("" inside is one quote);
// a comma at the very end gives one trailing empty field. The line is first
// stripped of leading and trailing characters with codes 0..32; a NUL inside
// the line ends it. Also the argument readers of the language, and the field
// writers of the builders that the readers take back.
#include <QString>
#include <QStringList>
#include <optional>

// The fields; empty when the stripped line is empty.
QStringList SplitCommandLine(const QString& line);
// The text without the characters of codes 0..32 at either end.
QString StripControls(const QString& text);
// Field 0 upper-cased and trimmed (the keyword); empty for no fields.
QString CommandKeyword(const QStringList& fields);
// A field upper-cased and trimmed, for word arguments.
QString CommandWord(const QString& field);
// Number and integer fields are trimmed like words, of codes 0..32 only: an
// ideographic space makes a field no number.
// "number": the decimal form of ReadRealSaturated (common/RealText.h); beyond
// the range of a double it is the largest double of its sign.
std::optional<double> CommandNumber(const QString& field);
// "integer": sign and decimal digits in the 32-bit range; nullopt otherwise.
std::optional<int> CommandInteger(const QString& field);

// Decimal integer with a leading "-" when negative.
QString IntegerForm(int value);
// The text between double quotes, every double quote inside doubled, so that
// blanks and commas survive the split of a command line.
QString QuotedText(const QString& text);
