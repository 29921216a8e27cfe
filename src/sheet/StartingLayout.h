#pragma once
// The layout that the title, the subtitle and the date-and-time heading get
// on a first start, when their records have never been configured (code 0
// and position texts exactly "0"). Header and footer get none. The
// instruction line gets its layout only when it is first asked for.
#include "prevform/PageStr.h"

enum class StartingLayout { PageTitle, SubTitle, DateTime, Instruction };

// A record as an absent settings section loads it: no text, code 0, face
// "ＭＳ 明朝" in 9 points, position "0", "0".
TPageStr UnconfiguredPageStr();

// True while the record still has code 0 and the position "0", "0".
bool IsUnconfigured(const TPageStr& record);

// Gives an unconfigured record its starting size and position (code 4);
// a configured record is left as the user set it. Returns whether it changed.
bool GiveStartingLayout(TPageStr& record, StartingLayout which);

// Turns the instruction line on: an unconfigured record gets its starting
// layout under the subtitle, a configured one set to "なし" goes back to
// its own position (code 4).
void ShowInstructionLine(TPageStr& record);
