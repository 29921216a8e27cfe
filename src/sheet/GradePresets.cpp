#include "sheet/GradePresets.h"

#include "generation/ExamSettings.h"

#include <algorithm>
#include <array>
#include <string_view>

const char* const kPresetTabSection = "Exam";
const char* const kPresetTabKey = "Tab";
const char* const kPresetRangeSection = "Range";
const char* const kPresetRangeKeys[8] = {"Min1", "Min1e", "Max1", "Max1e",
                                         "Min2", "Min2e", "Max2", "Max2e"};

namespace {

// One built-in preset as a row; every preset is a decimal drill
// ("DecOnly"=1), results positive, quotients 0 and 1 excluded, and the
// instruction generated from the settings.
struct Row {
    const char* Id;
    const char* Name;
    int Grade;
    int Tab;                             // 0 たし算 .. 3 わり算
    std::array<const char*, 8> Ranges;   // as the eight range edits hold them
    int Rows, Cols;
    bool Round;
    int RoundPos;
    bool Rest, Just, RoundSig, Yaku;
    bool ColumnForm;
};

// Answers with a remainder are long, so those sheets have two columns.
// Sizes follow the textbook steps: tenths in grade 3; hundredths and
// thousandths, decimal × and ÷ whole numbers in grade 4; multiplying and
// dividing by decimals in grade 5.
const Row kRows[] = {
    {"g3-add", "小数のたし算（1/10の位）", 3, 0, {"0", "1", "9", "9", "0", "1", "9", "9"},
     10, 2, false, 2, false, false, false, false, false},
    {"g3-sub", "小数のひき算（1/10の位）", 3, 1, {"1", "1", "9", "9", "0", "1", "9", "9"},
     10, 2, false, 2, false, false, false, false, false},
    {"g4-add", "小数のたし算（1/100・1/1000の位）", 4, 0,
     {"0", "001", "9", "999", "0", "01", "19", "99"}, 4, 3, false, 2, false, false, false, false, true},
    {"g4-sub", "小数のひき算（1/100・1/1000の位）", 4, 1,
     {"1", "01", "19", "99", "0", "001", "9", "999"}, 4, 3, false, 2, false, false, false, false, true},
    {"g4-mul1", "小数×1けた", 4, 2, {"0", "1", "9", "99", "2", "", "9", ""},
     4, 3, false, 2, false, false, false, false, true},
    {"g4-mul2", "小数×2けた", 4, 2, {"0", "1", "9", "99", "10", "", "99", ""},
     4, 3, false, 2, false, false, false, false, true},
    {"g4-div1", "小数÷1けた（わりきれる）", 4, 3, {"1", "0", "99", "9", "2", "", "9", ""},
     3, 3, true, 2, false, true, false, false, true},
    {"g4-div-rest", "あまりのある小数÷整数", 4, 3, {"1", "0", "99", "9", "2", "", "9", ""},
     4, 2, true, 2, true, false, false, false, true},
    {"g4-div-on", "わり進みのわり算", 4, 3, {"1", "", "99", "", "2", "", "9", ""},
     3, 3, true, 2, false, true, false, false, true},
    {"g4-div-round", "商をがい数で（1/10の位）", 4, 3, {"1", "0", "99", "9", "2", "", "9", ""},
     3, 3, true, 2, false, false, false, true, true},
    {"g5-mul-int", "整数×小数", 5, 2, {"2", "", "99", "", "0", "1", "9", "9"},
     4, 3, false, 2, false, false, false, false, true},
    {"g5-mul", "小数×小数", 5, 2, {"0", "1", "9", "99", "0", "1", "9", "9"},
     4, 3, false, 2, false, false, false, false, true},
    {"g5-div", "小数÷小数（わりきれる）", 5, 3, {"0", "01", "99", "99", "0", "1", "9", "9"},
     3, 3, true, 2, false, true, false, false, true},
    {"g5-div-rest", "小数÷小数（あまり）", 5, 3, {"1", "0", "99", "9", "0", "1", "9", "9"},
     4, 2, true, 2, true, false, false, false, true},
    {"g5-div-round", "商を上から2けたのがい数で", 5, 3, {"0", "01", "9", "99", "0", "1", "9", "9"},
     3, 3, true, 2, false, false, true, true, true},
};

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

GradePreset FromRow(const Row& row)
{
    GradePreset preset;
    preset.Id = QString::fromLatin1(row.Id);
    preset.Name = QString::fromUtf8(row.Name);
    preset.Grade = row.Grade;
    auto add = [&](const char* section, const char* key, const QString& value) {
        preset.Entries.push_back({QString::fromLatin1(section), QString::fromLatin1(key), value});
    };
    add(kPresetTabSection, kPresetTabKey, QString::number(row.Tab));
    for (int i = 0; i < 8; ++i)
        add(kPresetRangeSection, kPresetRangeKeys[i], QString::fromLatin1(row.Ranges[i]));
    add("Exam", "Row", QString::number(row.Rows));
    add("Exam", "Col", QString::number(row.Cols));
    add("Exam", "Minus", QStringLiteral("0"));
    add("Exam", "Round", Flag(row.Round));
    add("Exam", "RoundPos", QString::number(row.RoundPos));
    add("Exam", "Rest", Flag(row.Rest));
    add("Exam", "Just", Flag(row.Just));
    add("Exam", "JustExact", Flag(false));  // the draw that older codes were made with
    add("Exam", "Zero", Flag(true));
    add("Exam", "One", Flag(true));
    add("Exam", "RoundSig", Flag(row.RoundSig));
    add("Exam", "DecOnly", Flag(true));
    add("Exam", "Yaku", Flag(row.Yaku));
    // Sums and differences of hundredths and thousandths show every place
    // (4.594 + 13.27), so no operand loses its last one (3.50 → 3.5).
    add("Exam", "FullDec", Flag(row.Grade == 4 && row.Tab <= OpSub));
    add("Exam", "Type", Flag(row.ColumnForm));
    // Sheets that exercise the unit: no problem twice; a division sheet
    // whose unit is the remainder, rounding or dividing on past the last
    // digit shows it in every problem; quotients that come out even, which
    // gather on a few values (0.5 …), each stand at most twice.
    add("Exam", "NoRepeat", Flag(true));
    const bool dividesOn = std::string_view(row.Id) == "g4-div-on";  // わり進み
    add("Exam", "UnitOnly", Flag(row.Tab == OpDiv && (row.Rest || !row.Just || dividesOn)));
    add("Exam", "FewSame", Flag(row.Just));
    // An instruction that names a place («1/10の位まで») asks for the
    // quotient's zeros to that place: «9.0 あまり 0.5», not «9 あまり 0.5».
    if (row.Rest)
        add("Exam", "Del0", Flag(false));
    add("Hissan", "Textbook", Flag(true));
    add("Hissan", "Worked", Flag(true));
    // Squares of textbook size: 10 mm while the digits are new, 8 mm in grade 5.
    add("Hissan", "Squares", Flag(true));
    add("Hissan", "Pitch", QString::number(row.Grade <= 4 ? 10 : 8));
    add("Hissan", "FindMistake", Flag(false));
    // A key of remainder divisions shows the check a textbook asks for.
    add("Answer", "Check", Flag(row.Rest));
    // A title as short as the default one leaves the name box clear; the
    // grade goes with the unit's name into the subtitle.
    add("Page", "PageTitle", QStringLiteral("小数の計算"));
    add("Page", "SubTitle", QStringLiteral("%1年　%2").arg(row.Grade).arg(preset.Name));
    // The upper-grade name box: 年・組・番・名前 and a cell for the score.
    add("Page", "ClassBox", Flag(true));
    add("Instruction", "String", QString());  // empty: made from the settings
    return preset;
}

// まちがいさがし sheets over the problems of a remainder unit, each problem
// worked with one classic mistake. The quotient goes to the place where
// every problem leaves a mistake to find: the tenths for a whole divisor
// (the quotient's point), the ones for a decimal divisor (the points to
// move, as in 7.4 ÷ 0.3 = 24 あまり 0.2). One column of cells gives room
// for the right working beside the wrong one.
struct FindRow {
    const char* Id;
    const char* Name;
    const char* Unit;  // the preset whose problems it takes
    int RoundPos;
    int Rows;          // as many as one page holds
};

const FindRow kFindRows[] = {
    {"g4-find-mistake", "まちがいさがし（小数÷整数）", "g4-div-rest", 2, 3},
    {"g5-find-mistake", "まちがいさがし（小数÷小数）", "g5-div-rest", 1, 3},
};

void Set(GradePreset& preset, const char* section, const char* key, const QString& value)
{
    for (PresetEntry& entry : preset.Entries)
        if (entry.Section == QLatin1String(section) && entry.Key == QLatin1String(key))
            entry.Value = value;
}

GradePreset FromFindRow(const FindRow& find, const GradePreset& unit)
{
    GradePreset preset = unit;
    preset.Id = QString::fromLatin1(find.Id);
    preset.Name = QString::fromUtf8(find.Name);
    Set(preset, "Exam", "Row", QString::number(find.Rows));
    Set(preset, "Exam", "Col", QStringLiteral("1"));
    Set(preset, "Exam", "RoundPos", QString::number(find.RoundPos));
    Set(preset, "Hissan", "FindMistake", Flag(true));
    Set(preset, "Answer", "Check", Flag(false));
    // The pair of workings needs the room: the font fits the page rather
    // than a square pitch running the sheet onto a second one.
    Set(preset, "Hissan", "Pitch", QStringLiteral("0"));
    Set(preset, "Page", "SubTitle", QStringLiteral("%1年　%2").arg(preset.Grade).arg(preset.Name));
    return preset;
}

}  // namespace

const std::vector<GradePreset>& BuiltInPresets()
{
    static const std::vector<GradePreset> presets = [] {
        std::vector<GradePreset> list;
        for (const Row& row : kRows)
            list.push_back(FromRow(row));
        // Each まちがいさがし preset after the last preset of its grade.
        for (const FindRow& find : kFindRows) {
            const auto unit = std::find_if(list.begin(), list.end(), [&](const GradePreset& p) {
                return p.Id == QLatin1String(find.Unit);
            });
            GradePreset preset = FromFindRow(find, *unit);
            const auto next = std::find_if(list.begin(), list.end(), [&](const GradePreset& p) {
                return p.Grade > preset.Grade;
            });
            list.insert(next, std::move(preset));
        }
        return list;
    }();
    return presets;
}

const GradePreset* FindBuiltInPreset(const QString& id)
{
    for (const GradePreset& preset : BuiltInPresets())
        if (preset.Id == id)
            return &preset;
    return nullptr;
}

std::optional<QString> PresetValue(const GradePreset& preset, const QString& section,
                                   const QString& key)
{
    for (const PresetEntry& entry : preset.Entries)
        if (entry.Section.compare(section, Qt::CaseInsensitive) == 0
            && entry.Key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.Value;
    return std::nullopt;
}
