// shosu-sheet sheet: makes a problem list as the generate command does,
// composes the problem sheet (or the answer sheet) through the sheet
// pipeline with the default sheet settings or those of a settings file the
// window wrote (--settings), and prints the program lists or renders the
// pages to PNG, BMP or JPEG at 96 dots per inch, or to PDF at true size.
// With --count N a PDF holds N different problem sheets, each followed by
// its answer sheet (or in another --order); sheet k is made from the k-th
// seed derived from the first (--seed, --code or one drawn from the clock),
// so each sheet of a set can be made again alone. --names FILE makes one
// sheet for each name of a class list.
#include "sheet/CliGenHost.h"
#include "sheet/CliSupport.h"
#include "sheet/Commands.h"
#include "sheet/GenerateOptions.h"
#include "sheet/SheetSetup.h"

#include "generation/OperationTable.h"
#include "generation/ProblemMaker.h"
#include "generation/SheetCode.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "common/IniFile.h"
#include "sheet/ClassSet.h"
#include "sheet/MainSettings.h"
#include "sheet/PageOutput.h"
#include "sheet/SetGenHost.h"
#include "sheet/SetProgress.h"
#include "sheet/SheetChecks.h"
#include "sheet/SheetPipeline.h"
#include "sheet/SheetSetupFile.h"
#include "sheet/PresetApply.h"
#include "sheet/StartingLayout.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>

