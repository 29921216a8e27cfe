#pragma once
// Where a sheet's instruction line goes and what it says. It stands under
// the subtitle at its record's position (code 4) or at the left, right or
// centre of the page just below the page strings (codes 1 to 3); when its
// box would meet the name box it moves just below that box, so the two
// never overlap. Pure geometry in the drawing unit; the composer draws.
#include "prevform/PageStr.h"

#include <QString>
#include <optional>
#include <vector>

struct LineBox {
    double L, U, R, D;
    bool Meets(const LineBox& other) const;
};

// The typed text of the record, or when that is empty the text made from
// the problem settings.
QString InstructionLineText(const TPageStr& record, const QString& made);

// The line's box for a text w wide and h high on a page pageWidth wide,
// whose page strings end at below; none for code 0 or a position that is
// no number.
std::optional<LineBox> InstructionLineBox(const TPageStr& record, double pageWidth,
                                          double below, double w, double h);

// The box moved just below the name box (by gap) when the two would meet.
LineBox ClearOfNameBox(const LineBox& line, const std::optional<LineBox>& nameBox, double gap);

// The box moved down (by gap below each) until it meets none of obstacles.
LineBox ClearOf(const LineBox& line, const std::vector<LineBox>& obstacles, double gap);
