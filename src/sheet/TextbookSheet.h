#pragma once
// The cells of a sheet in the textbook column form (筆算): chooses the
// problem size and where every cell stands, and writes a cell's problem, its
// answer or its whole worked calculation through TextbookCell.
//
// Every cell keeps below its problem the room the worked calculation takes,
// so the pupil can work in it and the worked answer sheet lies over the
// problem sheet; no cell reaches into its neighbour or off the problem area.
// Every cell has the same room and grid of squares, those of the sheet's
// largest working, so that no cell gives away how long its answer is. With
// a square pitch (HissanPitch) the font is sized to the squares and the
// grid runs on over pages as needed.
// Problems are written in FntExam, smaller when the grid would not fit, but
// never below kSmallestSize: a grid that does not fit one page at that size
// runs on over further pages, its numbers running on. A problem line that
// is not a plain number gets the one-line cell «a ÷ b = answer».
//
// Under each answer of the answer sheet stand the note lines the settings
// ask for (AnswerNotes.h), in small type; every cell keeps their room too.
// A まちがいさがし sheet writes each problem worked with one mistake of the
// table, with room beside it for the right working, and its answer sheet
// the right working with the mistake named under it; a problem no mistake
// changes is written as on an ordinary sheet.
//
// It neither writes page strings nor numbers: the composer does, with the
// places and the font chosen here.
#include "prevform/ComposeEngine.h"
#include "generation/ProblemWorking.h"
#include "generation/WrittenCalc.h"
#include "sheet/TextbookCell.h"
#include <QList>
#include <functional>
#include <optional>
#include <vector>

struct SheetProblems;
struct SheetSettings;

struct TextbookArea {
    double L = 0, U = 0, R = 0, D = 0;
};

// One cell: its problem number, its top left corner and where its problem
// starts, after the number and the separation.
struct TextbookPlace {
    int N = 0;
    double CX = 0, CY = 0, EX = 0;
};

class TextbookSheet {
public:
    TextbookSheet(ComposeEngine& engine, const SheetSettings& settings,
                  const SheetProblems& problems);

    // Lays the cells out in area; offset(n) is how far problem n starts
    // right of its cell's left edge. Leaves Exam() as the measuring font.
    void Lay(const TextbookArea& area, const std::function<double(int)>& offset);

    int PageCount() const { return static_cast<int>(Pages.size()); }
    const QList<TextbookPlace>& Places(int page) const { return Pages.at(page); }
    const PageFont& Exam() const { return ExamFont; }
    double CellWidth() const { return CW; }
    double CellHeight() const { return CH; }

    // Makes Exam() the measuring font again (after numbers were measured).
    void MeasureInExam();
    // Writes cell n (1-based) of the problem sheet or the answer sheet with
    // its problem's top left corner at (ex, ey), in Exam().
    void WriteCell(int mode, int n, double ex, double ey);
    // How far below its cell's top cell n's first operand row starts: the
    // row its number stands level with.
    double FirstOperandTop(int n) const;

    static constexpr int kSmallestSize = 14;
    // The sizes a square pitch may choose from.
    static constexpr int kSmallestPitchSize = 6;
    static constexpr int kLargestPitchSize = 96;

private:
    struct Need {
        double W = 0;  // from the cell's left edge to a gap past the widest content
        double H = 0;  // the tallest content with a gap under it
    };
    Need Measure(int size);
    CellSize ContentSize(int n);
    QString OneLine(int n, bool withAnswer) const;
    QString Answer(int n) const;
    TextbookCell CellOf(int n) const;
    TextbookCell CellOf(const WrittenCalc& calc) const;
    void Place(const TextbookArea& area, int rows, int cols);
    int SizeForPitch();
    // Notes and まちがいさがし workings (TextbookSheetNotes.cpp).
    void PrepareNotes();
    void MeasureNotes(double cellWidth);
    double AnswerBottom(int n);
    CellSize WithNotes(int n, CellSize content) const;
    CellSize FindMistakeSize(int n, CellSize content) const;
    void WriteNotes(int n, double ex, double ey);
    bool WriteFindMistake(int mode, int n, double ex, double ey);

    ComposeEngine& Engine;
    const SheetSettings& Settings;
    const SheetProblems& Problems;
    std::vector<std::optional<WrittenCalc>> Calcs;  // per problem, none for the one-line cell
    std::vector<double> Offsets;
    std::vector<CellSize> AnswerSizes;  // per problem, in the font last measured
    std::vector<QStringList> NoteLines;    // per problem, as made
    std::vector<QStringList> WrappedNotes; // per problem, broken to the cell's width
    std::vector<std::optional<Working>> Broken;  // per problem on a まちがいさがし sheet
    std::vector<CellSize> BrokenAnswerSizes;
    std::vector<double> NoteTops;          // per problem, below the cell's top
    double NoteLineHeight = 0;
    double AreaWidth = 0;
    int Rows = 1;
    int Cols = 1;
    PageFont ExamFont;
    TextbookMetrics Metrics;
    TextbookStyle Style;  // the sheet's pen and squares, and the grid every cell shares
    double CW = 0;
    double CH = 0;
    QList<QList<TextbookPlace>> Pages;
};
