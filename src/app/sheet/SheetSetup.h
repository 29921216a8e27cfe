#pragma once
// shosu-sheet sheet --settings FILE: taking the option out of the arguments
// and checking the file. The file is only read.
#include "sheet/Commands.h"

#include <QString>
#include <optional>
#include <string>

struct SettingsArg {
    std::optional<QString> Path;  // --settings FILE, when given
    CommandArgs Rest;             // every other argument, in order
    std::string Error;            // non-empty: a usage error
};

// Takes "--settings FILE" (or "--settings=FILE") out of args.
SettingsArg TakeSettingsArg(const CommandArgs& args);

// "" when path names a readable file, else the error naming it.
std::string CheckSettingsFile(const QString& path);

