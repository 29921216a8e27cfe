#include "sheet/SheetEngine.h"

PageStrRecords PageStrRecords::From(ComposeEngine& engine)
{
    PageStrRecords records;
    records.Header.Assign(engine.Header());
    records.Footer.Assign(engine.Footer());
    records.PageTitle.Assign(engine.PageTitle());
    records.SubTitle.Assign(engine.SubTitle());
    return records;
}

SheetEngine::SheetEngine(const PageGeometry& geometry, const PageStrRecords& records)
    : Geometry(geometry), Records(records)
{
}
