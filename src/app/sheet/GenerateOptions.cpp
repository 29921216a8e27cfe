#include "sheet/GenerateOptions.h"
#include "sheet/CliSupport.h"

#include "generation/OperationTable.h"
#include "generation/RangeCheck.h"
#include "generation/SheetCode.h"
#include "sheet/ExamCountCheck.h"
#include "sheet/PresetApply.h"

#include <charconv>
#include <vector>

namespace {

// The state of one parse: the options so far, the rows/columns texts as the
// window's edits would hold them, and which checked fields were given.
// Fields that are checked against each other (the eight range texts, rows
// and columns) are checked once all are known, so their order on the
// command line does not matter.
struct ParseState {
    explicit ParseState(GenerateOptions& options) : Options(options) {}

    GenerateOptions& Options;
    std::string RowText = "10";
    std::string ColText = "1";
    std::vector<int> GivenRanges;  // range edits in the order given
    std::vector<bool> GivenCounts; // true rows, false columns, in the order given
    bool fRestGiven = false;
    bool fJustGiven = false;
    bool fCodeGiven = false;  // --code; --seed then may not be given too
    bool fSeedGiven = false;
};

using Applier = std::string (*)(ParseState& state, const std::string& value);

struct OptionSpec {
    const char* Name;
    bool TakesValue;
    Applier Apply;  // returns an error text, empty when the value is taken
};

std::string UsageError(const std::string& text)
{
    return "shosu-sheet: " + text + " (try shosu-sheet --help)";
}

template <int Edit>
std::string ApplyRange(ParseState& state, const std::string& value)
{
    state.Options.Settings.Ranges[Edit] = value;
    state.GivenRanges.push_back(Edit);
    return {};
}

// Each given range text through the window's check, against the final texts.
std::string CheckGivenRanges(ParseState& state)
{
    RangeTexts& texts = state.Options.Settings.Ranges;
    for (int edit : state.GivenRanges) {
        RangeVerdict verdict = CheckRange(texts, edit);
        if (!verdict.Accepted)
            return verdict.Message;
        texts[edit] = verdict.Text;
    }
    return {};
}

std::string ApplyOp(ParseState& state, const std::string& value)
{
    for (const OperationInfo& op : Operations())
        if (value == op.Name) {
            state.Options.Settings.Operation = op.Op;
            return {};
        }
    return UsageError("--op takes add, sub, mul or div, not '" + value + "'");
}

std::string ApplyRows(ParseState& state, const std::string& value)
{
    state.RowText = value;
    state.GivenCounts.push_back(true);
    return {};
}

std::string ApplyCols(ParseState& state, const std::string& value)
{
    state.ColText = value;
    state.GivenCounts.push_back(false);
    return {};
}

// The window's rows and columns rules, on the final rows and columns.
std::string CheckGivenCounts(ParseState& state)
{
    for (bool rows : state.GivenCounts) {
        CountVerdict verdict = rows ? CheckRows(state.RowText, state.ColText)
                                    : CheckCols(state.ColText, state.RowText);
        if (!verdict.Accepted || !verdict.Storable)
            return verdict.Message;
        (rows ? state.Options.Settings.ExamRowN : state.Options.Settings.ExamColN) = verdict.Value;
    }
    return {};
}

std::string ApplyD(ParseState& state, const std::string& value)
{
    std::optional<std::int32_t> d = ParseInt32(value);
    if (!d)
        return UsageError("--d needs an integer, not '" + value + "'");
    state.Options.Settings.rnd_D = *d;
    return {};
}

std::string ApplyMinus(ParseState& state, const std::string& value)
{
    std::optional<std::int32_t> minus = ParseInt32(value);
    if (!minus || *minus < 0 || *minus > 2)
        return UsageError("--minus takes 0, 1 or 2, not '" + value + "'");
    state.Options.Settings.nMinus = *minus;
    return {};
}

std::string ApplyRoundPos(ParseState& state, const std::string& value)
{
    RoundPlaceVerdict verdict = CheckRoundPlace(value);
    if (!verdict.Accepted)
        return verdict.Message;
    state.Options.Settings.nRound = verdict.Value;
    return {};
}

std::string ApplySeed(ParseState& state, const std::string& value)
{
    std::uint64_t seed = 0;
    auto [ptr, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
    if (value.empty() || error != std::errc() || ptr != value.data() + value.size())
        return UsageError("--seed needs a non-negative integer, not '" + value + "'");
    state.Options.Seed = seed;
    state.fSeedGiven = true;
    return {};
}

std::string ApplyCode(ParseState& state, const std::string& value)
{
    const CodeParse parse = SheetCode::Parse(value);
    if (!parse.Code)
        return "shosu-sheet: --code: " + parse.Message;
    state.Options.Seed = parse.Code->Seed();
    state.fCodeGiven = true;
    return {};
}

// Flags: the value argument is unused.
std::string ApplySeq1(ParseState& s, const std::string&) { s.Options.Settings.CBox1 = false; return {}; }
std::string ApplySeq2(ParseState& s, const std::string&) { s.Options.Settings.CBox2 = false; return {}; }
std::string ApplyKeepZeros(ParseState& s, const std::string&) { s.Options.Settings.fDelZero = false; return {}; }
std::string ApplyYes(ParseState& s, const std::string&) { s.Options.fYes = true; return {}; }
std::string ApplyRound(ParseState& s, const std::string&) { s.Options.Settings.fRound = true; return {}; }
std::string ApplyAllowZero(ParseState& s, const std::string&) { s.Options.Settings.fZero = false; return {}; }
std::string ApplyAllowOne(ParseState& s, const std::string&) { s.Options.Settings.fOne = false; return {}; }

std::string ApplyRoundSig(ParseState& s, const std::string&) { s.Options.Settings.fRoundSig = true; return {}; }
std::string ApplyDecOnly(ParseState& s, const std::string&) { s.Options.Settings.fDecOnly = true; return {}; }
std::string ApplyYaku(ParseState& s, const std::string&) { s.Options.Settings.fYaku = true; return {}; }
std::string ApplyFullDec(ParseState& s, const std::string&) { s.Options.Settings.fFullDec = true; return {}; }
std::string ApplyNoRepeat(ParseState& s, const std::string&) { s.Options.Settings.fNoRepeat = true; return {}; }
std::string ApplyUnitOnly(ParseState& s, const std::string&) { s.Options.Settings.fUnitOnly = true; return {}; }
std::string ApplyFewSame(ParseState& s, const std::string&) { s.Options.Settings.fFewSame = true; return {}; }
// Applied before the loop (FindPreset); here only taken out of the arguments.
std::string SkipPreset(ParseState&, const std::string&) { return {}; }

std::string ApplyRest(ParseState& s, const std::string&)
{
    s.Options.Settings.fRest = s.fRestGiven = true;
    return {};
}

std::string ApplyJust(ParseState& s, const std::string&)
{
    s.Options.Settings.fJust = s.fJustGiven = true;
    return {};
}

std::string ApplyJustExact(ParseState& s, const std::string&)
{
    s.Options.Settings.fJustExact = true;
    return ApplyJust(s, {});
}

const OptionSpec kOptions[] = {
    {"--op", true, ApplyOp},
    {"--min1", true, ApplyRange<EdtMin1>},   {"--min1e", true, ApplyRange<EdtMin1e>},
    {"--max1", true, ApplyRange<EdtMax1>},   {"--max1e", true, ApplyRange<EdtMax1e>},
    {"--min2", true, ApplyRange<EdtMin2>},   {"--min2e", true, ApplyRange<EdtMin2e>},
    {"--max2", true, ApplyRange<EdtMax2>},   {"--max2e", true, ApplyRange<EdtMax2e>},
    {"--seq1", false, ApplySeq1},            {"--seq2", false, ApplySeq2},
    {"--rows", true, ApplyRows},             {"--cols", true, ApplyCols},
    {"--d", true, ApplyD},                   {"--minus", true, ApplyMinus},
    {"--keep-zeros", false, ApplyKeepZeros}, {"--seed", true, ApplySeed},
    {"--code", true, ApplyCode},             {"--yes", false, ApplyYes},
    {"--round", false, ApplyRound},          {"--round-pos", true, ApplyRoundPos},
    {"--rest", false, ApplyRest},            {"--just", false, ApplyJust},
    {"--allow-zero", false, ApplyAllowZero}, {"--allow-one", false, ApplyAllowOne},
    // The old names, which read as the opposite of what they do; still taken.
    {"--no-zero", false, ApplyAllowZero},    {"--no-one", false, ApplyAllowOne},
    {"--round-sig", false, ApplyRoundSig},   {"--dec-only", false, ApplyDecOnly},
    {"--yaku", false, ApplyYaku},            {"--preset", true, SkipPreset},
    {"--full-dec", false, ApplyFullDec},     {"--just-exact", false, ApplyJustExact},
    {"--no-repeat", false, ApplyNoRepeat},   {"--unit-only", false, ApplyUnitOnly},
    {"--few-same", false, ApplyFewSame},
};

const OptionSpec* FindOption(const std::string& name)
{
    for (const OptionSpec& option : kOptions)
        if (name == option.Name)
            return &option;
    return nullptr;
}

// The value of the last "--preset" among args, if any.
std::optional<std::string> PresetArg(const CommandArgs& args)
{
    std::optional<std::string> value;
    for (size_t i = 0; i < args.size(); ++i) {
        OptionArg arg = SplitOptionArg(args[i]);
        if (arg.Name != "--preset")
            continue;
        if (arg.InlineValue)
            value = arg.Value;
        else if (i + 1 < args.size())
            value = args[++i];
    }
    return value;
}

// A built-in preset by its ID, else a preset file by its path.
std::string FindPreset(const std::string& name, std::optional<GradePreset>& preset)
{
    if (const GradePreset* builtIn = FindBuiltInPreset(QString::fromStdString(name))) {
        preset = *builtIn;
        return {};
    }
    PresetFileRead read = ReadPresetFile(QString::fromStdString(name));
    if (!read.Preset)
        return UsageError("--preset: '" + name + "' is no built-in preset ("
                          + read.Error.toStdString() + ")");
    preset = std::move(read.Preset);
    return {};
}

} // namespace

GenerateParse ParseGenerateOptions(const CommandArgs& args, const ExamSettings& base)
{
    GenerateParse parse;
    parse.Options.Settings = base;
    ParseState state{parse.Options};
    state.RowText = std::to_string(base.ExamRowN);
    state.ColText = std::to_string(base.ExamColN);
    if (std::optional<std::string> name = PresetArg(args)) {
        parse.Error = FindPreset(*name, parse.Options.Preset);
        if (!parse.Ok())
            return parse;
        SheetSettings sheet;
        ApplyPreset(*parse.Options.Preset, parse.Options.Settings, sheet);
        state.RowText = std::to_string(parse.Options.Settings.ExamRowN);
        state.ColText = std::to_string(parse.Options.Settings.ExamColN);
    }
    for (size_t i = 0; i < args.size(); ++i) {
        // "--rows=5" is taken like "--rows 5".
        OptionArg arg = SplitOptionArg(args[i]);
        const OptionSpec* option = FindOption(arg.Name);
        if (!option) {
            parse.Rest.push_back(args[i]);
            continue;
        }
        if (std::string problem = TakeOptionValue(args, i, option->TakesValue, arg); !problem.empty()) {
            parse.Error = UsageError(problem);
            return parse;
        }
        parse.Error = option->Apply(state, arg.Value);
        if (!parse.Ok())
            return parse;
    }
    // The base's own grid is held to the window's rules too (a hand-edited
    // settings file), after the options given, whose messages come first.
    state.GivenCounts.insert(state.GivenCounts.end(), {true, false});
    parse.Error = CheckGivenRanges(state);
    if (parse.Error.empty())
        parse.Error = CheckGivenCounts(state);
    if (!parse.Ok())
        return parse;
    if (state.fRestGiven && state.fJustGiven) {
        parse.Error = UsageError("--rest and --just (or --just-exact) cannot be used together");
        return parse;
    }
    if (state.fCodeGiven && state.fSeedGiven) {
        parse.Error = UsageError("--code and --seed cannot be used together");
        return parse;
    }
    return parse;
}

std::string GenerateOptionsUsage()
{
    return "  --op add|sub|mul|div   operation (default add)\n"
           "  --min1 T --min1e T     minimum of operand 1: integer part, decimal digits\n"
           "  --max1 T --max1e T     maximum of operand 1 (defaults 1, 00, 10, 00)\n"
           "  --min2 T --min2e T     minimum of operand 2\n"
           "  --max2 T --max2e T     maximum of operand 2\n"
           "                         each text is checked as the window's range edits are,\n"
           "                         against the final values of all eight;\n"
           "                         a refused one prints the window's message, exit 1\n"
           "  --seq1, --seq2         take that operand in sequence instead of at random\n"
           "  --rows N               rows of problems, 1..10 (default 10)\n"
           "  --cols N               columns, 1..4 (default 1); rows x columns at most 20\n"
           "  --d N                  random parameter D (default 0: uniform)\n"
           "  --minus 0|1|2          results positive / positive or zero / any sign\n"
           "  --keep-zeros           keep superfluous zeros of answers (4.0 instead of 4)\n"
           "  --seed N               reproducible run; without it the clock seeds\n"
           "  --code CODE            the run of a sheet code the window shows (No. CODE):\n"
           "                         the same settings and code give the same problems\n"
           "  --yes                  answer Yes to the loop-over question and go on\n"
           "  --round                multiplication: round the answer (division always rounds)\n"
           "  --round-pos N          rounding place 1..6: N-1 decimals kept (default 2)\n"
           "  --rest                 division: quotient with remainder\n"
           "  --just                 division: simple quotients (not with --rest)\n"
           "  --just-exact           --just, drawing only dividends that divide out\n"
           "                         (fewer tries; other problems than --just gives)\n"
           "  --allow-zero           division: allow the quotient 0 (excluded by default)\n"
           "  --allow-one            division: allow the quotient 1 (excluded by default)\n"
           "                         old names, still taken: --no-zero, --no-one\n"
           "  --round-sig            the rounding place counts figures from the first\n"
           "                         non-zero digit (2: 0.0256 -> 0.026, 28.98 -> 29)\n"
           "  --dec-only             an operand whose range has decimals is never whole,\n"
           "                         and no problem is made of whole numbers only\n"
           "  --yaku                 a rounded answer reads 約29.0 (the place's zeros kept)\n"
           "  --full-dec             a drawn operand shows every decimal place of its\n"
           "                         range (3.57, never 3.5 from 3.50)\n"
           "  --no-repeat            no problem twice on a sheet (+ and x not swapped either)\n"
           "  --unit-only            division: every problem leaves a remainder (--rest),\n"
           "                         needs rounding (rounded quotients) or brings down a\n"
           "                         zero past the dividend (--just)\n"
           "  --few-same             no answer more than twice on a sheet\n"
           "  --preset ID|FILE       apply a built-in preset (see 'shosu-sheet presets') or\n"
           "                         a preset file first; the other options change it\n";
}
