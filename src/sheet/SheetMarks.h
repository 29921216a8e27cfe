#pragma once
// What marks one sheet as a particular one: its code, its number in a class
// set and the pupil it is made for. The pupil's name goes into the name line
// after its heading; the number and the code (and the name, when the sheet
// has no name line) go into one small line at the bottom right, below the
// problem area, so they never move a problem. A sheet with no marks is
// composed exactly as before.
#include "sheet/SheetSettings.h"
#include <QString>

class ComposeEngine;
class SheetComposer;
struct SheetLayout;

struct SheetMarks {
    QString sCode;   // printed when not empty
    int No = 0;      // "No.k" when 1 or more
    QString sPupil;  // the pupil's name, empty without a list

    bool IsEmpty() const { return sCode.isEmpty() && No <= 0 && sPupil.isEmpty(); }
};

// The settings with the pupil's name in the name line: after the heading
// ("なまえ　山田 花子"), or alone when the heading is empty.
SheetSettings WithPupil(const SheetSettings& settings, const QString& pupil);

// Whether the sheet draws the date-and-time box and so its name line.
bool HasNameLine(const SheetSettings& settings);

// The text of the bottom line: "No.k", the name when there is no name line,
// and the code, separated by full-width blanks; empty when there is nothing.
QString MarkLineText(const SheetSettings& settings, const SheetMarks& marks);

// Appends the bottom line to the sheet composer has just written, right
// aligned to the problem area and in the margin below it.
void WriteMarkLine(SheetComposer& composer, ComposeEngine& engine, const SheetLayout& layout,
                   const SheetSettings& settings, const SheetMarks& marks);
