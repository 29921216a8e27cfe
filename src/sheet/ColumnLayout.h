#pragma once
// The texts of the column form (written calculation) of one problem. The two
// operands become stack lines drawn on a fixed digit pitch with their points
// taken out; each point is drawn separately from a point line of blanks and
// one ".", shifted half a digit left, so it falls between the ones digit and
// the tenths digit. Addition and subtraction align the operands on the
// point: «12.5» and «3.25» give «125» and « 325», both point lines «  .».
// Multiplication aligns them on the last digit: «3» and «1.25» give «   3»
// and « 125», the second point line «  .».
#include <QString>

struct ColumnLayout {
    QString A;     // first stack line
    QString B;     // second stack line
    QString DotA;  // point line of the first operand; empty when it has no point
    QString DotB;

    // Tab 0 or 1: aligned on the decimal point.
    static ColumnLayout PointAligned(const QString& a, const QString& b);
    // Tab 2: aligned on the last character.
    static ColumnLayout RightAligned(const QString& a, const QString& b);

    // Characters in the longer stack line.
    int LongerLength() const { return qMax(A.size(), B.size()); }
};
