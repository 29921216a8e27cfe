#pragma once
// The texts of operands and answers: ASCII digits, "-", "." and "E" only,
// whatever the locale. Every function works on the exact decimal value.
#include "generation/Decimal.h"
#include <string>

// The general form: 15 significant digits, no trailing zeros after the
// point, scientific below 0.0001 or from 10^15 with a three-digit exponent
// (0.00001 → "1E-005", 3.75 → "3.75", 1200 → "1200").
std::string FormatGeneral(const Decimal& value);

// The general form without the scientific notation, for the problem list:
// a pupil reads 0.00001, never 1E-005 (15 significant digits as above).
std::string FormatPlain(const Decimal& value);

// Exactly `places` decimals, rounded half away from zero; a value that
// rounds to zero has no sign (−0.004 with 2 places → "0.00").
std::string FormatFixed(const Decimal& value, int places);

// Drops superfluous zeros after the point: "3.50" → "3.5", "4.00" → "4";
// texts without a point ("10", "1E-005") stay as they are.
std::string DelZero(const std::string& text);

// The remainder of a division: 10 places, then DelZero ("0.25", "1").
std::string RemainderText(const Decimal& remainder);

// A counter right-aligned in five places ("%5d").
std::string FormatCounter(int value);
