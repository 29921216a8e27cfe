#include "preview/PreviewSettings.h"
#include "common/IniFile.h"
#include "preview/PreviewPlacement.h"

#include <climits>

namespace {

int InRangeOr(int value, int low, int high, int def)
{
    return value >= low && value <= high ? value : def;
}

const QString kPlaceSection = QStringLiteral("PageView");
const char* const kPlaceKeys[] = {"Left", "Top", "Width", "Height"};

std::optional<QRect> ReadPlace(const IniFile& ini)
{
    int v[4];
    for (int i = 0; i < 4; ++i) {
        // INT_MIN marks a missing key or a text that is no integer.
        v[i] = ini.ReadInteger(kPlaceSection, QLatin1String(kPlaceKeys[i]), INT_MIN);
        if (v[i] == INT_MIN)
            return std::nullopt;
    }
    return ValidStoredPlace(v[0], v[1], v[2], v[3]);
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
    s.Place = ReadPlace(ini);
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
    if (!Place)
        return;
    const int v[] = {Place->left(), Place->top(), Place->width(), Place->height()};
    for (int i = 0; i < 4; ++i)
        ini.WriteInteger(kPlaceSection, QLatin1String(kPlaceKeys[i]), v[i]);
}