namespace {

constexpr int kMaxCount = SetRequest::MaxSheets;  // one class set; more is almost surely a typo

struct SheetOptions {
    bool fAnswer = false;
    bool fList = false;
    QString OutPath;
    int Count = 0;  // 0: one sheet as asked
    QStringList Names;  // --names: one sheet each
    SetOrder Order = SetOrder::Pairs;
    bool fOrderGiven = false;
    bool fPrintCode = false;
    bool fColumnForm = false;
    bool fFrame = false;
    bool fNoNumbers = false;
    bool fAnswersOnSheet = false;
    bool fTextbook = false;
    bool fWorked = false;
    bool fSquares = false;
    bool fMistakes = false;
    bool fCheck = false;
    bool fFindMistake = false;
    std::optional<QString> Title;
    std::optional<QString> SubTitle;
    int FontSize = 0;  // 0: the default problem font size
    std::optional<double> Pitch;  // --pitch: the squares' pitch in millimetres, 0 none
    std::optional<QString> Instruction;  // "": the one made from the settings
    bool fClassBox = false;
};

using ApplyFn = std::string (*)(SheetOptions&, const std::string&);

struct SheetOptionSpec {
    const char* Name;
    bool TakesValue;
    ApplyFn Apply;
};

std::string ApplyCount(SheetOptions& o, const std::string& value)
{
    bool ok = false;
    const int count = QString::fromStdString(value).toInt(&ok);
    if (!ok || count < 1 || count > kMaxCount)
        return "--count takes a number of sheets from 1 to " + std::to_string(kMaxCount)
            + ", not '" + value + "'";
    o.Count = count;
    return {};
}

std::string ApplyFontSize(SheetOptions& o, const std::string& value)
{
    bool ok = false;
    const int size = QString::fromStdString(value).toInt(&ok);
    if (!ok || size < 6 || size > 72)
        return "--font-size takes points from 6 to 72, not '" + value + "'";
    o.FontSize = size;
    return {};
}

std::string ApplyPitch(SheetOptions& o, const std::string& value)
{
    bool ok = false;
    const double pitch = QString::fromStdString(value).toDouble(&ok);
    if (!ok || !PitchAccepted(pitch))
        return "--pitch takes millimetres from 4 to 20 (0: the font size decides), not '" + value + "'";
    o.Pitch = pitch;
    return {};
}

std::string ApplyNames(SheetOptions& o, const std::string& value)
{
    QFile file(QString::fromStdString(value));
    if (!file.open(QIODevice::ReadOnly))
        return "--names: cannot read '" + value + "'";
    const QByteArray bytes = file.readAll();
    if (!IsTextFile(bytes))
        return "--names: '" + value + "' is not a text file; save a spreadsheet's list as CSV";
    o.Names = NamesFromFile(bytes);
    if (o.Names.isEmpty())
        return "--names: '" + value + "' holds no names";
    if (o.Names.size() > kMaxCount)
        return "--names: '" + value + "' holds " + std::to_string(o.Names.size())
            + " names; a set has at most " + std::to_string(kMaxCount) + " sheets";
    return {};
}

std::string ApplyOrder(SheetOptions& o, const std::string& value)
{
    const std::optional<SetOrder> order = ParseSetOrder(value);
    if (!order)
        return "--order takes pairs, problems-first, problems or answers, not '" + value + "'";
    o.Order = *order;
    o.fOrderGiven = true;
    return {};
}

const SheetOptionSpec kSheetOptions[] = {
    {"--answer", false, [](SheetOptions& o, const std::string&) { o.fAnswer = true; return std::string(); }},
    {"--list", false, [](SheetOptions& o, const std::string&) { o.fList = true; return std::string(); }},
    {"--out", true, [](SheetOptions& o, const std::string& v) { o.OutPath = QString::fromStdString(v); return std::string(); }},
    {"--count", true, ApplyCount},
    {"--names", true, ApplyNames},
    {"--order", true, ApplyOrder},
    {"--print-code", false, [](SheetOptions& o, const std::string&) { o.fPrintCode = true; return std::string(); }},
    {"--column-form", false, [](SheetOptions& o, const std::string&) { o.fColumnForm = true; return std::string(); }},
    {"--frame", false, [](SheetOptions& o, const std::string&) { o.fFrame = true; return std::string(); }},
    {"--no-numbers", false, [](SheetOptions& o, const std::string&) { o.fNoNumbers = true; return std::string(); }},
    {"--answers-on-sheet", false, [](SheetOptions& o, const std::string&) { o.fAnswersOnSheet = true; return std::string(); }},
    {"--textbook", false, [](SheetOptions& o, const std::string&) { o.fTextbook = true; return std::string(); }},
    {"--worked", false, [](SheetOptions& o, const std::string&) { o.fWorked = true; return std::string(); }},
    {"--squares", false, [](SheetOptions& o, const std::string&) { o.fSquares = true; return std::string(); }},
    {"--mistakes", false, [](SheetOptions& o, const std::string&) { o.fMistakes = true; return std::string(); }},
    {"--check", false, [](SheetOptions& o, const std::string&) { o.fCheck = true; return std::string(); }},
    {"--find-mistake", false, [](SheetOptions& o, const std::string&) { o.fFindMistake = true; return std::string(); }},
    {"--font-size", true, ApplyFontSize},
    {"--pitch", true, ApplyPitch},
    {"--title", true, [](SheetOptions& o, const std::string& v) { o.Title = QString::fromStdString(v); return std::string(); }},
    {"--subtitle", true, [](SheetOptions& o, const std::string& v) { o.SubTitle = QString::fromStdString(v); return std::string(); }},
    {"--instruction", true, [](SheetOptions& o, const std::string& v) { o.Instruction = QString::fromStdString(v); return std::string(); }},
    {"--class-box", false, [](SheetOptions& o, const std::string&) { o.fClassBox = true; return std::string(); }},
};

const SheetOptionSpec* FindSheetOption(const std::string& name)
{
    for (const SheetOptionSpec& option : kSheetOptions)
        if (name == option.Name)
            return &option;
    return nullptr;
}

std::string Prefixed(const std::string& text)
{
    return "shosu-sheet: sheet: " + text;
}

// The arguments the generate options left, as sheet options; an error text
// when one is unknown, lacks its value or the combination makes no sense.
std::string ParseSheetOptions(const CommandArgs& args, SheetOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        OptionArg arg = SplitOptionArg(args[i]);
        const SheetOptionSpec* option = FindSheetOption(arg.Name);
        if (!option)
            return Prefixed("unknown option '" + args[i] + "' (try shosu-sheet --help)");
        if (std::string problem = TakeOptionValue(args, i, option->TakesValue, arg); !problem.empty())
            return Prefixed(problem);
        if (std::string error = option->Apply(options, arg.Value); !error.empty())
            return Prefixed(error);
    }
    if (!options.fList && options.OutPath.isEmpty())
        return Prefixed("give --list, --out FILE or both");
    const QString suffix = QFileInfo(options.OutPath).suffix().toLower();
    if (!options.OutPath.isEmpty()
        && !IsPageImageSuffix(suffix) && suffix != QLatin1String("pdf"))
        return Prefixed("--out needs a file ending in .png, .bmp, .jpg or .pdf");
    if (!options.Names.isEmpty()) {
        if (options.Count > 0 && options.Count != options.Names.size())
            return Prefixed("--count and --names disagree: the list makes one sheet a name");
        options.Count = int(options.Names.size());
    }
    if (options.fOrderGiven && options.Count == 0)
        return Prefixed("--order needs a set: give --count N or --names FILE");
    if (options.Count > 0) {
        if (!options.OutPath.isEmpty() && suffix != QLatin1String("pdf"))
            return Prefixed("a set (--count, --names) is written with --out FILE.pdf");
        if (options.fAnswer)
            return Prefixed("a set chooses its sheets with --order; leave out --answer");
    }
    return {};
}

