#pragma once
// shosu-sheet sheet --settings FILE: the generate settings of a settings file
// the window wrote, merged with the options of the command line, which
// override the file. The file is only read.
#include "sheet/Commands.h"

#include "generation/ExamSettings.h"

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

// The file's operation, ranges, rows and columns as generate options, to go
// before the command line's own: the window's checks then see the final
// values of all of them together.
CommandArgs ExamAsOptions(const ExamSettings& file);

// The other generate settings (order, D, sign, zeros, rounding, division
// options) from parsed where args name their option, else from file; the
// operation, ranges and grid from parsed, which already holds the file's.
ExamSettings MergeExam(const ExamSettings& file, const ExamSettings& parsed,
                       const CommandArgs& args);
