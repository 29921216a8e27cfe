#pragma once
// The check that runs when one of the eight range edits loses the focus.
// Pure: it gets all eight texts and which one is being left, and returns
// either the accepted (trimmed) text or the message to show before the edit
// gets its remembered text back.
#include "generation/ExamSettings.h"
#include <optional>
#include <string>

struct RangeVerdict {
    bool Accepted = false;
    std::string Text;     // the trimmed text, to write back into the edit
    std::string Message;  // when rejected: the message box text
};

RangeVerdict CheckRange(const RangeTexts& texts, int edit);

struct RoundPlaceVerdict {
    bool Accepted = false;
    int Value = 0;        // 1..6 when accepted
    std::string Message;  // "6以下の正の整数でなければいけません" when rejected
};

// The rounding place edit: an integer 1..6.
RoundPlaceVerdict CheckRoundPlace(const std::string& text);

// Whole-text integer conversion with an optional sign, 32-bit range;
// nothing else is accepted (no blanks, no point).
std::optional<std::int32_t> ParseInt32(const std::string& text);

// Spaces, tabs and line ends cut from both ends (a full-width space stays).
std::string TrimBlanks(const std::string& text);
