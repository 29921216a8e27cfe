#pragma once
// The state one generation run shares between the generators: settings,
// scaled ranges, the random source, the host, the sequence counters and the
// three list buffers; plus the attempt loop's loop-over report, common to
// all four operations.
#include "generation/Decimal.h"
#include "generation/ExamSettings.h"
#include "generation/GenHost.h"
#include "generation/ProblemFilter.h"
#include "generation/ProblemMaker.h"
#include "generation/RandomSource.h"
#include "generation/RunPreparation.h"
#include "generation/SequenceCounter.h"
#include <cstdint>
#include <string>

// Why the last attempt of a problem failed.
enum AttemptCode : int {
    CodeOk = 0,
    CodeNotPositive = 1,  // result ≤ 0 in sign mode 0
    CodeNegative = 2,     // result < 0 in sign mode 1
    CodeZeroDivisor = 3,
    CodeNoSimpleQuotient = 4,
    CodeWholeOnly = 5,    // fDecOnly: a whole operand or an all-whole problem
};

// How often fFullDec draws an operand again at most: one value in ten ends
// in 0, so 64 draws leave a chance of 10^-64 for an ordinary range.
constexpr int kFullDecDraws = 64;

// The first attempt and 20,000 retries.
constexpr int kMaxAttempts = 20001;

// How often one problem is made again because the sheet's filters refuse
// it, before the loop-over question says why.
constexpr int kMaxFiltered = 2000;

// What becomes of a made problem offered to the sheet.
enum class Offered { Kept, Again, Abandoned };

// The reason text of a failed attempt ("数が０以下", ...).
std::string LoopOverReason(int code);

// The sign-mode test of a result (or of a product with the quotient's sign).
int SignCode(std::int32_t nMinus, std::int64_t result);

class GenerationRun {
public:
    GenerationRun(const ExamSettings& settings, const RunRanges& ranges, RandomSource& random,
                  GenHost& host);

    const ExamSettings& Settings;
    const RunRanges& Ranges;
    RandomSource& Random;
    GenHost& Host;

    int ProblemCount() const;
    // Operand 0 or 1 of the current attempt, on its own scale: a draw when its
    // "乱数" box is ticked (with fFullDec one whose last decimal digit is not
    // 0), else the counter's value.
    std::int64_t DrawOperand(int operand);
    // fDecOnly: CodeWholeOnly when an operand whose range has decimal digits
    // came out whole, or when both operands are whole and so is the result
    // (a division of whole numbers with a decimal quotient still shows a
    // decimal); CodeOk otherwise, and always without the option.
    int WholeOnlyCode(const Decimal& left, const Decimal& right, bool resultWhole = true) const;
    // Both counters move one unit after an accepted problem.
    void AdvanceCounters();
    // After the attempts of a problem: the test counter, and for a failed
    // last attempt the loop-over report, whose question is asked once per
    // run: after a Yes later loop overs go on unasked. False when the run
    // is abandoned.
    bool FinishAttempts(int code);
    void Append(const std::string& q1, const std::string& q2, const std::string& answer);
    // A made problem offered to the sheet: appended when the filters keep
    // it; to be made again when they refuse it; after kMaxFiltered refusals
    // in a row the loop-over question names the reason, and a Yes appends
    // it anyway, a No abandons the run.
    Offered Offer(const std::string& q1, const std::string& q2, const std::string& answer);

    RunResult& Result() { return Lists; }

private:
    SequenceCounter Counter1;
    SequenceCounter Counter2;
    RunResult Lists;
    ProblemFilter Filter;
    int Refused = 0;  // refusals in a row of the current problem
    bool LoopOverAccepted = false;  // the user answered Yes in this run
};

// 10^digits as a 64-bit integer (the scale of an operand).
std::int64_t ScaleOf(int digits);
