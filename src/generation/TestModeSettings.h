#pragma once
// The random settings of a test-mode step: new range texts for the eight
// edits and, for multiplication and division, a new rounding place and
// division option. The window writes the texts into its edits unchecked.
#include "generation/ExamSettings.h"
#include "generation/RandomSource.h"

enum class TestDivOption { None, Just, Rest };

struct TestSettingsDraw {
    RangeTexts Ranges;
    bool ChangesRound = false;    // multiplication and division tabs
    int nRound = 2;
    bool ChangesDivOption = false;  // division tab only
    TestDivOption DivOption = TestDivOption::None;
};

TestSettingsDraw DrawTestSettings(RandomSource& random, int operation);

// Applies a draw to the settings record (ranges, nRound, fJust, fRest).
void ApplyTestSettings(const TestSettingsDraw& draw, ExamSettings& settings);
