#include "sheet/SheetSetupFile.h"

#include "common/IniFile.h"
#include "prevform/PrevEngine.h"
#include "sheet/MainSettings.h"
#include "sheet/StartingLayout.h"

namespace {

const QString kDateTimeSection = QStringLiteral("DateTime");

} // namespace

void LoadDateTimeRecord(const IniFile& ini, TPageStr& record)
{
    record.GetIniSets(ini, kDateTimeSection, QString(), 0, QStringLiteral("0"), QStringLiteral("0"));
}

void SaveDateTimeRecord(IniFile& ini, const TPageStr& record)
{
    record.SetIniSets(ini, kDateTimeSection);
}

void GiveStartingLayouts(ComposeEngine& engine, SheetSettings& sheet)
{
    GiveStartingLayout(engine.PageTitle(), StartingLayout::PageTitle);
    GiveStartingLayout(engine.SubTitle(), StartingLayout::SubTitle);
    GiveStartingLayout(sheet.DateTime, StartingLayout::DateTime);
}

void LoadSheetSetup(const IniFile& ini, ExamSettings& exam, SheetSettings& sheet,
                    PrevEngine& engine)
{
    sheet.FntExam = PageFont{};  // the window's own font, whose face a file may lack
    LoadMainSettings(ini, exam, sheet);
    LoadDateTimeRecord(ini, sheet.DateTime);
    engine.GetHeader(ini);
    engine.GetFooter(ini);
    engine.GetPageTitle(ini);
    engine.GetSubTitle(ini);
    GiveStartingLayouts(engine, sheet);
}
