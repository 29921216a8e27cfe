#pragma once
// Grade presets: named sets of settings-file values that make a sheet for
// one textbook unit in one step. A preset is held as data, the sections,
// keys and values of the main settings file it sets (plus the tab and the
// eight range texts, which only presets carry); applying one writes its
// values over the current settings (PresetApply.h). The built-in presets
// cover the decimal units of grades 3 to 5; a user's preset file is an INI
// file with the same sections and keys.
#include <QString>
#include <optional>
#include <vector>

struct PresetEntry {
    QString Section;
    QString Key;
    QString Value;
};

struct GradePreset {
    QString Id;     // "g4-div-rest"; a preset file's path for a user's preset
    QString Name;   // 「あまりのある小数÷整数」
    int Grade = 0;  // 3, 4 or 5; 0 for a user's preset
    std::vector<PresetEntry> Entries;
};

// Keys only presets carry: the tab (0..3) in section "Exam", and the eight
// range texts in section "Range" named after their edits ("Min1", "Min1e",
// "Max1", "Max1e", "Min2", ...).
extern const char* const kPresetTabSection;   // "Exam"
extern const char* const kPresetTabKey;       // "Tab"
extern const char* const kPresetRangeSection; // "Range"
extern const char* const kPresetRangeKeys[8];

// The seventeen built-in presets, grade by grade, in menu order.
const std::vector<GradePreset>& BuiltInPresets();

// The built-in preset with this ID, or null.
const GradePreset* FindBuiltInPreset(const QString& id);

// The value the preset gives a key (sections and keys without regard to case).
std::optional<QString> PresetValue(const GradePreset& preset, const QString& section,
                                   const QString& key);
