#pragma once
// The invariants of the answer-adjustment check boxes, as pure functions the
// window's click handlers call: rounding stays on for division, and the
// remainder and simple-quotient options are never both on.
#include "generation/ExamSettings.h"

// "答えを四捨五入する" clicked: returns the new state of the box and of fRound.
bool CBoxRoundClick(ExamSettings& settings, bool checked, int operation);
// "わり算のあまりを出す" clicked; returns true when CBoxJust must be cleared.
bool CBoxRestClick(ExamSettings& settings, bool checked);
// "単純な数に割り切れる" clicked; returns true when CBoxRest must be cleared.
bool CBoxJustClick(ExamSettings& settings, bool checked);
