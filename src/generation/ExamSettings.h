#pragma once
// Everything a generation run reads: the operation, the problem count, the
// eight range texts as typed, the two random flags and the answer options.
// One record serves all four operations. Plain data; no checks happen here.
#include <array>
#include <cstdint>
#include <string>

// The eight range edits, in the order the range check indexes them.
enum RangeEdit : int {
    EdtMin1 = 0, EdtMin1e, EdtMax1, EdtMax1e,
    EdtMin2, EdtMin2e, EdtMax2, EdtMax2e,
    RangeEditCount
};

using RangeTexts = std::array<std::string, RangeEditCount>;

// The operation of each tab of the main window.
enum Operation : int { OpAdd = 0, OpSub = 1, OpMul = 2, OpDiv = 3 };

// True for the four decimal-digit edits (EdtMin1e, EdtMax1e, ...).
inline bool IsDecimalEdit(int edit) { return edit % 2 == 1; }

struct ExamSettings {
    int Operation = OpAdd;   // 0 addition, 1 subtraction, 2 multiplication, 3 division
    std::int32_t ExamRowN = 10;
    std::int32_t ExamColN = 1;
    RangeTexts Ranges = DefaultRanges();
    bool CBox1 = true;       // operand 1 drawn at random (else in sequence)
    bool CBox2 = true;       // operand 2 drawn at random (else in sequence)
    std::int32_t rnd_D = 0;  // random parameter D
    std::int32_t nMinus = 0; // 0 result positive, 1 positive or zero, 2 any sign
    bool fRound = false;     // round multiplication answers (division always rounds)
    std::int32_t nRound = 2; // rounding place N: N − 1 decimals are kept
    bool fRest = false;      // division: quotient with remainder
    bool fJust = false;      // division: simple quotient
    bool fJustExact = false; // simple quotients drawn only where the dividend divides out
    bool fZero = true;       // division: no quotient 0
    bool fOne = true;        // division: no quotient 1
    bool fDelZero = true;    // delete superfluous zeros of answers
    bool fRoundSig = false;  // nRound counts figures from the first non-zero digit
    bool fDecOnly = false;   // no whole operands where a range has decimals
    bool fYaku = false;      // a rounded answer reads «約29.0»
    bool fFullDec = false;   // a drawn operand shows every decimal place of its range
    // Sheets that exercise their unit (ProblemFilter.h):
    bool fNoRepeat = false;  // no problem twice on a sheet (+ and × nor swapped)
    bool fUnitOnly = false;  // division: a remainder left, rounding needed, a zero brought down
    bool fFewSame = false;   // no answer more than twice on a sheet

    static RangeTexts DefaultRanges() { return {"1", "00", "10", "00", "1", "00", "10", "00"}; }
};