// The page strings as a first start lays them out: title and subtitle
// placed, header and footer off.
void GiveStartingRecords(PrevEngine& engine)
{
    engine.Header() = UnconfiguredPageStr();
    engine.Footer() = UnconfiguredPageStr();
    engine.PageTitle() = UnconfiguredPageStr();
    engine.SubTitle() = UnconfiguredPageStr();
    GiveStartingLayout(engine.PageTitle(), StartingLayout::PageTitle);
    GiveStartingLayout(engine.SubTitle(), StartingLayout::SubTitle);
}

// The sheet settings of the file (or the defaults, with the operation's
// subtitle), then those of the preset, then the sheet options given.
SheetSettings MakeSettings(const ExamSettings& exam, const SheetOptions& options,
                           const std::optional<SheetSettings>& file,
                           const std::optional<GradePreset>& preset)
{
    SheetSettings settings = file.value_or(SheetSettings{});
    if (!file)
        settings.sSubTitle = QString::fromUtf8(OperationOf(exam.Operation).SubTitle);
    if (preset) {
        ExamSettings scratch;  // the problem settings reach the generator through the options
        ApplyPreset(*preset, scratch, settings);
    }
    settings = SheetSettingsFor(settings, exam);
    settings.ExamType = settings.ExamType || options.fColumnForm;
    settings.fTextbook = settings.fTextbook || options.fTextbook || options.fWorked;
    settings.fWorked = settings.fWorked || options.fWorked;
    settings.fSquares = settings.fSquares || options.fSquares;
    settings.fMistakes = settings.fMistakes || options.fMistakes;
    settings.fCheck = settings.fCheck || options.fCheck;
    settings.fFindMistake = settings.fFindMistake || options.fFindMistake;
    settings.WindowFrame = settings.WindowFrame || options.fFrame;
    settings.fExNum = settings.fExNum && !options.fNoNumbers;
    if (options.fAnswersOnSheet)
        settings.AnswerType = 2;
    settings.fCode = settings.fCode || options.fPrintCode;
    if (options.FontSize > 0)
        settings.FntExam.Size = options.FontSize;
    if (options.Pitch)
        settings.HissanPitch = *options.Pitch;
    if (options.Title)
        settings.sPageTitle = *options.Title;
    if (options.SubTitle)
        settings.sSubTitle = *options.SubTitle;
    if (options.Instruction) {
        settings.Instruction.psStr = *options.Instruction;
        ShowInstructionLine(settings.Instruction);
    }
    // A まちがいさがし sheet tells the pupil what to do.
    if (options.fFindMistake && settings.Instruction.psPos == 0)
        ShowInstructionLine(settings.Instruction);
    settings.fClassBox = settings.fClassBox || options.fClassBox;
    return settings;
}

// What a run composes: the settings, the page strings and the problem maker.
struct SheetRun {
    PrevEngine& Engine;
    SheetSettings Settings;
    PageStrRecords Records;
    GenerateOptions& Generate;
    ProblemMaker Maker;
    std::ostream& Err;

    // One problem list from seed; nullopt when the run was abandoned.
    std::optional<SheetProblems> Problems(GenHost& host, std::uint64_t seed)
    {
        const RunResult run = Maker.MakeProblems(Generate.Settings, host, seed);
        if (!run.Completed())
            return std::nullopt;
        return ProblemsOf(run, Settings);
    }

    // The seed of the run, or of a set's first sheet: the one given, or
    // one drawn that has a code, like the window's runs.
    std::uint64_t FirstSeed()
    {
        return Generate.Seed.value_or(Maker.Source().UniformInt(SheetCode::SeedCount));
    }
};

