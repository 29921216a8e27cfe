#pragma once
// Turns the eight range texts into scaled integers for one run: per operand
// the common count of decimal digits `FrcWo` and the bounds `MinV`, `MaxV`
// held as value × 10^FrcWo (1.5 .. 3.25 → FrcWo 2, MinV 150, MaxV 325).
#include "generation/ExamSettings.h"
#include <array>
#include <cstdint>
#include <string>

struct OperandRange {
    int FrcWo = 0;          // decimal digits of the operand
    std::int32_t MinV = 1;  // scaled minimum (1 if its text is not an integer)
    std::int32_t MaxV = 10; // scaled maximum (10 if its text is not an integer)
};

struct RunRanges {
    std::array<OperandRange, 2> Operand;
};

RunRanges PrepareRun(const RangeTexts& texts);
