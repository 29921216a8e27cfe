// shosu-sheet render: draws a list file as the preview engine's read list
// (pointer-file rule, INCLUDE lines, pictures) onto the 1:1 page image at a
// 96 dpi screen, saved as PNG, BMP or JPEG, or onto the built-in PDF printer
// at true size. Message boxes of the interpreter are written to stderr.
#include "sheet/CliSupport.h"
#include "sheet/Commands.h"

#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/PageExport.h"
#include "sheet/PageOutput.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace {

struct RenderOptions {
    QString ListFile;
    QString Out;
    bool Grid = false;
    bool Ruler = false;
};

// The options, or an error text.
std::optional<RenderOptions> ParseOptions(const CommandArgs& args, std::string& error)
{
    RenderOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--grid") {
            options.Grid = true;
        } else if (arg == "--ruler") {
            options.Ruler = true;
        } else if (arg == "--out") {
            if (i + 1 >= args.size()) {
                error = "--out needs a file name";
                return std::nullopt;
            }
            options.Out = QString::fromLocal8Bit(args[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (options.ListFile.isEmpty()) {
            options.ListFile = QString::fromLocal8Bit(arg);
        } else {
            error = "more than one list file given ('" + arg + "')";
            return std::nullopt;
        }
    }
    if (options.ListFile.isEmpty())
        error = "no list file given";
    else if (options.Out.isEmpty())
        error = "no output file given (--out FILE)";
    return error.empty() ? std::optional(options) : std::nullopt;
}

} // namespace

int RenderCommand(const CommandArgs& args, std::ostream& out, std::ostream& err)
{
    std::string parseError;
    const std::optional<RenderOptions> options = ParseOptions(args, parseError);
    if (!options) {
        err << "shosu-sheet: render: " << parseError << " (try shosu-sheet render --help)\n";
        return ExitUsage;
    }
    const QString suffix = QFileInfo(options->Out).suffix().toLower();
    const bool pdf = suffix == u"pdf";
    if (!pdf && !IsPageImageSuffix(suffix)) {
        err << "shosu-sheet: render: the output must end in .png, .bmp, .jpg or .pdf\n";
        return ExitUsage;
    }
    QFile list(options->ListFile);
    if (!QFileInfo(options->ListFile).isFile() || !list.open(QIODevice::ReadOnly)) {
        err << "shosu-sheet: render: cannot read list file '" << options->ListFile.toStdString()
            << "'\n";
        return ExitUsage;
    }
    list.close();

    const auto app = EnsureGuiApplication();
    StreamPrompts prompts(err, "shosu-sheet: render: ");
    PrevEngine engine(prompts, PrinterInfo::BuiltInPdf(QString()), CliScreenDpi);
    if (engine.Geometry.ErrorNum > 0)
        return ExitUsage;
    engine.ListIniFile = options->ListFile;
    engine.ReadListFile();

    QString error;
    if (pdf) {
        // Written beside the file and put in its place once complete.
        if (!ReplaceFileWith(options->Out, [&](const QString& temp) {
                return engine.RenderPdf(temp);
            }, &error)) {
            err << "shosu-sheet: render: " << error.toStdString() << '\n';
            return ExitUsage;
        }
        out << options->Out.toStdString() << ": " << engine.Geometry.PageW << " x "
            << engine.Geometry.PageH << " printer pixels at " << engine.Geometry.PrinterResX
            << " dpi\n";
        return ExitOk;
    }
    engine.PageView = 1;
    engine.fMesh = options->Grid ? 1 : 0;
    engine.fScale = options->Ruler ? 1 : 0;
    const QImage image = engine.RenderImage();
    if (!SavePageImage(image, options->Out, CliScreenDpi, error)) {
        err << "shosu-sheet: render: " << error.toStdString() << '\n';
        return ExitUsage;
    }
    out << options->Out.toStdString() << ": " << image.width() << " x " << image.height()
        << " pixels at " << CliScreenDpi << " dpi\n";
    return ExitOk;
}

std::string RenderUsage()
{
    return "shosu-sheet render LISTFILE --out FILE [--grid] [--ruler]\n"
           "  Draws a list file as the preview draws its read list: when the first line\n"
           "  of LISTFILE names an existing file, that file is the list; INCLUDE lines\n"
           "  and pictures are read relative to the current directory.\n"
           "  FILE ending in .png, .bmp or .jpg: the 1:1 page image at 96 dpi.\n"
           "  FILE ending in .pdf: one page at true size on the built-in PDF printer\n"
           "  (A4, 600 dpi, 5 mm margins).\n"
           "Options:\n"
           "  --out FILE  the output file (required)\n"
           "  --grid      draw the grid overlay (image output only)\n"
           "  --ruler     draw the ruler overlay (image output only)\n"
           "Messages of the drawing commands are written to stderr.\n";
}
