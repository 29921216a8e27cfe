#include "preview/PreviewSettings.h"
#include "common/IniFile.h"

namespace {

int InRangeOr(int value, int low, int high, int def)
{
    return value >= low && value <= high ? value : def;
}

} // namespace

PreviewSettings PreviewSettings::Read(const IniFile& ini)
{
    const PreviewSettings def;
    PreviewSettings s;
    s.PageView = InRangeOr(ini.ReadInteger(QStringLiteral("PageView"), QStringLiteral("Index"),
                                           def.PageView),
                           1, 2, def.PageView);
    s.UnitType = InRangeOr(ini.ReadInteger(QStringLiteral("Unit"), QStringLiteral("Type"),
                                           def.UnitType),
                           0, 2, def.UnitType);
    // Only 1 switches an overlay on; any other number is off.
    s.fScale = ini.ReadInteger(QStringLiteral("Sw"), QStringLiteral("Scale"), def.fScale) == 1;
    s.fMesh = ini.ReadInteger(QStringLiteral("Sw"), QStringLiteral("Mesh"), def.fMesh) == 1;
    s.ListIniFile = ini.ReadString(QStringLiteral("ListFile"), QStringLiteral("Name"),
                                   def.ListIniFile);
    if (s.ListIniFile.isEmpty())
        s.ListIniFile = def.ListIniFile;
    s.CQuality = InRangeOr(ini.ReadInteger(QStringLiteral("Option"), QStringLiteral("Quality"),
                                           def.CQuality),
                           1, 100, def.CQuality);
    return s;
}

void PreviewSettings::Write(IniFile& ini) const
{
    ini.WriteInteger(QStringLiteral("PageView"), QStringLiteral("Index"), PageView);
    ini.WriteInteger(QStringLiteral("Unit"), QStringLiteral("Type"), UnitType);
    ini.WriteInteger(QStringLiteral("Sw"), QStringLiteral("Scale"), fScale);
    ini.WriteInteger(QStringLiteral("Sw"), QStringLiteral("Mesh"), fMesh);
    ini.WriteString(QStringLiteral("ListFile"), QStringLiteral("Name"), ListIniFile);
    ini.WriteInteger(QStringLiteral("Option"), QStringLiteral("Quality"), CQuality);
}
