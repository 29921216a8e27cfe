#pragma once
// Where the main settings file lives: "shosu-drill.ini" beside the executable
// when that directory can be written (a portable copy, the build tree),
// otherwise ~/.config/shosu-drill/shosu-drill.ini, whose folder is created.
// An installed program (see InstallLayout.h) always uses the latter.
#include <QString>

class SettingsLocation {
public:
    // The path every settings owner opens.
    static QString FilePath();
    // The choice itself, for tests: exeDir when writable and not an
    // installation's bin folder, else configDir.
    static QString Choose(const QString& exeDir, const QString& configDir);
    // Tests point every owner at a scratch file; an empty path clears it.
    static void SetOverride(const QString& path);

    static constexpr const char* FileName = "shosu-drill.ini";
};
