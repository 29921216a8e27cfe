// shosu-sheet: the command-line companion of shosu-drill. Dispatches to one
// subcommand from a small table; every subcommand lives in its own file.
#include "common/ProgramVersion.h"
#include "sheet/Commands.h"

#include <cstring>
#include <iostream>

namespace {

// Add a subcommand here: name, function, one-line help, full usage.
const Command kCommands[] = {
    {"generate", GenerateCommand, "make a problem list, one tab-separated line per problem",
     GenerateUsage},
    {"sheet", SheetCommand, "compose a problem or answer sheet: program list, PNG, BMP, JPEG or PDF",
     SheetUsage},
    {"presets", PresetsCommand, "list the built-in grade presets: ID<TAB>name", PresetsUsage},
    {"render", RenderCommand, "draw a list file as the preview's read list: PNG, BMP, JPEG or PDF",
     RenderUsage},
};

void PrintHelp(std::ostream& out)
{
    out << "usage: shosu-sheet <command> [options]\n"
           "       shosu-sheet --help\n"
           "       shosu-sheet --version\n\n"
           "Exit codes: 0 done, 1 bad option or rejected value (message on stderr),\n"
           "2 run abandoned (nothing on stdout).\n\n"
           "Commands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.Name << "  " << command.Summary << '\n';
    for (const Command& command : kCommands)
        out << '\n' << command.Usage();
}

const Command* FindCommand(const char* name)
{
    for (const Command& command : kCommands)
        if (std::strcmp(command.Name, name) == 0)
            return &command;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintHelp(std::cerr);
        return ExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintHelp(std::cout);
        return ExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "shosu-sheet " << ProgramVersion() << '\n';
        return ExitOk;
    }
    const Command* command = FindCommand(argv[1]);
    if (!command) {
        std::cerr << "shosu-sheet: unknown command '" << argv[1]
                  << "' (try shosu-sheet --help)\n";
        return ExitUsage;
    }
    CommandArgs args(argv + 2, argv + argc);
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") {
            std::cout << command->Usage();
            return ExitOk;
        }
    return command->Run(args, std::cout, std::cerr);
}
