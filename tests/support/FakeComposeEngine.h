#pragma once
// A composing engine for composer tests: records every builder call as a
// readable line («TextOut,80,12.5," text ",NIL»), numbers in their shortest
// form, and answers measurements from tables keyed by text, with a fallback
// per character. Heights measured before the first SetFontSets can differ
// from later ones, as the real engine's leftover font would.
#include "prevform/ComposeEngine.h"
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <optional>

class FakeComposeEngine : public ComposeEngine {
public:
    QStringList Lines;                 // the program list, readable
    int Clears = 0;
    int Updates = 0;
    std::optional<PageFont> MeasureFont;  // last SetFontSets
    QList<PageFont> FontSets;
    QHash<QString, PageFont> WidthFonts;  // the measuring font of each text's last GetWidth

    double PageWidth = 190;
    double PageHeight = 277;
    QHash<QString, double> Widths;     // width by exact text
    double CharWidth = 4.2;            // otherwise per character
    QHash<QString, double> Heights;    // height by exact text, after a SetFontSets
    double Height = 5;
    double EarlyHeight = 4;            // any height before the first SetFontSets

    // With PointWidth set, a character not in Widths is PointWidth times the
    // font's size wide, and a text not in Heights PointHeight times it high,
    // so that a smaller font measures smaller.
    double PointWidth = 0;
    double PointHeight = 0;

    // What each "TextOut" and "Line" covers, measured in the font the list
    // written so far sets (a text on a pitch: its length times the pitch).
    struct Box { qsizetype Index; int Size; double Left, Top, Right, Bottom; };
    QList<Box> Boxes;
    PageFont DrawFont;

    TPageStr HeaderRec, FooterRec, TitleRec, SubTitleRec;

    void ClearProgramList() override { Lines.clear(); ++Clears; }
    void PrevUpDateProgram() override { ++Updates; }

    void PrevInit() override { Lines << QStringLiteral("INITPARAM"); DrawFont = PageFont(); }
    void PrevTextOut(double x, double y, const QString& ostr, const QString& sw) override
    {
        bool pitched = false;
        const double pitch = sw.toDouble(&pitched);
        const double w = pitched && pitch > 0 ? pitch * ostr.size() : WidthIn(DrawFont, ostr);
        Boxes << Box{Lines.size(), DrawFont.Size, x, y, x + w, y + HeightIn(DrawFont, ostr)};
        Add({"TextOut", N(x), N(y), Q(ostr), sw});
    }
    void PrevLine(double x1, double y1, double x2, double y2) override
    {
        Boxes << Box{Lines.size(), DrawFont.Size, std::min(x1, x2), std::min(y1, y2),
                     std::max(x1, x2), std::max(y1, y2)};
        Add({"Line", N(x1), N(y1), N(x2), N(y2)});
    }
    void PrevFontColor(uint32_t c) override { Add({"FontColor", N(c)}); }
    void PrevFontSize(int sz) override { Add({"FontSize", N(sz)}); DrawFont.Size = sz; }
    void PrevFontName(const QString& name) override { Add({"FontName", name}); }
    void PrevFontStyle(const QString& st) override { Add({"FontStyle", st}); }
    void PrevPenSize(int w) override { Add({"PenSize", N(w)}); }
    void PrevPenStyle(const QString& st) override { Add({"PenStyle", st}); }
    // Builders the composer never calls.
    void PrevTextOutAngle(double, double, double, const QString&) override { Add({"Unexpected"}); }
    void PrevColor(uint32_t) override { Add({"Unexpected"}); }
    void PrevBrushColor(uint32_t) override { Add({"Unexpected"}); }
    void PrevPenColor(uint32_t c) override { Add({"PenColor", N(c)}); }
    void PrevPenWidth(double w) override { Add({"PenWidth", N(w)}); }
    void PrevPicture(const QString&, double, double, double, double) override { Add({"Unexpected"}); }
    void PrevHeader(const QString& s, int p, double x, double y) override { PageStr("Header", s, p, x, y); }
    void PrevFooter(const QString& s, int p, double x, double y) override { PageStr("Footer", s, p, x, y); }
    void PrevpageTitle(const QString& s, int p, double x, double y) override { PageStr("PageTitle", s, p, x, y); }
    void PrevSubTitle(const QString& s, int p, double x, double y) override { PageStr("SubTitle", s, p, x, y); }

    void SetFontSets(const PageFont& font) override { MeasureFont = font; FontSets << font; }
    double GetWidth(const QString& text) override
    {
        WidthFonts[text] = MeasureFont.value_or(PageFont());
        return WidthIn(WidthFonts[text], text);
    }
    double GetHeight(const QString& text) override
    {
        return MeasureFont ? HeightIn(*MeasureFont, text) : EarlyHeight;
    }
    double Get_UnitWidth() const override { return PageWidth; }
    double Get_UnitHeight() const override { return PageHeight; }

    TPageStr& Header() override { return HeaderRec; }
    TPageStr& Footer() override { return FooterRec; }
    TPageStr& PageTitle() override { return TitleRec; }
    TPageStr& SubTitle() override { return SubTitleRec; }

    // Lines whose keyword is keyword.
    QStringList Only(const QString& keyword) const
    {
        QStringList result;
        for (const QString& line : Lines)
            if (line.section(QLatin1Char(','), 0, 0) == keyword)
                result << line;
        return result;
    }

private:
    double WidthIn(const PageFont& font, const QString& text) const
    {
        if (Widths.contains(text))
            return Widths.value(text);
        return (PointWidth > 0 ? PointWidth * font.Size : CharWidth) * text.size();
    }
    double HeightIn(const PageFont& font, const QString& text) const
    {
        if (Heights.contains(text))
            return Heights.value(text);
        return PointHeight > 0 ? PointHeight * font.Size : Height;
    }
    static QString N(double v) { return QString::number(v, 'g', 12); }
    static QString Q(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }
    void Add(const QStringList& fields) { Lines << fields.join(QLatin1Char(',')); }
    void PageStr(const char* keyword, const QString& s, int p, double x, double y)
    {
        Add({keyword, Q(s), N(p), N(x), N(y)});
    }
};
