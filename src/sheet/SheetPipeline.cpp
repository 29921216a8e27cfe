#include "sheet/SheetPipeline.h"

#include "prevform/PrevEngine.h"

SheetPipeline::SheetPipeline(PrevEngine& engine)
    : Engine(engine), Clock([] { return QDateTime::currentDateTime(); }), Locale(QLocale::system())
{
}

void SheetPipeline::SetClock(std::function<QDateTime()> clock, const QLocale& locale)
{
    Clock = std::move(clock);
    Locale = locale;
}

SheetDocument SheetPipeline::Compose(const SheetProblems& problems, const SheetSettings& settings,
                                     const PageStrRecords& records, int mode,
                                     const SheetMarks& marks)
{
    SheetDocument document;
    document.Layout = SheetLayout::Of(settings);
    if (problems.Lines1.isEmpty())
        return document;
    SheetEngine sheet(Engine.Geometry, records);
    PageFont curFont;
    const SheetSettings marked = WithPupil(settings, marks.sPupil);
    SheetComposer composer(sheet, marked, problems, curFont);
    composer.SetClock(Clock, Locale);
    composer.ComposeSheet(mode);
    WriteMarkLine(composer, sheet, composer.Layout(), marked, marks);
    document.Pages << sheet.Lines;
    document.Layout = composer.Layout();
    // Every page carries the marks: a page that comes loose from its sheet
    // still tells whose it is and which problems it holds.
    for (int page = 1; page < composer.PageCount(); ++page) {
        composer.ComposeSheet(mode, page);
        WriteMarkLine(composer, sheet, composer.Layout(), marked, marks);
        document.Pages << sheet.Lines;
    }
    return document;
}
