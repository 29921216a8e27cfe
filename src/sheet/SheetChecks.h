#pragma once
// The checks the style dialog and the main window give the settings a user
// types, in one place for every front end: margins from 0 to 60, a
// separation of 0 or more, the grid (rows 1 to 10, columns 1 to 4, at most
// 20 problems), the rounding place (1 to 6), the sign mode (0 to 2), the
// problems' font size, a colour the page can print, and the textbook
// form's pen and square pitch. The
// dialog and the window ask them field by field as the user leaves a field;
// values read from a file go through CheckFileValues, so that no file can
// drive a sheet's layout out of range.
#include "generation/ExamSettings.h"
#include "sheet/SheetSettings.h"

#include <QStringList>
#include <optional>

constexpr double kMarginLimit = 60;

enum class MarginVerdict {
    Accepted,
    Refused,   // not a number, or negative: put back without a word
    TooLarge,  // above kMarginLimit: put back with the margin message
};
MarginVerdict CheckMargin(std::optional<double> margin);
// The gap between a problem's number and the problem: a number, 0 or more.
bool SeparationAccepted(std::optional<double> gap);

// The problems' font size in points a file may set: a sheet stays legible
// and its layout within the page's bounds.
constexpr int kMinProblemFontSize = 4;
constexpr int kMaxProblemFontSize = 200;
bool ProblemFontSizeAccepted(int points);

// The textbook form's pen, MinHissanPen to MaxHissanPen millimetres, and its
// square pitch: 0 (none: the font size decides) or MinHissanPitch to
// MaxHissanPitch millimetres. A NaN is neither.
bool PenAccepted(double mm);
bool PitchAccepted(double mm);

// Each value of exam and sheet that its field would refuse takes the same
// value of fallbackExam and fallbackSheet (the defaults, for the settings
// file). The refused ones come back as "Section/Key" of the settings file,
// so a caller can name them.
QStringList CheckFileValues(ExamSettings& exam, SheetSettings& sheet,
                            const ExamSettings& fallbackExam, const SheetSettings& fallbackSheet);
