#pragma once
// A rendering pass in miniature for tests: a recording surface at 96 dpi for
// the screen and one at 600 dpi for the printer, A4 less 5 mm margins, the mm
// unit, empty records and picture slots, scripted prompts.
#include "support/ScriptedPrompts.h"
#include "prevform/Interpreter.h"
#include "support/RecordingSurface.h"

struct PassFixture {
    RecordingSurface Screen{96, QSize(755, 1084)};
    RecordingSurface Printer{600, QSize(4724, 6780)};
    PageGeometry Geometry;
    DrawState State;
    TPageStr Header, Footer, PageTitle, SubTitle, PageStrTmp, Copyright;
    double HeaderBottom = 0;
    double CreditHeight = 0;
    std::array<QImage, 15> Bmp;
    ScriptedPrompts Prompts;
    PassContext Ctx{Screen, Geometry, State, Header, Footer, PageTitle, SubTitle,
                    PageStrTmp, Copyright, HeaderBottom, CreditHeight, Bmp, Prompts};

    PassFixture()
    {
        Geometry.ReadScreenCaps(96);
        Geometry.PrinterResX = Geometry.PrinterResY = 600;
        Geometry.RatioX = Geometry.RatioY = 600.0L / 96.0L;
        Geometry.PageW = 4724;
        Geometry.PageH = 6780;
        Geometry.UnitType = PageGeometry::UnitMm;
        Geometry.nTgtCanvas = PageGeometry::TgtImage;
        Geometry.ScreenSurface = &Screen;
        Geometry.PrinterSurface = &Printer;
        State.InitParam(96);
    }

    void Exec(const QStringList& lines, int k = 2) { Interpreter(Ctx).ExecuteList(lines, k); }
    std::vector<RecordingSurface::Call> Calls(const QString& kind) const { return Screen.OfKind(kind); }
};
