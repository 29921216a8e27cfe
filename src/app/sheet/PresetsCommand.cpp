// shosu-sheet presets: lists the built-in grade presets, one per line,
// «ID<TAB>name», for use with --preset.
#include "sheet/Commands.h"

#include "sheet/GradePresets.h"

int PresetsCommand(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        err << "shosu-sheet: presets: unknown option '" << args.front()
            << "' (try shosu-sheet --help)\n";
        return ExitUsage;
    }
    for (const GradePreset& preset : BuiltInPresets())
        out << preset.Id.toStdString() << '\t' << preset.Name.toStdString() << '\n';
    return ExitOk;
}

std::string PresetsUsage()
{
    return "shosu-sheet presets\n"
           "  Lists the built-in grade presets: ID<TAB>name, one per line (UTF-8).\n"
           "  generate and sheet take --preset ID, or --preset FILE for a preset file\n"
           "  (an INI file with the settings file's sections and keys).\n";
}
