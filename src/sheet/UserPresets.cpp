#include "sheet/UserPresets.h"

#include "common/IniFile.h"
#include "sheet/MainSettings.h"
#include "sheet/PresetApply.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kPresetSection = QStringLiteral("Preset");
const QString kNameKey = QStringLiteral("Name");

// A file name from the preset's name: characters no file system takes
// become "_", and a number is added while the name is taken.
QString NewFilePath(const QString& folder, const QString& name)
{
    QString base = name.trimmed();
    for (QChar& c : base)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QStringLiteral("preset"));
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".ini"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).ini").arg(base).arg(n));
    return path;
}

} // namespace

QString UserPresetFolder(const QString& settingsPath)
{
    return QFileInfo(settingsPath).absoluteDir().filePath(QStringLiteral("presets"));
}

UserPresetList ReadUserPresets(const QString& folder)
{
    UserPresetList list;
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        PresetFileRead read = ReadPresetFile(dir.filePath(file));
        if (read.Preset)
            list.Presets.push_back(std::move(*read.Preset));
        else
            list.Errors << read.Error;
    }
    std::stable_sort(list.Presets.begin(), list.Presets.end(),
                     [](const GradePreset& a, const GradePreset& b) { return a.Name < b.Name; });
    return list;
}

GradePreset PresetOfSettings(const QString& name, const ExamSettings& exam,
                             const SheetSettings& sheet)
{
    IniFile ini{QString()};
    SaveMainSettings(ini, exam, sheet, {sheet.sHeader, sheet.sFooter, sheet.sPageTitle,
                                        sheet.sSubTitle});
    GradePreset preset;
    preset.Name = name;
    for (const PresetKey& key : PresetKeys())
        if (ini.HasKey(key.Section, key.Key))
            preset.Entries.push_back({key.Section, key.Key, ini.ReadString(key.Section, key.Key, {})});
    return preset;
}

PresetSaveResult SaveUserPreset(const QString& folder, const GradePreset& preset)
{
    PresetSaveResult result;
    if (!QDir().mkpath(folder)) {
        result.Error = folder + QStringLiteral(" を作れません");
        return result;
    }
    result.Path = QFileInfo(preset.Id).isFile() ? preset.Id : NewFilePath(folder, preset.Name);
    IniFile ini(result.Path);
    ini.WriteString(kPresetSection, kNameKey, preset.Name);
    WritePresetEntries(ini, preset);
    result.Error = ini.Save();
    return result;
}

std::optional<QString> RenameUserPreset(const QString& path, const QString& name)
{
    if (!QFileInfo(path).isFile())
        return path + QStringLiteral(" を読めません");
    IniFile ini(path);
    ini.WriteString(kPresetSection, kNameKey, name);
    return ini.Save();
}

std::optional<QString> DeleteUserPreset(const QString& path)
{
    if (!QFile::remove(path))
        return path + QStringLiteral(" を消せません");
    return std::nullopt;
}

const GradePreset* FindUserPreset(const UserPresetList& list, const QString& name)
{
    for (const GradePreset& preset : list.Presets)
        if (preset.Name == name)
            return &preset;
    return nullptr;
}

std::optional<QString> PresetNameProblem(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("プリセットの名前を入力して下さい");
    // 60 UTF-16 units take at most 180 bytes in UTF-8: with " (99).ini"
    // well within the 255 bytes a file name may have.
    if (trimmed.size() > kMaxPresetName)
        return QStringLiteral("プリセットの名前は%1文字までにして下さい").arg(kMaxPresetName);
    return std::nullopt;
}
