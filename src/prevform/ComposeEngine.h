#pragma once
// What a composer (the worksheet composer, or any other writer of sheets)
// needs from the preview engine: the builder methods that append one command
// line each to the program list, the measuring operations in the drawing unit,
// and the page-string records that give positions and fonts. The real engine
// implements it; tests use a fake that records the calls and answers the
// measurements with fixed numbers.
#include "prevform/PageFont.h"
#include "prevform/PageStr.h"
#include <QString>
#include <cstdint>

class ComposeEngine {
public:
    virtual ~ComposeEngine() = default;

    // Program list
    virtual void ClearProgramList() = 0;
    virtual void PrevUpDateProgram() = 0;   // preload pictures of the program list, then render

    // Builders: each appends exactly one command line.
    virtual void PrevInit() = 0;
    virtual void PrevTextOut(double x, double y, const QString& ostr, const QString& sw) = 0;
    virtual void PrevTextOutAngle(double x, double y, double ang, const QString& ostr) = 0;
    virtual void PrevLine(double x1, double y1, double x2, double y2) = 0;
    virtual void PrevColor(uint32_t c) = 0;
    virtual void PrevFontColor(uint32_t c) = 0;
    virtual void PrevBrushColor(uint32_t c) = 0;
    virtual void PrevPenColor(uint32_t c) = 0;
    virtual void PrevFontSize(int sz) = 0;
    virtual void PrevFontName(const QString& name) = 0;
    virtual void PrevFontStyle(const QString& st) = 0;
    virtual void PrevPenWidth(double w) = 0;
    virtual void PrevPenSize(int w) = 0;
    virtual void PrevPenStyle(const QString& st) = 0;
    virtual void PrevPicture(const QString& fname, double x1, double y1, double x2, double y2) = 0;
    virtual void PrevHeader(const QString& s, int posnum, double x, double y) = 0;
    virtual void PrevFooter(const QString& s, int posnum, double x, double y) = 0;
    virtual void PrevpageTitle(const QString& s, int posnum, double x, double y) = 0;
    virtual void PrevSubTitle(const QString& s, int posnum, double x, double y) = 0;

    // Measuring, in the drawing unit, in the font last set with SetFontSets.
    virtual void SetFontSets(const PageFont& font) = 0;
    virtual double GetWidth(const QString& text) = 0;
    virtual double GetHeight(const QString& text) = 0;
    virtual double Get_UnitWidth() const = 0;
    virtual double Get_UnitHeight() const = 0;

    // Page-string records owned by the engine (position and font).
    virtual TPageStr& Header() = 0;
    virtual TPageStr& Footer() = 0;
    virtual TPageStr& PageTitle() = 0;
    virtual TPageStr& SubTitle() = 0;
};
