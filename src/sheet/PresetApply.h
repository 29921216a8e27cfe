#pragma once
// Applying a preset: its values are written over the current settings the
// way the settings file is read, so a preset sets exactly the keys it holds
// and every other setting stays. A value that cannot be read as its key's
// kind (a damaged preset file) keeps the current one, and eight range texts
// that the window's range check would refuse keep the current eight.
// Reading and writing preset files lives here too.
#include "generation/ExamSettings.h"
#include "sheet/GradePresets.h"
#include "sheet/SheetSettings.h"

class IniFile;

// Writes the preset over exam (tab, ranges, grid, answer options) and sheet
// (column form, title, subtitle and what else the settings file holds).
// Returns the preset's keys ("Exam/Row", ...) whose values the window would
// refuse or cannot read; those keep the current values.
QStringList ApplyPreset(const GradePreset& preset, ExamSettings& exam, SheetSettings& sheet);

// A preset file: every key a preset may set that the file holds. Error set
// (naming the file) when the file cannot be read or holds no such key.
struct PresetFileRead {
    std::optional<GradePreset> Preset;
    QString Error;
};
PresetFileRead ReadPresetFile(const QString& path);

// Every section and key a preset may set, in the order preset files hold them.
struct PresetKey {
    QString Section;
    QString Key;
};
std::vector<PresetKey> PresetKeys();

// The preset's entries into an INI file (a preset file, or a settings file).
void WritePresetEntries(IniFile& ini, const GradePreset& preset);
