#include "sheet/SheetPipeline.h"

#include "prevform/PrevEngine.h"

PageStrRecords PageStrRecords::From(ComposeEngine& engine)
{
    PageStrRecords records;
    records.Header.Assign(engine.Header());
    records.Footer.Assign(engine.Footer());
    records.PageTitle.Assign(engine.PageTitle());
    records.SubTitle.Assign(engine.SubTitle());
    return records;
}

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
    if (problems.Memo1.isEmpty())
        return document;
    Engine.Header().Assign(records.Header);
    Engine.Footer().Assign(records.Footer);
    Engine.PageTitle().Assign(records.PageTitle);
    Engine.SubTitle().Assign(records.SubTitle);
    Engine.SetFontSets(PageFont{});
    PageFont curFont;
    const SheetSettings marked = WithPupil(settings, marks.sPupil);
    SheetComposer composer(Engine, marked, problems, curFont);
    composer.SetClock(Clock, Locale);
    composer.ComposeSheet(mode);
    WriteMarkLine(composer, Engine, composer.Layout(), marked, marks);
    document.Pages << Engine.ListbyProgram;
    document.Layout = composer.Layout();
    for (int page = 1; page < composer.PageCount(); ++page) {
        composer.ComposeSheet(mode, page);
        document.Pages << Engine.ListbyProgram;
    }
    Engine.ListbyProgram = document.Pages.first();
    return document;
}
