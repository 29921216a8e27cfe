#pragma once
// The classic mistakes of decimal calculation that teachers list year after
// year, each a small exact model over the written calculation: the same
// working with one rule broken, and the answer line that working gives
// (7.4 ÷ 0.3 with the remainder's point put under the moved point: the last
// row reads 2, not 0.2, and the answer «24 あまり 2»).
//
// A model applies to some operations and answer settings (the table says
// which) and then only to problems where the rule it breaks is in play: a
// divisor without decimals moves no point, so no point can be left unmoved.
// A mistake that leaves the answer line as it is gives nothing.
#include "generation/ProblemWorking.h"
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// In table order: a mistake's value is its index in MistakeTable().
enum class Mistake {
    AddRight,          // the right ends lined up instead of the points
    SubHiddenZero,     // an empty place of the first number not taken as 0
    MulPoint,          // the product's point counted from the first factor only
    DivDividendPoint,  // the divisor's point moved, the dividend's not
    DivTooFewMoves,    // both points moved one place too few
    DivQuotientPoint,  // the quotient's point over the dividend's first point
    DivSkippedZero,    // no 0 written in the quotient
    RemMovedPoint,     // the remainder's point under the dividend's moved point
    RemNoPoint,        // no point in the remainder
    RoundPlace,        // rounded at the place after the right one
    DivNoPoint,        // no point in the quotient
};

// Answer settings a mistake needs besides its operations.
enum class MistakeNeeds {
    Nothing,
    Remainder,  // division with fRest
    Rounding,   // a rounded quotient, or a product with fRound
};

struct MistakeInfo {
    Mistake Id;
    std::string_view Key;    // «add-right»: the name in settings files and on the command line
    std::string_view Label;  // printed on keys and まちがいさがし answers
    unsigned Ops;            // the operations, as bits 1 << CalcOp
    MistakeNeeds Needs;
};

// Every mistake, in the order keys list them.
std::span<const MistakeInfo> MistakeTable();
const MistakeInfo& InfoOf(Mistake id);
// The mistake of a key, or none.
std::optional<Mistake> MistakeOfKey(std::string_view key);

// Whether the mistake can occur at all in problems of op under these
// settings; a given problem may still leave it nothing to break.
bool MistakeApplies(Mistake id, CalcOp op, const ExamSettings& settings);

// The problem worked with the mistake: none when the mistake does not apply,
// the problem's texts make no working, or the answer comes out right.
std::optional<Working> MistakenWorking(Mistake id, const ListedProblem& problem,
                                       const ExamSettings& settings);
// The same from the right working, when the caller has it already.
std::optional<Working> MistakenWorking(Mistake id, const ListedProblem& problem,
                                       const ExamSettings& settings, const Working& right);

// One wrong answer of a problem and every mistake that leads to it.
struct WrongAnswer {
    std::string Answer;               // «24 あまり 2»
    std::vector<Mistake> Mistakes;    // in table order
    std::string Label;                // their labels joined by kLabelSeparator
};

inline constexpr std::string_view kLabelSeparator = "／";

// The distinct wrong answers of a problem, in table order of their first
// mistake; empty when the problem makes no working.
std::vector<WrongAnswer> WrongAnswers(const ListedProblem& problem, const ExamSettings& settings);
