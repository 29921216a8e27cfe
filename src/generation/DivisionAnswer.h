#pragma once
// The texts of one division problem and the answer tests that may reject
// it: quotient rounded or truncated to N − 1 places, the remainder, the
// exclusion of the quotients 0 and 1, and the check that dividend, divisor,
// quotient and remainder texts agree exactly.
#include "generation/Decimal.h"
#include "generation/ExamSettings.h"
#include <cstdint>
#include <string>

struct DivisionPair {
    Decimal Dividend;        // a: the dividend as listed (b × q for a simple quotient)
    Decimal Divisor;         // b, never 0
    std::int64_t X = 0;      // the dividend as a scaled integer of operand 1
    std::int64_t Y = 0;      // the divisor as a scaled integer of operand 2
    int Places1 = 0;         // FrcWo of operand 1
    int Places2 = 0;         // FrcWo of operand 2
};

struct DivisionAnswer {
    bool Accepted = false;
    std::string Q1, Q2, Answer;  // when accepted: the three list lines
    // When rejected: "結果が０", "結果が１", "余りが生じました" or "誤差が生じました"
    // (fixed texts: a run rejects hundreds of tries and copies none of them).
    const char* Reason = "";
};

DivisionAnswer MakeDivisionAnswer(const ExamSettings& settings, const DivisionPair& pair);

// A simple quotient whose dividend b × q has more decimals than operand 1
// takes, so that X is b × q cut: never accepted, since X leaves a remainder
// or, without one, the listed dividend disagrees with the quotient. The
// reason is the one MakeDivisionAnswer gives, found from the known quotient
// q without dividing the operands.
DivisionAnswer RejectCutDividend(const ExamSettings& settings, const DivisionPair& pair,
                                 const Decimal& quotient);

// The remainder of x ÷ y once the quotient is cut to 4 decimals, in units of
// 10^−8: (N·U − T·D) ÷ U with N, D the operands and T the quotient in units
// of 10^−4 (U = 10^4).
Decimal DivisionRemainder(const DivisionPair& pair, const Decimal& truncatedQuotient);
