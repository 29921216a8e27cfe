// shosu-sheet generate: makes one problem list headless, with the same
// checks and generators as the main window, and prints it tab-separated.
#include "sheet/CliGenHost.h"
#include "sheet/Commands.h"
#include "sheet/GenerateOptions.h"

#include "generation/ProblemMaker.h"

namespace {

void PrintProblems(const RunResult& result, std::ostream& out)
{
    for (size_t i = 0; i < result.Lines1.size(); ++i)
        out << result.Lines1[i] << '\t' << result.Lines2[i] << '\t' << result.Lines3[i] << '\n';
}

} // namespace

int GenerateCommand(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    GenerateParse parse = ParseGenerateOptions(args);
    if (!parse.Ok()) {
        err << parse.Error << '\n';
        return ExitUsage;
    }
    if (!parse.Rest.empty()) {
        err << "shosu-sheet: generate: unknown option '" << parse.Rest.front()
            << "' (try shosu-sheet --help)\n";
        return ExitUsage;
    }
    CliGenHost host(err, parse.Options.fYes);
    ProblemMaker maker(parse.Options.Seed);
    RunResult result = maker.MakeProblems(parse.Options.Settings, host);
    if (!result.Completed())
        return ExitAbandoned;
    PrintProblems(result, out);
    return ExitOk;
}

std::string GenerateUsage()
{
    return "shosu-sheet generate [options]\n"
           "  Makes a problem list like the make button of the main window and prints\n"
           "  one line per problem: operand1<TAB>operand2<TAB>answer (UTF-8).\n"
           "  A loop over prints its status text on stderr; without --yes the run is\n"
           "  abandoned with nothing on stdout and exit code 2.\n"
           "Options:\n" +
           GenerateOptionsUsage();
}
