#pragma once
// A written calculation (筆算) worked out the way Japanese classrooms write
// it: rows of digits on a grid of digit columns, decimal points in the slots
// between columns, struck zeros, partial products, and for division the
// quotient, each step's product and difference and the remainder.
//
// Column 0 is the leftmost column of the grid. A point stands in the slot
// *before* a column: the row «12.5» starting at column 0 holds Digits "125"
// and Point 2; Point equal to the end of the row puts it after the last
// digit. 7.4 ÷ 0.3 with a whole quotient and a remainder, drawn by
// WrittenPicture (each column is its slot, then its digit; "'" is a point
// moved away from, "." a point):
//      2 4      quotient
//    7'4.       dividend, its point moved one place right
//    6          product
//    1 4        difference with the 4 brought down
//    1 2        product
//    0.2        remainder, its point under the dividend's first point
//
// The model knows no fonts or pages; a writer lays it out. Only plain
// non-negative decimal texts («12», «0.38») make a model: anything else, a
// negative difference or a divisor of 0 gives none, and the caller writes the
// cell the classic way. All arithmetic is exact.
#include "generation/Decimal.h"
#include "generation/ExamSettings.h"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class CalcOp { Add, Sub, Mul, Div };

// How far a division is worked.
struct DivisionMode {
    enum Kind {
        Exact,      // until nothing is left (わりきれるまで), digits of 0 brought down
        Remainder,  // quotient to Places decimals, then the remainder
        Round,      // quotient rounded half up to Places decimals, worked one further
                    // (a quotient that comes out even by then is worked as Exact)
        Significant,  // quotient rounded half up to Figures significant figures
    };
    Kind Mode = Exact;
    int Places = 0;
    int Figures = 2;
    // Remainder: the answer keeps the quotient's zeros («2.0», not «2»), so
    // a division that comes out even is still worked to Places decimals.
    bool KeepZeros = false;
    // Remainder: the quotient keeps Figures figures from its first non-zero
    // digit (and at least its ones) instead of Places decimals.
    bool FiguresPlaces = false;
};

struct WorkedRow {
    enum Role { Operand, Partial, Result, Quotient, Dividend, Product, Difference, Remainder, Divisor };
    Role Kind = Operand;
    int Column = 0;           // grid column of Digits[0]
    std::string Digits;       // '0'..'9', or ' ' for an empty column
    int Point = -1;           // the point stands before this grid column; -1 none
    int OldPoint = -1;        // a point moved away from, written crossed out; -1 none
    std::vector<int> Struck;  // grid columns whose digit is struck through
    int SmallFrom = -1;       // digits from this grid column on are zeros brought
                              // down past the dividend's end, written small; -1 none
    bool Operator = false;    // the operation's sign stands left of this row
    bool RuleBelow = false;   // a rule under this row

    int End() const { return Column + static_cast<int>(Digits.size()); }
};

// A point moved from slot From to slot To of a row (the curved arrow);
// Row is an index into WrittenCalc::Rows, or -1 for the divisor.
struct PointMove {
    int Row = 0;
    int From = 0;
    int To = 0;
};

struct WrittenCalc {
    CalcOp Op = CalcOp::Add;
    int Columns = 0;               // width of the grid in digit columns
    // Top to bottom. Addition and subtraction: the operands and the result;
    // multiplication: the operands, the partial products (two or more), the
    // product; division: the quotient (above the bar), the dividend (under
    // it), then each step's product and difference, the last one the
    // remainder in remainder mode.
    std::vector<WorkedRow> Rows;
    WorkedRow Divisor;             // division only: its own grid, column 0 its first digit
    // Division only: the divisor and the dividend as the problem sets them,
    // points where they were written, nothing moved or supplied.
    WorkedRow GivenDivisor;
    WorkedRow GivenDividend;
    std::vector<PointMove> Moves;  // division by a decimal: divisor and dividend
    Decimal Value;                 // the result; a rounded quotient holds the kept places
    std::optional<Decimal> Remainder;
    bool Approximate = false;      // Value is a rounded quotient (約), not the exact one
};

// How the generator's division answers are worked: with a remainder, with
// a quotient that comes out even, or rounded (the default), to the place or
// the significant figures the settings keep.
DivisionMode DivisionModeOf(const ExamSettings& settings);

// The worked calculation of a op b, or none when the texts are not plain
// non-negative numbers, a difference is negative, a divisor is 0, or an
// exact division does not end within a dozen places past the dividend.
std::optional<WrittenCalc> BuildWrittenCalc(std::string_view a, std::string_view b, CalcOp op,
                                            const DivisionMode& mode = {});

// The calculation as one text per row (divisor left out), two characters a
// column: the slot before it (" ", "." point, "'" moved-away point) and its
// digit ("/" when struck, "o" for a small zero brought down); the slot after
// the last column ends the line.
// Trailing blanks are dropped.
std::vector<std::string> WrittenPicture(const WrittenCalc& calc);
std::string WrittenRowPicture(const WorkedRow& row, int columns);
