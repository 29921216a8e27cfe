#include "sheet/SheetSetup.h"

#include "sheet/CliSupport.h"

#include <QFile>
#include <QFileInfo>


SettingsArg TakeSettingsArg(const CommandArgs& args)
{
    SettingsArg result;
    for (size_t i = 0; i < args.size(); ++i) {
        OptionArg arg = SplitOptionArg(args[i]);
        if (arg.Name != "--settings") {
            result.Rest.push_back(args[i]);
            continue;
        }
        if (std::string problem = TakeOptionValue(args, i, true, arg); !problem.empty()) {
            result.Error = problem;
            return result;
        }
        if (result.Path) {
            result.Error = "--settings is given twice";
            return result;
        }
        result.Path = QString::fromStdString(arg.Value);
    }
    return result;
}

std::string CheckSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return "settings file '" + path.toStdString() + "' does not exist";
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return "settings file '" + path.toStdString() + "' cannot be read";
    return {};
}

