#pragma once
// The value of an operand taken in sequence: starts at the minimum, moves one
// unit per accepted problem and wraps from beyond the maximum to the minimum.
#include <cstdint>

class SequenceCounter {
public:
    SequenceCounter(std::int32_t min, std::int32_t max) : Min(min), Max(max), Current(min) {}

    std::int32_t Value() const { return Current; }
    void Advance() { Current = Current >= Max ? Min : Current + 1; }

private:
    std::int32_t Min;
    std::int32_t Max;
    std::int32_t Current;
};
