// shosu-sheet sheet: makes a problem list as the generate command does,
// composes the problem sheet (or the answer sheet) through the sheet
// pipeline with the default sheet settings or those of a settings file the
// window wrote (--settings), and prints the program lists or renders the
// pages to PNG, BMP or JPEG at 96 dots per inch, or to PDF at true size.
// With --count N a PDF holds N different problem sheets, each followed by
// its answer sheet; sheet k is made from the k-th seed derived from the
// first (--seed, --code or one drawn from the clock), so each sheet of a
// set can be made again alone.
#include "sheet/CliGenHost.h"
#include "sheet/CliSupport.h"
#include "sheet/Commands.h"
#include "sheet/GenerateOptions.h"
#include "sheet/SheetSetup.h"

#include "generation/InstructionText.h"
#include "generation/ProblemMaker.h"
#include "generation/SheetCode.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "common/IniFile.h"
#include "worksheet/MainSettings.h"
#include "worksheet/PageOutput.h"
#include "worksheet/SheetPipeline.h"
#include "worksheet/SheetSetupFile.h"
#include "worksheet/PresetApply.h"
#include "worksheet/StartingLayout.h"

#include <QFileInfo>
#include <memory>
#include <optional>

namespace {

constexpr int kMaxCount = 50;  // one class set; more is almost surely a typo

struct SheetOptions {
    bool fAnswer = false;
    bool fList = false;
    QString OutPath;
    int Count = 0;  // 0: one sheet as asked
    bool fColumnForm = false;
    bool fFrame = false;
    bool fNoNumbers = false;
    bool fAnswersOnSheet = false;
    bool fTextbook = false;
    bool fWorked = false;
    bool fSquares = false;
    std::optional<QString> Title;
    std::optional<QString> SubTitle;
    int FontSize = 0;  // 0: the default problem font size
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

const SheetOptionSpec kSheetOptions[] = {
    {"--answer", false, [](SheetOptions& o, const std::string&) { o.fAnswer = true; return std::string(); }},
    {"--list", false, [](SheetOptions& o, const std::string&) { o.fList = true; return std::string(); }},
    {"--out", true, [](SheetOptions& o, const std::string& v) { o.OutPath = QString::fromStdString(v); return std::string(); }},
    {"--count", true, ApplyCount},
    {"--column-form", false, [](SheetOptions& o, const std::string&) { o.fColumnForm = true; return std::string(); }},
    {"--frame", false, [](SheetOptions& o, const std::string&) { o.fFrame = true; return std::string(); }},
    {"--no-numbers", false, [](SheetOptions& o, const std::string&) { o.fNoNumbers = true; return std::string(); }},
    {"--answers-on-sheet", false, [](SheetOptions& o, const std::string&) { o.fAnswersOnSheet = true; return std::string(); }},
    {"--textbook", false, [](SheetOptions& o, const std::string&) { o.fTextbook = true; return std::string(); }},
    {"--worked", false, [](SheetOptions& o, const std::string&) { o.fWorked = true; return std::string(); }},
    {"--squares", false, [](SheetOptions& o, const std::string&) { o.fSquares = true; return std::string(); }},
    {"--font-size", true, ApplyFontSize},
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
    if (options.Count > 0) {
        if (suffix != QLatin1String("pdf"))
            return Prefixed("--count needs --out FILE.pdf");
        if (options.fAnswer || options.fList)
            return Prefixed("--count writes problem and answer sheets; leave out --answer and --list");
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

const char16_t* const kSigns[] = {u"＋", u"－", u"×", u"÷"};
const char16_t* const kSubTitles[] = {u"たしざんのもんだい", u"ひきざんのもんだい",
                                      u"かけざんのもんだい", u"わりざんのもんだい"};

// The sheet settings of the file (or the defaults, with the operation's
// subtitle), then those of the preset, then the sheet options given.
SheetSettings MakeSettings(const ExamSettings& exam, const SheetOptions& options,
                           const std::optional<SheetSettings>& file,
                           const std::optional<GradePreset>& preset)
{
    SheetSettings settings = file.value_or(SheetSettings{});
    if (!file)
        settings.sSubTitle = QString::fromUtf16(kSubTitles[exam.Operation]);
    if (preset) {
        ExamSettings scratch;  // the problem settings reach the generator through the options
        ApplyPreset(*preset, scratch, settings);
    }
    settings.ExamRowN = exam.ExamRowN;
    settings.ExamColN = exam.ExamColN;
    // The textbook form is a kind of column form: asking for it on the
    // command line asks for the column form too.
    const bool textbook = options.fTextbook || options.fWorked;
    settings.ExamType = settings.ExamType || options.fColumnForm || textbook;
    settings.fTextbook = settings.fTextbook || textbook;
    settings.fWorked = settings.fWorked || options.fWorked;
    settings.fSquares = settings.fSquares || options.fSquares;
    settings.WindowFrame = settings.WindowFrame || options.fFrame;
    settings.fExNum = settings.fExNum && !options.fNoNumbers;
    if (options.fAnswersOnSheet)
        settings.AnswerType = 2;
    if (options.FontSize > 0)
        settings.FntExam.Size = options.FontSize;
    if (options.Title)
        settings.sPageTitle = *options.Title;
    if (options.SubTitle)
        settings.sSubTitle = *options.SubTitle;
    if (options.Instruction) {
        settings.Instruction.psStr = *options.Instruction;
        ShowInstructionLine(settings.Instruction);
    }
    settings.fClassBox = settings.fClassBox || options.fClassBox;
    return settings;
}

QStringList ToLines(const std::vector<std::string>& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

SheetProblems MakeProblems(const RunResult& run, const ExamSettings& exam, bool columnForm)
{
    return {ToLines(run.Lines1), ToLines(run.Lines2), ToLines(run.Lines3),
            QString::fromUtf16(kSigns[exam.Operation]), exam.Operation, DivisionModeOf(exam),
            QString::fromStdString(InstructionText(exam, columnForm))};
}

// What a run composes: the settings, the page strings and the problem maker.
struct SheetRun {
    PrevEngine& Engine;
    SheetSettings Settings;
    PageStrRecords Records;
    GenerateOptions& Generate;
    ProblemMaker Maker;
    std::ostream& Err;

    // One problem list, from seed when given; nullopt when the run was abandoned.
    std::optional<SheetProblems> Problems(std::optional<std::uint64_t> seed = std::nullopt)
    {
        CliGenHost host(Err, Generate.fYes);
        const RunResult run = seed ? Maker.MakeProblems(Generate.Settings, host, *seed)
                                   : Maker.MakeProblems(Generate.Settings, host);
        if (!run.Completed())
            return std::nullopt;
        return MakeProblems(run, Generate.Settings, Settings.ExamType);
    }

    QList<QStringList> Pages(const SheetProblems& problems, int mode)
    {
        return SheetPipeline(Engine).Compose(problems, Settings, Records, mode).Pages;
    }
};

// The document to write: one sheet as asked, or N problem sheets, each
// followed by its answer sheet; nullopt when a run was abandoned. Sheet k of
// a set is made from the k-th seed derived from the first, so it can be made
// again alone from its code.
std::optional<QList<QStringList>> ComposeDocument(SheetRun& run, const SheetOptions& options)
{
    if (options.Count == 0) {
        const std::optional<SheetProblems> problems = run.Problems();
        if (!problems)
            return std::nullopt;
        return run.Pages(*problems, options.fAnswer ? AnswerSheet : ProblemSheet);
    }
    // Without a seed the set still starts from a code, like the window's runs.
    const std::uint64_t first =
        run.Generate.Seed.value_or(run.Maker.Source().UniformInt(SheetCode::SeedCount));
    QList<QStringList> pages;
    for (int i = 0; i < options.Count; ++i) {
        const std::optional<SheetProblems> problems =
            run.Problems(DerivedSeed(first, static_cast<std::uint64_t>(i)));
        if (!problems)
            return std::nullopt;
        pages << run.Pages(*problems, ProblemSheet) << run.Pages(*problems, AnswerSheet);
    }
    return pages;
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
           "  --count N              with --out FILE.pdf: N different problem sheets, each\n"
           "                         followed by its answer sheet (1..50); the first\n"
           "                         from --code or --seed itself, each later one from\n"
           "                         the next code of the set derived from it\n"
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
