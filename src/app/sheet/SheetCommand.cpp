// shosu-sheet sheet: makes a problem list as the generate command does,
// composes the problem sheet (or the answer sheet) with the default sheet
// settings, and prints the program list or renders it to PNG, BMP or JPEG at
// 96 dots per inch, or to PDF at true size. With --count N a PDF holds N
// different problem sheets, each followed by its answer sheet; sheet k is
// made from the k-th seed derived from the first (--seed, --code or one
// drawn from the clock), so each sheet of a set can be made again alone.
#include "sheet/CliGenHost.h"
#include "sheet/CliSupport.h"
#include "sheet/Commands.h"
#include "sheet/GenerateOptions.h"

#include "generation/ProblemMaker.h"
#include "generation/SheetCode.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "worksheet/SheetComposer.h"
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
    std::optional<QString> Title;
    std::optional<QString> SubTitle;
    int FontSize = 0;  // 0: the default problem font size
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
    {"--font-size", true, ApplyFontSize},
    {"--title", true, [](SheetOptions& o, const std::string& v) { o.Title = QString::fromStdString(v); return std::string(); }},
    {"--subtitle", true, [](SheetOptions& o, const std::string& v) { o.SubTitle = QString::fromStdString(v); return std::string(); }},
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

SheetSettings MakeSettings(const ExamSettings& exam, const SheetOptions& options)
{
    SheetSettings settings;
    settings.ExamRowN = exam.ExamRowN;
    settings.ExamColN = exam.ExamColN;
    settings.ExamType = options.fColumnForm;
    settings.WindowFrame = options.fFrame;
    settings.fExNum = !options.fNoNumbers;
    settings.AnswerType = options.fAnswersOnSheet ? 2 : 1;
    settings.sSubTitle = QString::fromUtf16(kSubTitles[exam.Operation]);
    if (options.FontSize > 0)
        settings.FntExam.Size = options.FontSize;
    if (options.Title)
        settings.sPageTitle = *options.Title;
    if (options.SubTitle)
        settings.sSubTitle = *options.SubTitle;
    return settings;
}

QStringList ToLines(const std::vector<std::string>& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

SheetProblems MakeProblems(const RunResult& run, int operation)
{
    return {ToLines(run.Lines1), ToLines(run.Lines2), ToLines(run.Lines3),
            QString::fromUtf16(kSigns[operation]), operation};
}

// One sheet into the engine's program list. Every run starts measuring from
// the font "INITPARAM" sets, so a problem sheet and its answer sheet share
// one layout whatever was drawn before.
void Compose(PrevEngine& engine, SheetSettings settings, const SheetProblems& problems, int mode)
{
    engine.SetFontSets(PageFont{});
    PageFont curFont;
    SheetComposer(engine, settings, problems, curFont).ComposeSheet(mode);
}

// The composed sheet as one PDF page or as a page image; false after the
// error is written.
bool SaveSheet(PrevEngine& engine, const QString& path, bool pdf, std::ostream& err)
{
    QString error;
    const bool saved = pdf ? engine.RenderPdf(path, &error)
                           : SavePageImage(engine.RenderImage(), path, error);
    if (!saved)
        err << Prefixed(error.toStdString()) << '\n';
    return saved;
}

// N problem sheets, each followed by its answer sheet, in one PDF.
int WriteClassSet(PrevEngine& engine, ProblemMaker& maker, GenerateOptions& generate,
                  const SheetSettings& settings, const SheetOptions& options, std::ostream& err)
{
    CliGenHost host(err, generate.fYes);
    // Without a seed the set still starts from a code, like the window's runs.
    const std::uint64_t first =
        generate.Seed.value_or(maker.Source().UniformInt(SheetCode::SeedCount));
    engine.BeginPrintDocument();
    bool ok = true;
    for (int i = 0; i < options.Count && ok; ++i) {
        const RunResult run = maker.MakeProblems(generate.Settings, host,
                                                 DerivedSeed(first, static_cast<std::uint64_t>(i)));
        if (!run.Completed()) {
            engine.EndPrintDocument();
            return ExitAbandoned;
        }
        // The printer already writes to the file; each pass adds one page.
        const SheetProblems problems = MakeProblems(run, generate.Settings.Operation);
        Compose(engine, settings, problems, ProblemSheet);
        ok = engine.PrintOut();
        Compose(engine, settings, problems, AnswerSheet);
        ok = ok && engine.PrintOut();
    }
    engine.EndPrintDocument();
    return ok ? ExitOk : ExitUsage;
}

} // namespace

