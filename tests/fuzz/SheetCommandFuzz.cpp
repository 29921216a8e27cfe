// The sheet command end to end, as far as its program lists: an arbitrary
// settings file (--settings), an arbitrary class list (--names) and a few
// switches chosen by the input (answer sheet, textbook form, worked answers,
// squares, notes under the answers, まちがいさがし, a built-in preset, a set,
// the operation) run through the command's own option parsing, settings
// loading, generation and composing.
// Whatever the files hold, the command ends with one of its exit codes, and
// a sheet it reports made has program lines.
#include "FuzzSupport.h"
#include "sheet/Commands.h"
#include "sheet/GradePresets.h"

#include <QDir>
#include <sstream>

namespace {

// Switch byte 0, bit by bit.
enum Switch : unsigned {
    Answer = 1, Textbook = 2, Worked = 4, Squares = 8, UsePreset = 16, UseNames = 32,
    Count = 64, ColumnForm = 128,
};

CommandArgs ArgsOf(const QByteArray& switches, bool names)
{
    const auto byte = [&](int i) { return i < switches.size() ? uint8_t(switches.at(i)) : 0u; };
    const unsigned on = byte(0);
    const QString folder = FuzzFolder();
    CommandArgs args{"--settings", QDir(folder).filePath("fuzz.ini").toStdString(), "--list",
                     "--seed", std::to_string(byte(1))};
    static const char* const kOps[] = {"add", "sub", "mul", "div"};
    if (byte(2) & 4)
        args.insert(args.end(), {"--op", kOps[byte(2) & 3]});
    const std::vector<GradePreset>& presets = BuiltInPresets();
    if ((on & UsePreset) && !presets.empty())
        args.insert(args.end(), {"--preset", presets[byte(3) % presets.size()].Id.toStdString()});
    if ((on & UseNames) && names)
        args.insert(args.end(), {"--names", QDir(folder).filePath("names.txt").toStdString()});
    else if (on & Count)
        args.insert(args.end(), {"--count", std::to_string(1 + byte(4) % 3)});
    else if (on & Answer)
        args.push_back("--answer");
    const std::pair<unsigned, const char*> flags[] = {
        {Textbook, "--textbook"}, {Worked, "--worked"}, {Squares, "--squares"},
        {ColumnForm, "--column-form"}};
    for (const auto& flag : flags)
        if (on & flag.first)
            args.push_back(flag.second);
    // Switch byte 5: the notes under the answers and the まちがいさがし sheet.
    const std::pair<unsigned, const char*> notes[] = {
        {1, "--mistakes"}, {2, "--check"}, {4, "--find-mistake"}};
    for (const auto& flag : notes)
        if (byte(5) & flag.first)
            args.push_back(flag.second);
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> parts = SplitInput(data, size, 3);
    WriteFuzzFile(QStringLiteral("fuzz.ini"), parts[0]);
    const bool names = parts.size() > 1;
    WriteFuzzFile(QStringLiteral("names.txt"), names ? parts[1] : QByteArray());
    const CommandArgs args = ArgsOf(parts.size() > 2 ? parts[2] : QByteArray(), names);

    std::ostringstream out, err;
    const int code = SheetCommand(args, out, err);
    if (code != ExitOk && code != ExitUsage && code != ExitAbandoned)
        FuzzFailure("unknown exit code", QString::number(code));
    if (code == ExitOk && out.str().find("INITPARAM") == std::string::npos)
        FuzzFailure("a sheet made without program lines", QString::fromStdString(err.str()));
    return 0;
}
