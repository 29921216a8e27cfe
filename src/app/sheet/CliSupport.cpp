#include "sheet/CliSupport.h"

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
