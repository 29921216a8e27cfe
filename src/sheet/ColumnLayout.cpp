#include "sheet/ColumnLayout.h"

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

// Removes the first point of line and returns the point line that marks
// where it stood (blanks, then "."); empty when line has no point.
QString TakePoint(QString& line)
{
    const qsizetype point = line.indexOf(QLatin1Char('.'));
    if (point < 0)
        return {};
    line.remove(point, 1);
    return Blanks(point) + QLatin1Char('.');
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
    layout.DotA = TakePoint(layout.A);
    layout.DotB = TakePoint(layout.B);
    return layout;
}

ColumnLayout ColumnLayout::RightAligned(const QString& a, const QString& b)
{
    const qsizetype m = qMax(a.size(), b.size());
    ColumnLayout layout;
    layout.A = Blanks(m - a.size()) + a;
    layout.B = Blanks(m - b.size()) + b;
    // A line with a point gets a blank in front: once the point is out, the
    // digits before it have moved one place right, the line keeps its length
    // and its last digit stays in place.
    for (QString* line : {&layout.A, &layout.B})
        if (line->contains(QLatin1Char('.')))
            line->prepend(QLatin1Char(' '));
    layout.DotA = TakePoint(layout.A);
    layout.DotB = TakePoint(layout.B);
    return layout;
}
