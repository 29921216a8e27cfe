#pragma once
// The user's own presets: one preset file per preset in the folder
// "presets" beside the settings file, named in its section "Preset", key
// "Name". Listing, saving the current settings as a preset, renaming and
// deleting; a file that cannot be read as a preset comes back as an error
// naming it and is skipped. No questions are asked here: the window asks
// and reports through its prompts.
#include "generation/ExamSettings.h"
#include "sheet/GradePresets.h"
#include "sheet/SheetSettings.h"

#include <QStringList>
#include <optional>
#include <vector>

// "<folder of the settings file>/presets".
QString UserPresetFolder(const QString& settingsPath);

struct UserPresetList {
    std::vector<GradePreset> Presets;  // Id: the file's path; in order of name
    QStringList Errors;                // one per damaged file, naming it
};

// Every "*.ini" file of the folder; a missing folder holds none.
UserPresetList ReadUserPresets(const QString& folder);

// Every key a preset may set, as the settings stand.
GradePreset PresetOfSettings(const QString& name, const ExamSettings& exam,
                             const SheetSettings& sheet);

// Writes the preset into its own file (preset.Id) when it has one, else
// into a new file of the folder named after it; the folder is made when
// missing. Returns the path written, or the error naming the file.
struct PresetSaveResult {
    QString Path;
    std::optional<QString> Error;
};
PresetSaveResult SaveUserPreset(const QString& folder, const GradePreset& preset);

// The name in the preset's file; the file keeps its name.
std::optional<QString> RenameUserPreset(const QString& path, const QString& name);

std::optional<QString> DeleteUserPreset(const QString& path);

// Why name (trimmed) cannot name a preset: empty, or too long for the file
// named after it; nullopt when it can.
inline constexpr int kMaxPresetName = 60;
std::optional<QString> PresetNameProblem(const QString& name);

// The user's preset of this name, or null.
const GradePreset* FindUserPreset(const UserPresetList& list, const QString& name);
