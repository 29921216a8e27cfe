#pragma once
// The subcommands of shosu-sheet. Each one lives in its own <Name>Command.cpp,
// is declared here and has one line in the table of main.cpp. A subcommand
// gets the arguments after its name and writes only to the two streams given.
#include <ostream>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

// Exit codes shared by every subcommand.
enum ExitCode : int {
    ExitOk = 0,        // done, output complete
    ExitUsage = 1,     // bad option or rejected value; message on stderr
    ExitAbandoned = 2, // the run was given up; nothing on stdout
};

// One entry of the dispatch table.
struct Command {
    const char* Name;
    int (*Run)(const CommandArgs& args, std::ostream& out, std::ostream& err);
    const char* Summary;  // one line for the command list
    std::string (*Usage)(); // the full option text printed by --help
};

int GenerateCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
std::string GenerateUsage();

int SheetCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
std::string SheetUsage();

int PresetsCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
std::string PresetsUsage();

int RenderCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
std::string RenderUsage();
