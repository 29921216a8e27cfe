#pragma once
// Writes a problem sheet or an answer sheet into the preview engine's program
// list: page strings, the boxed date-and-time heading, the optional dotted
// frame and a grid of cells numbered down each column, each holding one
// problem on one line or in the column form. A remainder answer too wide
// for its cell breaks before « あまり » onto a second line; problems that
// would still not fit their cells in the problem font are written in a
// smaller size of it, the same for a problem sheet and its answer sheet. The
// textbook column form lays its cells out through TextbookSheet and may take
// several pages. It only appends command
// lines and measures text; it never renders and never writes into the
// settings: the margins it ends up using come back from Layout(). An answer
// sheet with notes under its answers (AnswerNotes.h) gives each cell the
// room its notes need, running on over further pages when the grid's cells
// are too low for them. It owns
// none of its inputs and keeps references to them, so make one per run.
// SheetPipeline is the one caller that composes whole sheets.
#include "generation/ExamSettings.h"
#include "generation/WrittenCalc.h"
#include "prevform/ComposeEngine.h"
#include "sheet/CellWriter.h"
#include "sheet/SheetSettings.h"
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

class TextbookSheet;

enum SheetMode : int { ProblemSheet = 0, AnswerSheet = 1 };

// A sheet's problems: the three lists, one problem a line (as a run made
// them, or as the user edited them), and the run's operation, how far a
// written division is worked and the instruction its settings give. Made by
// ProblemsOf from a run.
struct SheetProblems {
    QStringList Lines1;  // first operands
    QStringList Lines2;  // second operands
    QStringList Lines3;  // answers as display text
    Operation Op = OpAdd;
    DivisionMode Division = {};  // how far the textbook form works a division
    // The instruction made from the settings that made the problems; the
    // sheet shows it when the instruction line's own text is empty.
    QString Instruction = {};
    // The answer settings of the run, which the mistake models and the
    // checks under the answers work with.
    ExamSettings Exam = {};

    // The operator sign: 「＋」「－」「×」 or 「÷」.
    QString Sign() const;
};

// Line n (1-based) of one of the lists; empty when the list is shorter.
QString ListLine(const QStringList& lines, int n);

// The margins a sheet ends up using and the problem area it writes into, in
// the drawing unit: WindowTop raised below the page strings at the top,
// WindowBottom at least 10, and the top, right and bottom edges of the area.
struct SheetLayout {
    double WindowTop = 0;
    double WindowBottom = 0;
    double WindowUpper = 0;
    double WindowInner = 0;
    double WindowUnder = 0;

    // The settings' own margins and area, before a sheet is composed.
    static SheetLayout Of(const SheetSettings& settings);
    // Writes the results into settings, as the main window keeps them.
    void StoreIn(SheetSettings& settings) const;
};

// Rows and columns of the grid as a run uses them: rows 1 to 10, columns 1 to
// 4 and at most 20 cells, whatever a hand-edited settings file holds.
struct GridSize {
    int Rows;
    int Cols;
    static GridSize Clamped(int rows, int cols);
};

class SheetComposer {
public:
    struct Area { double L, U, R, D; };

    // curFont is the font the program list written so far leaves in force;
    // its owner keeps it between runs.
    SheetComposer(ComposeEngine& engine, const SheetSettings& settings,
                  const SheetProblems& problems, PageFont& curFont);

    // Where the "%t" and "%d" headings take the time from, and how they
    // format it (the local clock and the system locale unless set).
    void SetClock(std::function<QDateTime()> clock, const QLocale& locale);

    // mode: ProblemSheet or AnswerSheet. Replaces the engine's program list
    // with page `page` (0-based) of the sheet; does nothing when there are
    // no problems. Every page carries the page strings and the heading.
    void ComposeSheet(int mode, int page = 0);
    // The pages the sheet takes: one, except in the textbook column form,
    // whose grid runs on over pages when it does not fit one, and on an
    // answer sheet whose notes need more room than its cells. Known once
    // the first page is composed.
    int PageCount() const;
    // The margins and the problem area of the sheet composed last (the
    // settings' own before that).
    const SheetLayout& Layout() const { return Result; }

