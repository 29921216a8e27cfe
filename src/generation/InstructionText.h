#pragma once
// The instruction line of a sheet, made from the settings that decide the
// answer: remainders to a place, dividing until it comes out even, rounding
// to a place or to figures (for the product or the quotient), and otherwise
// 「筆算でしましょう。」 for the column form. A one-line sheet whose answers
// are exact needs no instruction: the text is then empty.
#include "generation/ExamSettings.h"
#include <string>

std::string InstructionText(const ExamSettings& settings, bool columnForm);

// The name of the place a rounding place N keeps: "一の位", "1/10の位", ...
std::string PlaceName(std::int32_t nRound);
