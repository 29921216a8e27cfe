#pragma once
// Helpers of the written calculation: an operand text read as the digits a
// pupil writes, and digit strings of exact integers.
#include "generation/Decimal.h"
#include "generation/WrittenCalc.h"
#include <optional>
#include <string>
#include <string_view>

struct WrittenOperand {
    std::string Digits;  // as written, point taken out: «0.38» → "038"
    int IntDigits = 0;   // digits before the point (at least 1)
    int Scale = 0;       // digits after it
    Int128 Value = 0;    // Digits as an integer
};

// Digits with an optional "." and digits after it; leading zeros of the
// integer part are dropped down to one. Anything else, or more than 15
// digits, gives none.
std::optional<WrittenOperand> ReadWrittenOperand(std::string_view text);

// The decimal digits of v ≥ 0, at least `width` of them (zeros in front).
std::string DigitText(Int128 v, int width = 1);

// Strikes the zeros at the end of the row's last `decimals` digits.
void StrikeEndZeros(WorkedRow& row, int decimals);

// How many places right the divisor's and the dividend's points move before
// a division is worked; -1 is the divisor's decimals, as the classroom does.
// A pupil's slip may move them otherwise: the division is still by the
// divisor's digits read as a whole number.
struct PointMoves {
    int Divisor = -1;
    int Dividend = -1;
};

std::optional<WrittenCalc> BuildWrittenDivision(const WrittenOperand& a, const WrittenOperand& b,
                                                const DivisionMode& mode, PointMoves moves = {});
