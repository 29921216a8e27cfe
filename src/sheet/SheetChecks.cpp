#include "sheet/SheetChecks.h"

#include "prevform/ColorWords.h"
#include "sheet/ExamCountCheck.h"

#include <cmath>
#include <string>

MarginVerdict CheckMargin(std::optional<double> margin)
{
    // The negated tests also refuse a NaN.
    if (!margin || !(*margin >= 0))
        return MarginVerdict::Refused;
    return *margin > kMarginLimit ? MarginVerdict::TooLarge : MarginVerdict::Accepted;
}

bool SeparationAccepted(std::optional<double> gap)
{
    return gap && *gap >= 0 && std::isfinite(*gap);
}

bool ProblemFontSizeAccepted(int points)
{
    return points >= kMinProblemFontSize && points <= kMaxProblemFontSize;
}

bool PenAccepted(double mm)
{
    return mm >= SheetSettings::MinHissanPen && mm <= SheetSettings::MaxHissanPen;
}

bool PitchAccepted(double mm)
{
    return mm == 0 || (mm >= SheetSettings::MinHissanPitch && mm <= SheetSettings::MaxHissanPitch);
}

namespace {

// Keeps value when ok, else takes fallback and names the key.
template <typename T>
void Keep(bool ok, T& value, const T& fallback, const char* key, QStringList& refused)
{
    if (ok)
        return;
    value = fallback;
    refused << QString::fromLatin1(key);
}

bool Between(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high;
}

// Rows and columns as the window takes them, each field on its own; a
// grid of more than 20 problems loses its columns.
void CheckGrid(ExamSettings& exam, const ExamSettings& fallback, QStringList& refused)
{
    Keep(Between(exam.ExamRowN, 1, 10), exam.ExamRowN, fallback.ExamRowN, "Exam/Row", refused);
    Keep(Between(exam.ExamColN, 1, 4), exam.ExamColN, fallback.ExamColN, "Exam/Col", refused);
    const auto fits = [](const ExamSettings& e) {
        return CheckCols(std::to_string(e.ExamColN), std::to_string(e.ExamRowN)).Accepted;
    };
    if (!fits(exam) && !refused.contains(QStringLiteral("Exam/Col")))
        Keep(false, exam.ExamColN, fallback.ExamColN, "Exam/Col", refused);
    if (!fits(exam)) {  // a fallback grid as large: the window's starting one
        exam.ExamRowN = ExamSettings{}.ExamRowN;
        exam.ExamColN = ExamSettings{}.ExamColN;
    }
}

} // namespace

QStringList CheckFileValues(ExamSettings& exam, SheetSettings& sheet,
                            const ExamSettings& fallbackExam, const SheetSettings& fallbackSheet)
{
    QStringList refused;
    const std::pair<double SheetSettings::*, const char*> margins[] = {
        {&SheetSettings::WindowTop, "Window/Top"}, {&SheetSettings::WindowLeft, "Window/Left"},
        {&SheetSettings::WindowRight, "Window/Right"}, {&SheetSettings::WindowBottom, "Window/Bottom"}};
    for (const auto& [field, key] : margins)
        Keep(CheckMargin(sheet.*field) == MarginVerdict::Accepted, sheet.*field, fallbackSheet.*field,
             key, refused);
    CheckGrid(exam, fallbackExam, refused);
    Keep(SeparationAccepted(sheet.ExamSeparate), sheet.ExamSeparate, fallbackSheet.ExamSeparate,
         "Exam/Separate", refused);
    Keep(Between(exam.nMinus, 0, 2), exam.nMinus, fallbackExam.nMinus, "Exam/Minus", refused);
    Keep(Between(exam.nRound, 1, 6), exam.nRound, fallbackExam.nRound, "Exam/RoundPos", refused);
    Keep(ProblemFontSizeAccepted(sheet.FntExam.Size), sheet.FntExam.Size, fallbackSheet.FntExam.Size,
         "ExamFont/Size", refused);
    // Any other colour would print black.
    Keep(IsNamedColor(sheet.FntExam.Color), sheet.FntExam.Color, fallbackSheet.FntExam.Color,
         "ExamFont/Color", refused);
    Keep(PenAccepted(sheet.HissanPen), sheet.HissanPen, fallbackSheet.HissanPen, "Hissan/Pen", refused);
    Keep(PitchAccepted(sheet.HissanPitch), sheet.HissanPitch, fallbackSheet.HissanPitch, "Hissan/Pitch",
         refused);
    return refused;
}
