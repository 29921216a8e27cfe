#pragma once
// The engine a sheet is composed on: the composer's command lines go into a
// program list of its own, the page strings it places come from records of
// its own, and text is measured with a preview engine's page geometry in a
// font of its own. Composing a sheet thus leaves the preview engine exactly
// as it was: its lists, records and drawing font are the window's.
#include "prevform/PageGeometry.h"
#include "prevform/ProgramWriter.h"

// The four page-string records a sheet places (the date-and-time heading's
// record is part of SheetSettings).
struct PageStrRecords {
    TPageStr Header;
    TPageStr Footer;
    TPageStr PageTitle;
    TPageStr SubTitle;

    // The records the engine holds now.
    static PageStrRecords From(ComposeEngine& engine);
};

class SheetEngine : public ProgramWriter {
public:
    // Measures with geometry, which must outlive the engine.
    SheetEngine(const PageGeometry& geometry, const PageStrRecords& records);

    QStringList Lines;  // the program list written so far

    void PrevUpDateProgram() override {}
    // The font text is measured in from now on; "INITPARAM"'s at first.
    void SetFontSets(const PageFont& font) override { Font = font; }
    double GetWidth(const QString& text) override { return Geometry.GetWidth(text, Font); }
    double GetHeight(const QString& text) override { return Geometry.GetHeight(text, Font); }
    double Get_UnitWidth() const override { return Geometry.Get_UnitWidth(); }
    double Get_UnitHeight() const override { return Geometry.Get_UnitHeight(); }
    TPageStr& Header() override { return Records.Header; }
    TPageStr& Footer() override { return Records.Footer; }
    TPageStr& PageTitle() override { return Records.PageTitle; }
    TPageStr& SubTitle() override { return Records.SubTitle; }

private:
    QStringList& Program() override { return Lines; }

    const PageGeometry& Geometry;
    PageStrRecords Records;
    PageFont Font;
};
