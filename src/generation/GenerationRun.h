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
#include <chrono>
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

// The work one run may do, across all attempts and restarts of all its
// problems, counted in units of work (about one uniform draw each) rather
// than in time, so that a sheet code gives the same problems on any
// machine. Spent, the run ends as if its attempts or restarts had run out:
// the worst settings reach their loop-over report within about a second.
constexpr std::int64_t kRunWorkBudget = 40'000'000;

// Units charged for one attempt, one uniform draw, one draw from the bell,
// one try of a simple quotient, one draw of a simple quotient that divides
// out and one division answer worked out: roughly their relative costs.
constexpr int kAttemptUnits = 1;
constexpr int kUniformDrawUnits = 1;
constexpr int kBellDrawUnits = 24;
constexpr int kSimpleTryUnits = 3;
constexpr int kExactQuotientUnits = 16;
constexpr int kAnswerUnits = 16;

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
                  GenHost& host, std::int64_t workBudget = kRunWorkBudget);

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

    // Where the run stands, for the host's progress report.
    void AtProblem(int problem);  // 0-based
    void AtRestart(int restarts);

    // Charges units of work without a check (an answer worked out).
    void Charge(int units) { Spent += units; }
    // Charges one attempt and tells whether another may follow: false once
    // the budget is spent or the host asked to cancel. Every few thousand
    // units it asks the host for a cancel and looks at the clock: every
    // 20 ms of work it reports progress and lets the host's events through.
    bool KeepDrawing();
    bool BudgetSpent() const { return Spent >= Budget; }
    bool Cancelled() const { return fCancelled; }
    std::int64_t WorkDone() const { return Spent; }

    RunResult& Result() { return Lists; }

private:
    void Pulse();

    OperandDraw Draws[2];
    SequenceCounter Counter1;
    SequenceCounter Counter2;
    RunResult Lists;
    ProblemFilter Filter;
    int Refused = 0;  // refusals in a row of the current problem
    bool LoopOverAccepted = false;  // the user answered Yes in this run

    std::int64_t Spent = 0;
    std::int64_t Budget;
    std::int64_t NextLook;  // the units at which the clock is looked at next
    std::chrono::steady_clock::time_point LastReport;
    RunProgress Progress;
    bool fCancelled = false;
};

// 10^digits as a 64-bit integer (the scale of an operand).
std::int64_t ScaleOf(int digits);