int SheetCommand(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    GenerateParse parse = ParseGenerateOptions(args);
    if (!parse.Ok()) {
        err << parse.Error << '\n';
        return ExitUsage;
    }
    SheetOptions options;
    if (std::string error = ParseSheetOptions(parse.Rest, options); !error.empty()) {
        err << error << '\n';
        return ExitUsage;
    }
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    StreamPrompts prompts(err, "shosu-sheet: ");
    const bool toPdf = QFileInfo(options.OutPath).suffix().toLower() == QLatin1String("pdf");
    // The built-in PDF printer gives every machine the same A4 page.
    PrevEngine engine(prompts, PrinterInfo::BuiltInPdf(
                          toPdf ? QFileInfo(options.OutPath).absoluteFilePath() : QString()),
                      CliScreenDpi);
    if (engine.Geometry.ErrorNum > 0)
        return ExitUsage;
    GiveStartingRecords(engine);
    const SheetSettings settings = MakeSettings(parse.Options.Settings, options);
    ProblemMaker maker(parse.Options.Seed);
    if (options.Count > 0)
        return WriteClassSet(engine, maker, parse.Options, settings, options, err);

    CliGenHost host(err, parse.Options.fYes);
    const RunResult run = maker.MakeProblems(parse.Options.Settings, host);
    if (!run.Completed())
        return ExitAbandoned;
    Compose(engine, settings, MakeProblems(run, parse.Options.Settings.Operation),
            options.fAnswer ? AnswerSheet : ProblemSheet);
    if (options.fList)
        for (const QString& line : engine.ListbyProgram)
            out << line.toStdString() << '\n';
    if (options.OutPath.isEmpty())
        return ExitOk;
    return SaveSheet(engine, options.OutPath, toPdf, err) ? ExitOk : ExitUsage;
}

std::string SheetUsage()
{
    return "shosu-sheet sheet [generate options] [sheet options]\n"
           "  Makes a problem list as generate does and composes the problem sheet\n"
           "  (or with --answer the answer sheet) on an A4 page with the default\n"
           "  sheet settings; rows and columns are those of --rows and --cols.\n"
           "Sheet options:\n"
           "  --list                 print the program list, one command line per line\n"
           "  --out FILE             render to FILE: .png, .bmp or .jpg at 96 dots per\n"
           "                         inch, .pdf at true size\n"
           "  --answer               the answer sheet instead of the problem sheet\n"
           "  --count N              with --out FILE.pdf: N different problem sheets, each\n"
           "                         followed by its answer sheet (1..50); the first\n"
           "                         from --code or --seed itself, each later one from\n"
           "                         the next code of the set derived from it\n"
           "  --column-form          written calculation: operands stacked on a digit pitch\n"
           "  --frame                dotted frame around the problems\n"
           "  --no-numbers           no problem numbers\n"
           "  --answers-on-sheet     answers on the problem sheet too (one-line form only)\n"
           "  --font-size N          problem font size in points, 6..72 (default 24); a\n"
           "                         sheet whose problems would not fit their cells\n"
           "                         writes them smaller, down to 8\n"
           "  --title T              page title (default かずの計算)\n"
           "  --subtitle T           subtitle (default by operation, e.g. たしざんのもんだい)\n"
           "Generate options:\n" +
           GenerateOptionsUsage();
}
