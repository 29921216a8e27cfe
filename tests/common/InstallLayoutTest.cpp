// Installed against portable programs: where the settings file goes and
// where the offline help pages are found.
#include "common/InstallLayout.h"
#include "common/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class InstallLayoutTest : public ::testing::Test {
protected:
    QTemporaryDir Root;

    QString MakeDir(const QString& relative)
    {
        const QString path = Root.filePath(relative);
        QDir().mkpath(path);
        return QFileInfo(path).canonicalFilePath();
    }
};

TEST_F(InstallLayoutTest, AnInstalledProgramKeepsItsSettingsInTheUserConfiguration)
{
    const QString bin = MakeDir("usr/bin");
    MakeDir("usr/share/shosu-drill/help");
    const QString config = Root.filePath("home/.config/shosu-drill");
    // bin is writable here (as /usr/bin is for root), and still not used
    ASSERT_TRUE(QFileInfo(bin).isWritable());
    EXPECT_EQ(SettingsLocation::Choose(bin, config), config + "/shosu-drill.ini");
    EXPECT_TRUE(QFileInfo(config).isDir());
}

TEST_F(InstallLayoutTest, APortableProgramKeepsItsSettingsBesideItself)
{
    const struct {
        const char* ExeDir;
        const char* Other;  // a folder that exists beside it, "" for none
    } cases[] = {
        {"portable", ""},
        {"build/src/app", "build/share"},        // a share folder of someone else
        {"apps/shosu/bin", "apps/shosu/help"},  // portable help, not an installation
    };
    for (const auto& c : cases) {
        const QString exeDir = MakeDir(c.ExeDir);
        if (*c.Other)
            MakeDir(c.Other);
        EXPECT_EQ(SettingsLocation::Choose(exeDir, Root.filePath("config")),
                  exeDir + "/shosu-drill.ini")
            << c.ExeDir;
    }
}

TEST_F(InstallLayoutTest, HelpPagesAreTheInstalledOnesOrThoseBesideAPortableProgram)
{
    const QString bin = MakeDir("usr/bin");
    EXPECT_EQ(InstalledDataDir(bin), QString());
    EXPECT_EQ(LocalHelpDir(bin), QString());
    const QString data = MakeDir("usr/share/shosu-drill");
    EXPECT_EQ(InstalledDataDir(bin), data);
    EXPECT_EQ(LocalHelpDir(bin), QString());  // installed without help pages
    const QString help = MakeDir("usr/share/shosu-drill/help");
    EXPECT_EQ(LocalHelpDir(bin), help);

    const QString portable = MakeDir("stick/shosu-drill");
    EXPECT_EQ(LocalHelpDir(portable), QString());
    const QString portableHelp = MakeDir("stick/shosu-drill/help");
    EXPECT_EQ(LocalHelpDir(portable), portableHelp);
    EXPECT_EQ(LocalHelpDir(QString()), QString());
}

} // namespace
