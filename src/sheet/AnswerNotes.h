#pragma once
// The small lines under an answer of the answer sheet: the wrong answers
// the classic mistakes give for its problem, each with the mistakes that
// lead to it (「24 あまり 2 … あまりの小数点を移したあとの位置に打った」),
// and under a division answered with a remainder the check a textbook asks
// for (「たしかめ　5.2×9.7＋0.06＝50.5」). The classic sheet and the textbook
// column form both write them in NoteFont, wrapped to the cell's width.
#include "prevform/ComposeEngine.h"
#include "prevform/PageFont.h"
#include <QString>
#include <QStringList>
#include <functional>

struct SheetProblems;
struct SheetSettings;

// The lines under answer n (1-based) of the problems, as the settings ask
// for them: none when they ask for neither or the problem makes no working.
QStringList AnswerNotes(const SheetProblems& problems, const SheetSettings& settings, int n);

// Whether the settings write any note lines on an answer sheet.
bool WritesAnswerNotes(const SheetSettings& settings);

// Small type beside a problem font: the same face and style at three
// fifths of its size, but not below 7 points (nor above the problem font).
PageFont NoteFont(const PageFont& exam);

// The lines broken so that none is wider than width as measure measures
// it; a line runs on after two full-width blanks. A single character wider
// than width stands alone.
QStringList WrapNotes(const QStringList& lines, double width,
                      const std::function<double(const QString&)>& measure);

// The height one note line takes: the tallest of lines as the engine's
// measuring font writes them (a fallback font may stand taller).
double NoteHeight(const QStringList& lines, ComposeEngine& engine);

// The room between an answer and its first note, in lines of the answer.
constexpr double kNoteGapLines = 0.25;

// Writes the note lines in the engine's current font, from y down,
// lineHeight apart.
void WriteNoteLines(ComposeEngine& engine, double x, double y, const QStringList& lines,
                    double lineHeight);

// The line naming the mistake of a まちがいさがし cell: 「まちがい：label」.
QString MistakeNote(const QString& label);
