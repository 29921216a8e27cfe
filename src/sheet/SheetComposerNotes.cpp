// The notes under the answers of a one-line or column-form answer sheet:
// each cell gets the room its answer and notes need, and a grid whose cells
// are too low for them runs on over further pages with fewer rows a page.
#include "sheet/SheetComposer.h"
#include "sheet/AnswerNotes.h"
#include <algorithm>
#include <cmath>

// The wrapped notes of a cell placed as in the sheet's own grid; measured
// in Exam, and in the note font for the notes.
SheetComposer::CellNotes SheetComposer::NotesOf(const CellPlace& place, double cw)
{
    CellExtent extent(Engine);
    Cell(AnswerSheet, place.N, place.EX, 0, CellEnd(place, cw), extent);
    CellNotes notes;
    notes.Top = (extent.Empty() ? 0 : extent.Bottom()) + kNoteGapLines * SH;
    const QStringList lines = AnswerNotes(Problems, Settings, place.N);
    if (lines.isEmpty())
        return notes;
    Engine.SetFontSets(NoteFont(Exam));
    notes.Lines = WrapNotes(lines, CellEnd(place, cw) - place.EX,
                            [&](const QString& text) { return Engine.GetWidth(text); });
    notes.LineHeight = NoteHeight(notes.Lines, Engine);
    Engine.SetFontSets(Exam);
    return notes;
}

// The places of this page's cells and their notes. Cells keep the grid's
// height when every answer with its notes fits it; otherwise each is as
// high as the tallest needs, the rows a page as many as fit (at least one),
// numbered on from page to page. The page count goes to ClassicPages.
QList<SheetComposer::CellPlace> SheetComposer::NotedPlaces(const Area& area, const GridSize& grid,
                                                           const QList<CellPlace>& places, int page,
                                                           QList<CellNotes>& notes, PageFont& f)
{
    const double cw = (area.R - area.L) / grid.Cols;
    const double ch = (area.D - area.U) / grid.Rows;
    QList<CellNotes> all;
    double need = 0;
    for (const CellPlace& place : places) {
        all << NotesOf(place, cw);
        need = std::max(need, all.last().Top + all.last().Lines.size() * all.last().LineHeight);
    }
    notes.clear();
    if (need <= ch) {
        ClassicPages = 1;
        if (page > 0)
            return {};
        notes = all;
        return places;
    }
    const double rows = std::clamp(std::floor((area.D - area.U) / need), 1.0, double(grid.Rows));
    const GridSize flowed{int(rows), grid.Cols};
    const int perPage = flowed.Rows * flowed.Cols;
    ClassicPages = (int(places.size()) + perPage - 1) / perPage;
    QList<CellPlace> onPage =
        CellPlaces(area, flowed, cw, (area.D - area.U) / flowed.Rows, page * perPage + 1, f);
    MeasureIn(Exam);
    // Only the cells of the sheet's own grid, each moved as far as there.
    QList<CellPlace> kept;
    for (CellPlace place : onPage) {
        if (place.N > int(places.size()))
            break;
        const CellPlace& own = places.at(place.N - 1);
        place.EX = place.CX + (own.EX - own.CX);
        kept << place;
        notes << all.at(place.N - 1);
    }
    return kept;
}

void SheetComposer::Notes(const CellPlace& place, const CellNotes& notes)
{
    if (notes.Lines.isEmpty())
        return;
    EmitFontChange(NoteFont(Exam));
    WriteNoteLines(Engine, place.EX, place.CY + notes.Top, notes.Lines, notes.LineHeight);
}
