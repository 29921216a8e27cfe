// The textbook column form's part of the worksheet composer: the cells of a
// page written through TextbookSheet, which lays the grid out.
#include "sheet/SheetComposer.h"
#include "sheet/TextbookSheet.h"

int SheetComposer::PageCount() const
{
    return Textbook ? Textbook->PageCount() : ClassicPages;
}

// The textbook column form's cells of one page, laid out once for all pages
// (every page has the same problem area).
void SheetComposer::TextbookCells(int mode, const Area& area, int page, PageFont& f)
{
    if (!Textbook) {
        if (Settings.fExNum) {
            SetPageStrFont(Engine.SubTitle(), f);
            Engine.SetFontSets(f);
        }
        Textbook = std::make_shared<TextbookSheet>(Engine, Settings, Problems);
        Textbook->Lay({area.L, area.U, area.R, area.D}, [&](int n) {
            return (Settings.fExNum ? Engine.GetWidth(Label(n)) : 0) + Settings.ExamSeparate;
        });
    }
    if (page < 0 || page >= Textbook->PageCount())
        return;
    Textbook->MeasureInExam();
    Exam = Textbook->Exam();
    for (const TextbookPlace& place : Textbook->Places(page)) {
        // Level with the row the pupil reads first: a division's dividend,
        // not the empty quotient row above it.
        NumberLabel(place.N, place.CX, place.CY + Textbook->FirstOperandTop(place.N), f);
        EmitFontChange(Exam);
        Textbook->WriteCell(mode, place.N, place.EX, place.CY);
    }
}
