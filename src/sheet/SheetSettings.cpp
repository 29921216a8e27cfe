#include "sheet/SheetSettings.h"
#include "sheet/StartingLayout.h"

PageFont SheetSettings::DefaultExamFont()
{
    PageFont font;
    font.Name = QStringLiteral("ＭＳ Ｐゴシック");
    font.Size = 24;
    return font;
}

TPageStr SheetSettings::StartingDateTime()
{
    TPageStr record = UnconfiguredPageStr();
    GiveStartingLayout(record, StartingLayout::DateTime);
    return record;
}