// The code of seed as printed, when the settings print it and it has one.
SheetMarks CodeMarks(const SheetSettings& settings, std::uint64_t seed)
{
    const std::optional<SheetCode> code = SheetCode::FromSeed(seed);
    if (!settings.fCode || !code)
        return {};
    return {QString::fromStdString(code->Text()), 0, {}};
}

// The document to write: one sheet as asked, or a class set; nullopt when
// a run was abandoned.
std::optional<QList<QStringList>> ComposeDocument(SheetRun& run, const SheetOptions& options)
{
    CliGenHost cliHost(run.Err, run.Generate.fYes);
    SheetPipeline pipeline(run.Engine);
    if (options.Count == 0) {
        // Without --seed or --code the sheet's code is drawn, as the window
        // draws one for every run, and told, so that the sheet can be made
        // again with --code.
        const std::uint64_t seed = run.FirstSeed();
        if (!run.Generate.Seed)
            if (const std::optional<SheetCode> code = SheetCode::FromSeed(seed))
                run.Err << "No. " << code->Text() << '\n';
        const std::optional<SheetProblems> problems = run.Problems(cliHost, seed);
        if (!problems)
            return std::nullopt;
        return pipeline.Compose(*problems, run.Settings, run.Records,
                                options.fAnswer ? AnswerSheet : ProblemSheet,
                                CodeMarks(run.Settings, seed)).Pages;
    }
    SetRequest request{options.Count, options.Names, options.Order, run.FirstSeed()};
    SetGenHost host(cliHost);
    SilentProgress progress;
    return ClassSet(pipeline, progress)
        .Make(request, [&](std::uint64_t seed) { return run.Problems(host, seed); }, run.Settings,
              run.Records);
}

// The generate settings of the settings file when one is given (its path
// goes to filePath), then the preset, then the options of the command line;
// the sheet options. An error text when an option or the file is refused.
std::string ParseAll(const CommandArgs& args, GenerateOptions& generate, SheetOptions& options,
                     std::optional<QString>& filePath)
{
    const SettingsArg settingsArg = TakeSettingsArg(args);
    if (!settingsArg.Error.empty())
        return Prefixed(settingsArg.Error);
    ExamSettings base;
    if (settingsArg.Path) {
        if (std::string error = CheckSettingsFile(*settingsArg.Path); !error.empty())
            return Prefixed(error);
        filePath = settingsArg.Path;
        SheetSettings sheet;
        LoadMainSettings(IniFile(*filePath), base, sheet);
    }
    GenerateParse parse = ParseGenerateOptions(settingsArg.Rest, base);
    if (!parse.Ok())
        return parse.Error;
    generate = parse.Options;
    return ParseSheetOptions(parse.Rest, options);
}

} // namespace

int SheetCommand(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    GenerateOptions generate;
    SheetOptions options;
    std::optional<QString> filePath;
    if (std::string error = ParseAll(args, generate, options, filePath); !error.empty()) {
        err << error << '\n';
        return ExitUsage;
    }
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    StreamPrompts prompts(err, "shosu-sheet: ");
    // The built-in PDF printer gives every machine the same A4 page.
    PrevEngine engine(prompts, PrinterInfo::BuiltInPdf(QString()), CliScreenDpi);
    if (engine.Geometry.ErrorNum > 0)
        return ExitUsage;
    // The sheet settings and page strings of the file, read as the window reads them.
    std::optional<SheetSettings> fileSheet;
    if (filePath) {
        ExamSettings fileExam;  // taken as the base of the options while parsing
        LoadSheetSetup(IniFile(*filePath), fileExam, fileSheet.emplace(), engine);
    } else {
        GiveStartingRecords(engine);
    }
    SheetRun run{engine, MakeSettings(generate.Settings, options, fileSheet, generate.Preset),
                 PageStrRecords::From(engine), generate, ProblemMaker(generate.Seed), err};
    const std::optional<QList<QStringList>> pages = ComposeDocument(run, options);
    if (!pages)
        return ExitAbandoned;
    if (options.fList)
        ListPages(*pages, out);
    if (options.OutPath.isEmpty())
        return ExitOk;
    QString error;
    if (!SavePages(engine, *pages, options.OutPath, error)) {
        err << Prefixed(error.toStdString()) << '\n';
        return ExitUsage;
    }
    return ExitOk;
}

