#pragma once
// One cell of the textbook column form (筆算), written through the
// composing engine's builders: the problem as a pupil finds it, or the whole
// worked calculation with the answer text under it. Both lie on the same
// grid, so a worked answer sheet lies over the pupil's sheet.
//
// Digits stand on a fixed pitch, each row of digits one "TextOut" with that
// pitch; a decimal point is a "." of its own, centred in the gap between two
// digit columns on the digits' baseline. Addition and subtraction line up
// the points, multiplication the right ends, the sign stands left of the
// second row and a rule runs under the operands. Division draws the divisor,
// a curved bracket joined to a bar a clear gap above the dividend's digits, and
// leaves a row above the bar for the quotient. Rules, bar, bracket, strike
// marks and arrows use a pen of Pen millimetres; squares are drawn first, in
// light grey, every row one square high with the rules on the lines between
// them. Zeros brought down past the dividend are written into it in a
// smaller size, FontSize set back afterwards. Afterwards the pen is one
// device dot and black again, as the composer draws with.
//
// Nothing else here chooses fonts or sizes: the caller sets the problem font
// (and measures in it) before measuring metrics and writing.
#include "generation/WrittenCalc.h"
#include "prevform/ComposeEngine.h"
#include <QString>
#include <vector>

struct TextbookMetrics {
    double Pitch = 6;        // digit columns, left edge to left edge
    double DigitWidth = 4;   // one digit
    double PointWidth = 2;   // "."
    double LineHeight = 8;   // one text line
    double SignWidth = 4;    // the operation's sign
    int FontSize = 0;        // the font's size in points; 0 writes no small digits

    // Measured in the engine's measuring font. A pitch of 0 gives one and a
    // half digits; any pitch is raised to leave the point its gap.
    static TextbookMetrics Measure(ComposeEngine& engine, const QString& sign, double pitch = 0);
    // The narrowest pitch whose gap between digits holds a point with room
    // on both sides.
    static double MinimumPitch(double digitWidth, double pointWidth);
};

struct TextbookStyle {
    double Pen = 0.3;       // rules, bar, bracket, marks, in millimetres
    bool Squares = false;   // light grey squares behind the digit columns
    // The grid every cell of a sheet shares, so that no cell shows how long
    // its working is: at least this many digit columns and rows of squares,
    // and the bracket placed after this many divisor columns.
    int Columns = 0;
    int Rows = 0;
    int DivisorColumns = 0;
};

struct CellSize {
    double Width = 0;
    double Height = 0;
};

class TextbookCell {
public:
    TextbookCell(const WrittenCalc& calc, const QString& sign, const TextbookMetrics& metrics,
                 const TextbookStyle& style);

    // How far the cell reaches right of and below its origin; nothing is
    // written. The worked size includes the answer text, measured in the
    // engine's measuring font.
    CellSize ProblemSize() const;
    CellSize WorkedSize(ComposeEngine& measure, const QString& answer) const;
    // The same with the answer text's size measured already.
    CellSize WorkedSize(const QString& answer, const CellSize& answerSize) const;

    // Writes the cell with its top-left corner at (x, y).
    void WriteProblem(ComposeEngine& engine, double x, double y) const;
    void WriteWorked(ComposeEngine& engine, double x, double y, const QString& answer) const;
    void WriteWorked(ComposeEngine& engine, double x, double y, const QString& answer,
                     const CellSize& answerSize) const;
    // How far below the cell's top the row with the first operand (the
    // dividend of a division) starts.
    double FirstOperandTop() const;

    // One drawing step of the cell.
    struct Step {
        enum Kind { Text, Line, PenWidth, PenColor, PenSize, FontSize } Kind;
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // a text's box, or a line's ends
        QString Str;                          // a text, or its pitch ("Nil" for none)
        QString Pitch;
        double Value = 0;                     // pen width; pen colour; font size
    };

private:
    std::vector<Step> Plan(bool worked, double x, double y, const QString& answer,
                           double answerWidth, double answerHeight) const;
    double DividendTop() const;
    static CellSize Extent(const std::vector<Step>& steps, double x, double y);
    static void Emit(ComposeEngine& engine, const std::vector<Step>& steps);

    WrittenCalc Calc;
    QString Sign;
    TextbookMetrics M;
    TextbookStyle Style;
};
