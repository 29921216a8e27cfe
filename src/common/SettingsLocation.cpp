#include "common/SettingsLocation.h"

#include "common/InstallLayout.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& Override()
{
    static QString path;
    return path;
}

bool Writable(const QString& dir)
{
    const QFileInfo d(dir);
    if (!d.isDir() || !d.isWritable())
        return false;
    const QFileInfo file(QDir(dir).filePath(QString::fromLatin1(SettingsLocation::FileName)));
    return !file.exists() || file.isWritable();
}

} // namespace

QString SettingsLocation::Choose(const QString& exeDir, const QString& configDir)
{
    const QString name = QString::fromLatin1(FileName);
    // An installed program never writes into its installation folder, even
    // when it could (run as root, or installed under the user's home).
    if (!exeDir.isEmpty() && InstalledDataDir(exeDir).isEmpty() && Writable(exeDir))
        return QDir(exeDir).filePath(name);
    QDir().mkpath(configDir);
    return QDir(configDir).filePath(name);
}

QString SettingsLocation::FilePath()
{
    if (!Override().isEmpty())
        return Override();
    const QString config = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                               .filePath(QStringLiteral("shosu-drill"));
    return Choose(QCoreApplication::applicationDirPath(), config);
}

void SettingsLocation::SetOverride(const QString& path)
{
    Override() = path;
}
