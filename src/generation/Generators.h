#pragma once
// The four generators. Each makes ProblemCount() problems into the run's
// lists and returns true when the run completed, false when it was
// abandoned (the caller then discards the lists).
#include "generation/GenerationRun.h"

// Addition (sign +1) and subtraction (sign −1) on a common decimal scale.
bool MakeAddSub(GenerationRun& run, int sign);
// Multiplication with optional rounding of the exact product.
bool MakeMul(GenerationRun& run);
// Division with rounding, remainder, simple quotients and the answer checks.
bool MakeDiv(GenerationRun& run);