std::string SheetUsage()
{
    return "shosu-sheet sheet [--settings FILE] [generate options] [sheet options]\n"
           "  Makes a problem list as generate does and composes the problem sheet\n"
           "  (or with --answer the answer sheet) on an A4 page with the default\n"
           "  sheet settings; rows and columns are those of --rows and --cols.\n"
           "  A single sheet without --seed or --code draws a code and writes\n"
           "  \"No. CODE\" on stderr: --code CODE makes the same sheet again.\n"
           "Sheet options:\n"
           "  --settings FILE        take every problem and sheet setting from a settings\n"
           "                         file the window wrote (operation tab, ranges,\n"
           "                         options, grid, fonts, margins, page strings with\n"
           "                         the instruction line, name box, answers); a\n"
           "                         --preset goes over it and the options given over\n"
           "                         both. The file is only read;\n"
           "                         a missing or unreadable one is an error (exit 1)\n"
           "  --list                 print the program list, one command line per line;\n"
           "                         each page after the first of a document of several\n"
           "                         pages is preceded by a line \"== page k/n ==\"\n"
           "  --out FILE             render to FILE: .png, .bmp or .jpg at 96 dots per\n"
           "                         inch (several pages: FILE-1.png, FILE-2.png ...),\n"
           "                         .pdf at true size with every page\n"
           "  --answer               the answer sheet instead of the problem sheet\n"
           "  --count N              a set (with --out FILE.pdf or --list) of N different\n"
           "                         problem sheets, each followed by its answer sheet\n"
           "                         (1..50); the first from --code or --seed itself,\n"
           "                         each later one from the next code derived from it.\n"
           "                         Every sheet shows No.k and its code at the bottom\n"
           "  --names FILE           a set with one sheet for each name of a text or CSV\n"
           "                         file (UTF-8 or Shift_JIS, first column, at most 50);\n"
           "                         the name goes into the sheet's name line\n"
           "  --order ORDER          the pages of a set: pairs (each problem sheet, then\n"
           "                         its answers; default), problems-first (all problem\n"
           "                         sheets, then all answer sheets), problems, answers\n"
           "  --print-code           print the sheet code small at the bottom of the\n"
           "                         problem and answer sheet (settings: Code in Page)\n"
           "  --column-form          written calculation: operands stacked on a digit pitch\n"
           "  --textbook             column form as Japanese textbooks write it: digits on\n"
           "                         a fixed pitch, points in slots of their own, division\n"
           "                         under a 厂 bracket, room under every problem for its\n"
           "                         working; problems stay at 14 points or more and a\n"
           "                         grid that does not fit runs on over further pages\n"
           "                         (implies --column-form)\n"
           "  --worked               answer sheet with the whole written calculation under\n"
           "                         each answer (implies --textbook)\n"
           "  --squares              light grey squares behind the digit columns (with\n"
           "                         --textbook or --worked)\n"
           "  --pitch MM             the digit squares' pitch in millimetres, 4..20, the\n"
           "                         digits sized to fit, pages running on as needed\n"
           "                         (textbook form; 0: the font size decides)\n"
           "  --mistakes             under each answer of the answer sheet, in small type,\n"
           "                         the wrong answers the classic mistakes give, each\n"
           "                         with its name (settings: Mistakes in Answer)\n"
           "  --check                under each division answered with a remainder, the\n"
           "                         check たしかめ　divisor×quotient＋remainder＝dividend\n"
           "                         (settings: Check in Answer)\n"
           "  --find-mistake         まちがいさがし: each problem worked with one classic\n"
           "                         mistake for the pupil to find, with room beside it;\n"
           "                         the answer sheet has the right working and names\n"
           "                         the mistake (implies --textbook; settings:\n"
           "                         FindMistake in Hissan)\n"
           "  --frame                dotted frame around the problems\n"
           "  --no-numbers           no problem numbers\n"
           "  --answers-on-sheet     answers on the problem sheet too (one-line form only)\n"
           "  --font-size N          problem font size in points, 6..72 (default 24); a\n"
           "                         sheet whose problems would not fit their cells\n"
           "                         writes them smaller, down to 8\n"
           "  --title T              page title (default かずの計算)\n"
           "  --subtitle T           subtitle (default by operation, e.g. たしざんのもんだい)\n"
           "  --instruction T        the instruction line under the subtitle, on both\n"
           "                         sheets; an empty T: the one made from the settings\n"
           "                         (e.g. わりきれるまで計算しましょう。)\n"
           "  --class-box            name box with 年・組・番 and a score cell 点\n"
           "Generate options:\n" +
           GenerateOptionsUsage();
}
