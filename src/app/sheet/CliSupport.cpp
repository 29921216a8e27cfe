#include "sheet/CliSupport.h"

#include "prevform/JpegCodec.h"

#include <QFileInfo>

namespace {

constexpr int JpegQuality = 90;

} // namespace

void StreamPrompts::Message(const QString& text, const QString&)
{
    Err << Prefix << text.toStdString() << '\n';
}

bool StreamPrompts::Confirm(const QString& text, const QString& title)
{
    Message(text, title);
    return false;
}

std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "shosu-sheet";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool IsPageImageSuffix(const QString& suffix)
{
    return suffix == u"png" || suffix == u"bmp" || suffix == u"jpg" || suffix == u"jpeg";
}

bool SavePageImage(const QImage& image, const QString& path, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("%1: the page image is empty").arg(path);
        return false;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg") {
        QString reason;
        if (SaveJpeg(image, JpegQuality, path, &reason))
            return true;
        error = QStringLiteral("cannot write %1: %2").arg(path, reason);
        return false;
    }
    QImage marked = image;
    const int dotsPerMetre = qRound(CliScreenDpi / 0.0254);
    marked.setDotsPerMeterX(dotsPerMetre);
    marked.setDotsPerMeterY(dotsPerMetre);
    if (marked.save(path, suffix == u"bmp" ? "BMP" : "PNG"))
        return true;
    error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

OptionArg SplitOptionArg(const std::string& arg)
{
    const size_t equals = arg.find('=');
    if (!arg.starts_with("--") || equals == std::string::npos)
        return {arg, {}, false};
    return {arg.substr(0, equals), arg.substr(equals + 1), true};
}

std::string TakeOptionValue(const CommandArgs& args, size_t& i, bool takesValue, OptionArg& arg)
{
    if (takesValue && !arg.InlineValue) {
        if (i + 1 >= args.size())
            return arg.Name + " needs a value";
        arg.Value = args[++i];
    } else if (!takesValue && arg.InlineValue) {
        return arg.Name + " takes no value";
    }
    return {};
}
