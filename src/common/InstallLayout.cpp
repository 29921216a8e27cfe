#include "common/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ExistingDir(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() ? info.canonicalFilePath() : QString();
}

} // namespace

QString InstalledDataDir(const QString& exeDir)
{
    if (exeDir.isEmpty())
        return {};
    return ExistingDir(QDir(exeDir).filePath(QStringLiteral("../share/shosu-drill")));
}

QString LocalHelpDir(const QString& exeDir)
{
    const QString data = InstalledDataDir(exeDir);
    if (!data.isEmpty())
        return ExistingDir(QDir(data).filePath(QStringLiteral("help")));
    if (exeDir.isEmpty())
        return {};
    return ExistingDir(QDir(exeDir).filePath(QStringLiteral("help")));
}
