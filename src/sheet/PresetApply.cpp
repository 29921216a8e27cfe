#include "sheet/PresetApply.h"

#include "common/IniFile.h"
#include "generation/RangeCheck.h"
#include "sheet/MainSettings.h"
#include "sheet/StartingLayout.h"

#include <QFileInfo>

namespace {

enum class Kind { Text, Integer, Bool, Range };

struct KeySpec {
    const char* Section;
    const char* Key;
    Kind ValueKind;
};

// Every key a preset may set besides the tab and the ranges.
const KeySpec kKeys[] = {
    {"Exam", "Row", Kind::Integer},      {"Exam", "Col", Kind::Integer},
    {"Exam", "Minus", Kind::Integer},    {"Exam", "Round", Kind::Bool},
    {"Exam", "RoundPos", Kind::Integer}, {"Exam", "Rest", Kind::Bool},
    {"Exam", "Just", Kind::Bool},        {"Exam", "Zero", Kind::Bool},
    {"Exam", "One", Kind::Bool},         {"Exam", "RoundSig", Kind::Bool},
    {"Exam", "DecOnly", Kind::Bool},     {"Exam", "Yaku", Kind::Bool},
    {"Exam", "FullDec", Kind::Bool},     {"Exam", "JustExact", Kind::Bool},
    {"Exam", "Del0", Kind::Bool},
    {"Page", "ClassBox", Kind::Bool},    {"Hissan", "Pitch", Kind::Text},
    {"Hissan", "Squares", Kind::Bool},
    {"Exam", "NoRepeat", Kind::Bool},    {"Exam", "UnitOnly", Kind::Bool},
    {"Exam", "FewSame", Kind::Bool},
    {"Exam", "Type", Kind::Bool},        {"Hissan", "Textbook", Kind::Bool},
    {"Hissan", "Worked", Kind::Bool},    {"Page", "PageTitle", Kind::Text},
    {"Page", "SubTitle", Kind::Text},    {"Instruction", "String", Kind::Text},
    {"Instruction", "Pos", Kind::Integer},
    {"Hissan", "FindMistake", Kind::Bool}, {"Answer", "Mistakes", Kind::Bool},
    {"Answer", "Check", Kind::Bool},
};

std::vector<KeySpec> AllKeys()
{
    std::vector<KeySpec> keys;
    keys.push_back({kPresetTabSection, kPresetTabKey, Kind::Integer});
    for (const char* key : kPresetRangeKeys)
        keys.push_back({kPresetRangeSection, key, Kind::Range});
    keys.insert(keys.end(), std::begin(kKeys), std::end(kKeys));
    return keys;
}

Kind KindOf(const PresetEntry& entry)
{
    for (const KeySpec& known : AllKeys())
        if (entry.Section.compare(QLatin1String(known.Section), Qt::CaseInsensitive) == 0
            && entry.Key.compare(QLatin1String(known.Key), Qt::CaseInsensitive) == 0)
            return known.ValueKind;
    return Kind::Text;
}

// Integers and booleans as the settings file reads them; range texts as
// integers (a decimal-digit text may be empty).
bool Readable(const PresetEntry& entry)
{
    const std::string value = entry.Value.trimmed().toStdString();
    switch (KindOf(entry)) {
    case Kind::Text: return true;
    case Kind::Range: return value.empty() || ParseInt32(value).has_value();
    default: {
        IniFile probe{QString()};
        probe.WriteString(entry.Section, entry.Key, entry.Value);
        return probe.ReadInteger(entry.Section, entry.Key, 0)
            == probe.ReadInteger(entry.Section, entry.Key, 1);
    }
    }
}

}  // namespace

QStringList ApplyPreset(const GradePreset& preset, ExamSettings& exam, SheetSettings& sheet)
{
    const ExamSettings currentExam = exam;
    const SheetSettings currentSheet = sheet;
    // The current settings as the settings file would hold them, the
    // preset's values written over them, and everything read back.
    IniFile ini{QString()};
    SaveMainSettings(ini, exam, sheet, {sheet.sHeader, sheet.sFooter, sheet.sPageTitle,
                                        sheet.sSubTitle});
    // The tab and the ranges as LoadMainSettings reads them: a preset's eight
    // texts that the range check refuses keep the current eight, and every
    // value the window would refuse keeps the current one.
    QStringList refused;
    for (const PresetEntry& entry : preset.Entries) {
        if (Readable(entry))
            ini.WriteString(entry.Section, entry.Key, entry.Value);
        else
            refused << entry.Section + QLatin1Char('/') + entry.Key;
    }
    refused += LoadMainSettingsOver(ini, exam, sheet, currentExam, currentSheet);
    // A preset that sets the instruction shows it, unless it turns it off.
    const QString instruction = QStringLiteral("Instruction");
    if (PresetValue(preset, instruction, QStringLiteral("String"))
        && (!PresetValue(preset, instruction, QStringLiteral("Pos")) || sheet.Instruction.psPos != 0))
        ShowInstructionLine(sheet.Instruction);
    refused.removeDuplicates();
    return refused;
}

PresetFileRead ReadPresetFile(const QString& path)
{
    PresetFileRead read;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        read.Error = path + QStringLiteral(" を読めません");
        return read;
    }
    const IniFile ini(path);
    GradePreset preset;
    preset.Id = path;
    preset.Name = ini.ReadString(QStringLiteral("Preset"), QStringLiteral("Name"), QString())
                      .trimmed();
    if (preset.Name.isEmpty())  // a preset is never listed without a name
        preset.Name = info.completeBaseName();
    for (const KeySpec& known : AllKeys()) {
        const QString section = QLatin1String(known.Section);
        const QString key = QLatin1String(known.Key);
        if (ini.HasKey(section, key))
            preset.Entries.push_back({section, key, ini.ReadString(section, key, QString())});
    }
    if (preset.Entries.empty()) {
        read.Error = path + QStringLiteral(" はプリセットのファイルではありません");
        return read;
    }
    read.Preset = std::move(preset);
    return read;
}

void WritePresetEntries(IniFile& ini, const GradePreset& preset)
{
    for (const PresetEntry& entry : preset.Entries)
        ini.WriteString(entry.Section, entry.Key, entry.Value);
}

std::vector<PresetKey> PresetKeys()
{
    std::vector<PresetKey> keys;
    for (const KeySpec& known : AllKeys())
        keys.push_back({QLatin1String(known.Section), QLatin1String(known.Key)});
    return keys;
}
