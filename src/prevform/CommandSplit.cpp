#include "prevform/CommandSplit.h"
#include "common/RealText.h"
#include <QRegularExpression>

namespace {

// A small cursor over the line: the splitter reads like the syntax.
class Cursor {
public:
    explicit Cursor(const QString& line) : Line(line) {}
    bool AtEnd() const { return Pos >= Line.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : Line[Pos]; }
    QChar Advance() { return Line[Pos++]; }
    qsizetype Position() const { return Pos; }
    QString Since(qsizetype start) const { return Line.mid(start, Pos - start); }
    bool Match(QChar c)
    {
        if (AtEnd() || Line[Pos] != c)
            return false;
        ++Pos;
        return true;
    }
    static bool IsBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(Peek()))
            ++Pos;
    }

private:
    const QString& Line;
    qsizetype Pos = 0;
};

QString QuotedField(Cursor& cur)
{
    QString field;
    cur.Advance(); // opening quote
    while (!cur.AtEnd()) {
        QChar c = cur.Advance();
        if (c != u'"') {
            field += c;
        } else if (cur.Peek() == u'"') {
            cur.Advance();
            field += u'"';
        } else {
            break;
        }
    }
    return field;
}

QString PlainField(Cursor& cur)
{
    const qsizetype start = cur.Position();
    while (!cur.AtEnd() && cur.Peek() != u',' && !Cursor::IsBlank(cur.Peek()))
        cur.Advance();
    return cur.Since(start);
}

// Strips codes 0..32 at both ends; a NUL inside ends the line.
QString StripLine(const QString& line)
{
    const qsizetype nul = line.indexOf(QChar(0));
    return StripControls(nul >= 0 ? line.left(nul) : line);
}

} // namespace

QString StripControls(const QString& text)
{
    auto isControl = [](QChar c) { return c.unicode() <= 32; };
    qsizetype b = 0, e = text.size();
    while (b < e && isControl(text[b]))
        ++b;
    while (e > b && isControl(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

QStringList SplitCommandLine(const QString& line)
{
    const QString text = StripLine(line);
    QStringList fields;
    Cursor cur(text);
    while (!cur.AtEnd()) {
        fields << (cur.Peek() == u'"' ? QuotedField(cur) : PlainField(cur));
        cur.SkipBlanks();
        if (cur.Match(u',')) {
            if (cur.AtEnd())
                fields << QString(); // the trailing empty field
            cur.SkipBlanks();
        }
    }
    return fields;
}

QString CommandWord(const QString& field)
{
    return StripControls(field.toUpper());
}

QString CommandKeyword(const QStringList& fields)
{
    return fields.isEmpty() ? QString() : CommandWord(fields[0]);
}

std::optional<double> CommandNumber(const QString& field)
{
    return ReadRealSaturated(field);
}

std::optional<int> CommandInteger(const QString& field)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?\\d+$"));
    const QString s = StripControls(field);
    if (!form.match(s).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

QString IntegerForm(int value)
{
    return QString::number(value);
}

QString QuotedText(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
