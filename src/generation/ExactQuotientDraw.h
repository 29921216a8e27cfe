#pragma once
// Simple quotients that divide out: for a drawn divisor b, one draw among
// the quotients q = ⌊600 ÷ m⌋ ÷ 10 (m in 2..120) whose dividend b × q lies
// in operand 1's range (or its negation there), needs no more decimals than
// operand 1 has, and keeps its decimal in the answer. Every such m is
// equally likely, as when m is drawn again until one fits, for the price
// of one random number.
#include "generation/ExamSettings.h"
#include "generation/RandomSource.h"

#include <cstdint>
#include <optional>
#include <vector>

// A simple quotient and its dividend.
struct SimpleDividend {
    std::int64_t Q10 = 0;  // q in tenths, negative for the negated dividend
    std::int64_t X = 0;    // the dividend b × q on operand 1's scale
};

class ExactQuotientDraw {
public:
    // min1..max1: operand 1's scaled range; places1, places2: the decimals
    // of the two operands.
    ExactQuotientDraw(const ExamSettings& settings, std::int64_t min1, std::int64_t max1,
                      int places1, int places2);

    // A quotient for the divisor y (on operand 2's scale); none when no m fits.
    std::optional<SimpleDividend> Draw(RandomSource& random, std::int64_t y) const;

private:
    struct Quotient {
        std::int64_t Q10;
        int Twos, Fives;  // the powers of 2 and 5 that divide Q10
    };
    std::vector<Quotient> Kept;  // one per m whose q the answer keeps, in the order of m
    int Shift;                   // operand 1's decimals less those of b × q
    std::int64_t Factor;         // 10^|Shift|
    std::int64_t Lo, Hi;         // operand 1's range on the scale of y × q10
};