    // Font lines that turn CurFont into font (face, size, colour, bold,
    // italic, only what differs); then CurFont becomes font.
    void EmitFontChange(const PageFont& font);
    // The record's face, size, bold and italic into font, colour black.
    void SetPageStrFont(const TPageStr& record, PageFont& font);
    // The font that "INITPARAM" establishes.
    void ResetCurFont();

    // Problems are never written smaller than this to make them fit.
    static constexpr int kSmallestProblemSize = 8;

private:
    // One cell of the grid: its problem number, its top left corner and
    // where its problem starts, after the label and the separation.
    struct CellPlace { int N; double CX, CY, EX; };
    // How far the cells of a sheet reach past their right edges, and
    // whether any reaches below its own.
    struct Overrun { double Right = -std::numeric_limits<double>::infinity(); bool Below = false; };

    void PageStrings(int mode, PageFont& f);
    std::optional<double> PlacePageStr(const TPageStr& record, const QString& text,
                        void (ComposeEngine::*builder)(const QString&, int, double, double),
                        PageFont& f);
    void RaiseTop(std::optional<double> y, double h);
    void DateHeading(PageFont& f);
    void ScoreCell(double right, double y, double h);
    void InstructionLine(PageFont& f);
    bool InstructionShown() const;
    std::optional<Area> NameBoxPlace();
    TPageStr SubTitleClearOfNameBox(const QString& text);
    void Outline(const Area& box);
    void FramePen();
    Area ProblemArea();
    void Cells(int mode, const Area& area, int page, PageFont& f);
    // The note lines of a cell and how far below its top they start.
    struct CellNotes { double Top = 0; QStringList Lines; double LineHeight = 0; };
    QList<CellPlace> NotedPlaces(const Area& area, const GridSize& grid,
                                 const QList<CellPlace>& places, int page,
                                 QList<CellNotes>& notes, PageFont& f);
    CellNotes NotesOf(const CellPlace& place, double cw);
    void Notes(const CellPlace& place, const CellNotes& notes);
    void TextbookCells(int mode, const Area& area, int page, PageFont& f);
    void NumberLabel(int n, double x, double y, PageFont& f);
    QList<CellPlace> CellPlaces(const Area& area, const GridSize& grid, double cw, double ch,
                                int first, PageFont& f);
    QString Label(int n) const;
    PageFont FittingExamFont(const QList<CellPlace>& places, double cw, double ch);
    Overrun CellsOverrun(const QList<CellPlace>& places, double cw, double ch);
    bool AllCellsFit(const QList<CellPlace>& places, double cw, double ch);
    void NarrowSeparation(QList<CellPlace>& places, double cw, double ch);
    void MeasureIn(const PageFont& exam);
    double CellEnd(const CellPlace& place, double cw);
    void Cell(int mode, int n, double ex, double ey, double end, CellWriter& out);
    void OneLine(int n, double ex, double ey, double end, CellWriter& out);
    void Answer(double ex, double ey, const QString& problem, const QString& answer, double end,
                CellWriter& out);
    void ColumnForm(int n, double ex, double ey, CellWriter& out);
    void Division(int n, double ex, double ey, CellWriter& out);
    QString DigitPitch();

    ComposeEngine& Engine;
    const SheetSettings& Settings;
    SheetLayout Result;
    const SheetProblems& Problems;
    PageFont& CurFont;
    std::function<QDateTime()> Clock;
    QLocale Locale;
    std::optional<Area> NameBox;      // the date-and-time box as drawn
    std::optional<Area> SubTitleBox;  // the subtitle, measured while the instruction is shown
    PageFont Exam;  // FntExam at the size this sheet writes its problems in
    double SW = 0;  // width and height of the sign with one digit, in Exam
    double SH = 0;
    std::shared_ptr<TextbookSheet> Textbook;  // laid out on the first page it writes
    int ClassicPages = 1;  // pages of a one-line or column-form sheet
};
