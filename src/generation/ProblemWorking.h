#pragma once
// A problem of the list worked out as a pupil writes it, with its answer
// line in the form the generators list answers: the bridge between the
// written calculation and the answer settings (remainder, rounding place or
// significant figures, 約, superfluous zeros). The answer line is made from
// the working alone, so a working with a mistake in it gives the answer that
// mistake leads to, written the way a right answer would be.
//
// Only plain non-negative operand texts make a working (see BuildWrittenCalc);
// anything else gives none.
#include "generation/ExamSettings.h"
#include "generation/WrittenCalc.h"
#include <optional>
#include <string>
#include <string_view>

// One problem as the list holds it: «7.4», «0.3», division.
struct ListedProblem {
    std::string A;  // first operand (the dividend of a division)
    std::string B;  // second operand (the divisor)
    CalcOp Op = CalcOp::Add;
};

// A worked calculation and the answer line it gives.
struct Working {
    WrittenCalc Calc;
    std::string Answer;  // «24 あまり 0.2», «約29.0», «3.77»
};

// The calculation of a tab of the main window (OpAdd … OpDiv).
CalcOp CalcOpOf(int operation);

// How this problem's division is worked under the settings: DivisionModeOf,
// and for a quotient that comes out even (fJust) the decimals its answer
// line shows, in Places.
DivisionMode DivisionModeFor(const ExamSettings& settings, std::string_view a, std::string_view b);

// The answer line of a worked calculation, as the generators write it for
// these settings; mode is the one the division was worked in.
std::string WorkedAnswerText(const WrittenCalc& calc, const ExamSettings& settings,
                             const DivisionMode& mode);

// The problem worked right, or none when its texts make no working.
std::optional<Working> RightWorking(const ListedProblem& problem, const ExamSettings& settings);
