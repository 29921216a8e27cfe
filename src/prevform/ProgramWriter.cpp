#include "prevform/ProgramWriter.h"

#include "common/RealText.h"
#include "prevform/ColorWords.h"
#include "prevform/CommandSplit.h"

void ProgramWriter::PrevInit()
{
    Program().append(QStringLiteral("INITPARAM"));
}

void ProgramWriter::PrevTextOut(double x, double y, const QString& ostr, const QString& sw)
{
    Program().append(QStringLiteral("TextOut,") + FormatFixedReal(x) + u',' +
                     FormatFixedReal(y) + u',' + QuotedText(ostr) + u',' + sw);
}

void ProgramWriter::PrevTextOutAngle(double x, double y, double ang, const QString& ostr)
{
    Program().append(QStringLiteral("TextOutAngle,") + FormatFixedReal(x) + u',' +
                     FormatFixedReal(y) + u',' + QuotedText(ostr) + u',' + FormatFixedReal(ang));
}

void ProgramWriter::PrevLine(double x1, double y1, double x2, double y2)
{
    Program().append(QStringLiteral("Line,") + FormatFixedReal(x1) + u',' +
                     FormatFixedReal(y1) + u',' + FormatFixedReal(x2) + u',' + FormatFixedReal(y2));
}

void ProgramWriter::PrevColor(uint32_t c)
{
    Program().append(QStringLiteral("Color,") + WordFromColor(c));
}

void ProgramWriter::PrevFontColor(uint32_t c)
{
    Program().append(QStringLiteral("FontColor,") + WordFromColor(c));
}

void ProgramWriter::PrevBrushColor(uint32_t c)
{
    Program().append(QStringLiteral("BrushColor,") + WordFromColor(c));
}

void ProgramWriter::PrevPenColor(uint32_t c)
{
    Program().append(QStringLiteral("PenColor,") + WordFromColor(c));
}

void ProgramWriter::PrevFontSize(int sz)
{
    Program().append(QStringLiteral("FontSize,") + IntegerForm(sz));
}

void ProgramWriter::PrevFontName(const QString& name)
{
    Program().append(QStringLiteral("FontName,") + name);
}

void ProgramWriter::PrevFontStyle(const QString& st)
{
    Program().append(QStringLiteral("FontStyle,") + st);
}

void ProgramWriter::PrevPenWidth(double w)
{
    Program().append(QStringLiteral("PenWidth,") + FormatGeneralReal(WritableReal(w)));
}

void ProgramWriter::PrevPenSize(int w)
{
    Program().append(QStringLiteral("PenSize,") + IntegerForm(w));
}

void ProgramWriter::PrevPenStyle(const QString& st)
{
    Program().append(QStringLiteral("PenStyle,") + st);
}

void ProgramWriter::PrevPicture(const QString& fname, double x1, double y1, double x2, double y2)
{
    Program().append(QStringLiteral("Picture,") + fname + u',' + FormatFixedReal(x1) + u',' +
                     FormatFixedReal(y1) + u',' + FormatFixedReal(x2) + u',' + FormatFixedReal(y2));
}

void ProgramWriter::AppendPageStr(const char* keyword, const QString& s, int posnum, double x,
                               double y)
{
    Program().append(QLatin1String(keyword) + u',' + QuotedText(s) + u',' + IntegerForm(posnum) +
                     u',' + FormatFixedReal(x) + u',' + FormatFixedReal(y));
}

void ProgramWriter::PrevHeader(const QString& s, int posnum, double x, double y)
{
    AppendPageStr("Header", s, posnum, x, y);
}

void ProgramWriter::PrevFooter(const QString& s, int posnum, double x, double y)
{
    AppendPageStr("Footer", s, posnum, x, y);
}

void ProgramWriter::PrevpageTitle(const QString& s, int posnum, double x, double y)
{
    AppendPageStr("PageTitle", s, posnum, x, y);
}

void ProgramWriter::PrevSubTitle(const QString& s, int posnum, double x, double y)
{
    AppendPageStr("SubTitle", s, posnum, x, y);
}

void ProgramWriter::ClearProgramList()
{
    Program().clear();
}
