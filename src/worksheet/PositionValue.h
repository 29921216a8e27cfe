#pragma once
// The number that a page string's position text (psX, psY) holds: blanks
// around it, an optional sign, digits with an optional "." fraction and an
// optional exponent. Anything else, an empty text included, is no number.
#include <QString>
#include <optional>

std::optional<double> PositionValue(const QString& text);
