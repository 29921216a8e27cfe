#include "worksheet/ColumnLayout.h"

namespace {

QString Blanks(qsizetype n)
{
    return QString(qMax<qsizetype>(n, 0), QLatin1Char(' '));
}

// Characters before the point, or the whole length when there is none; a
// sign counts as one more character of the integer part.
qsizetype IntegerLength(const QString& s)
{
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    return point < 0 ? s.size() : point;
}

// Removes the first point of line; returns its 0-based index, or -1.
qsizetype TakePoint(QString& line)
{
    const qsizetype point = line.indexOf(QLatin1Char('.'));
    if (point >= 0)
        line.remove(point, 1);
    return point;
}

} // namespace

ColumnLayout ColumnLayout::PointAligned(const QString& a, const QString& b)
{
    const qsizetype m = qMax(IntegerLength(a), IntegerLength(b));
    ColumnLayout layout;
    layout.A = Blanks(m - IntegerLength(a)) + a;
    layout.B = Blanks(m - IntegerLength(b)) + b;
    // With the point taken out, the first decimal digit stands where the
    // point stood, and the point is drawn half a digit left of it.
    const qsizetype pa = TakePoint(layout.A);
    if (pa >= 0)
        layout.DotA = Blanks(pa) + QLatin1Char('.');
    const qsizetype pb = TakePoint(layout.B);
    if (pb >= 0)
        layout.DotB = Blanks(pb) + QLatin1Char('.');
    return layout;
}

ColumnLayout ColumnLayout::RightAligned(const QString& a, const QString& b)
{
    const qsizetype m = qMax(a.size(), b.size());
    ColumnLayout layout;
    layout.A = Blanks(m - a.size()) + a;
    layout.B = Blanks(m - b.size()) + b;
    // Taking the point out shifts the digits before it one place right, so
    // the line keeps its length and its last digit stays in place.
    const qsizetype pa = TakePoint(layout.A);
    if (pa >= 0) {
        layout.A.prepend(QLatin1Char(' '));
        layout.DotA = Blanks(pa + 1) + QLatin1Char('.');
    }
    const qsizetype pb = TakePoint(layout.B);
    if (pb >= 0) {
        layout.B.prepend(QLatin1Char(' '));
        layout.DotB = Blanks(pb + 1) + QLatin1Char('.');
    }
    return layout;
}
