#include "sheet/SheetSettings.h"
#include "sheet/StartingLayout.h"
#include "generation/ExamSettings.h"

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

SheetSettings SheetSettingsFor(const SheetSettings& layout, const ExamSettings& exam)
{
    SheetSettings settings = layout;
    settings.ExamRowN = exam.ExamRowN;
    settings.ExamColN = exam.ExamColN;
    return settings;
}
