#pragma once
// The rounding place N keeps N − 1 decimals. A place outside 1..6 can come
// from a hand-edited settings file; it is used clamped to 1..6, so a place
// of 0 or −3 never asks for a negative number of decimals.
#include <algorithm>
#include <cstdint>

inline int KeptDecimals(std::int32_t nRound)
{
    return std::clamp<std::int32_t>(nRound, 1, 6) - 1;
}
