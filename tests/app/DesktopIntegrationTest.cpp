// The program as a desktop application: what an installation puts where,
// the validators' view of the desktop entry and the metainfo, and help pages
// that cover the whole list-file language.
#include "ToolRun.h"
#include "common/InstallLayout.h"
#include "common/SettingsLocation.h"
#include "prevform/Interpreter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral(SHOSU_SOURCE_DIR);
const QString kAppId = QStringLiteral("org.example.shosu_drill");

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST(DesktopIntegrationTest, ValidatorsAcceptTheDesktopEntryAndTheMetainfo)
{
    const struct {
        const char* Tool;
        QStringList Args;
    } checks[] = {
        {"desktop-file-validate", {kSource + "/data/" + kAppId + ".desktop"}},
        {"appstreamcli",
         {"validate", "--pedantic", "--no-net", kSource + "/data/" + kAppId + ".metainfo.xml"}},
    };
    int ran = 0;
    for (const auto& check : checks) {
        const QString tool = QStandardPaths::findExecutable(QString::fromUtf8(check.Tool));
        if (tool.isEmpty())
            continue;
        ++ran;
        const ToolRun run = RunProgram(tool, check.Args);
        EXPECT_EQ(run.ExitCode, 0) << check.Tool << ": " << run.Out.toStdString()
                                   << run.Err.toStdString();
        // Warnings, hints and pedantic remarks pass with exit code 0; they
        // are faults here too.
        const QRegularExpression remark("^[IWEP]: |: (warning|hint|error): ",
                                        QRegularExpression::MultilineOption);
        EXPECT_FALSE(run.Out.contains(remark)) << check.Tool << ": " << run.Out.toStdString();
    }
    if (ran == 0)
        GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
}

TEST(DesktopIntegrationTest, TheDesktopEntryIsJapaneseAndInEducation)
{
    const QString entry = ReadText(kSource + "/data/" + kAppId + ".desktop");
    EXPECT_TRUE(entry.contains("\nName[ja]=小数の加減乗除\n"));
    EXPECT_TRUE(entry.contains("\nComment[ja]="));
    EXPECT_TRUE(entry.contains("\nExec=shosu-drill\n"));
    EXPECT_TRUE(entry.contains("\nIcon=" + kAppId + "\n"));
    EXPECT_TRUE(entry.contains(QRegularExpression("\nCategories=([^\n]*;)?Education;")));
}

TEST(DesktopIntegrationTest, InstallPutsEveryFileInItsPlaceAndTheProgramKnowsIt)
{
    QTemporaryDir prefix;
    const ToolRun run = RunProgram(QStringLiteral(SHOSU_CMAKE),
                                   {"--install", SHOSU_BINARY_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(run.ExitCode, 0) << run.Out.toStdString() << run.Err.toStdString();
    const QStringList files = {
        "bin/shosu-drill",
        "bin/shosu-sheet",
        "share/applications/" + kAppId + ".desktop",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "share/metainfo/" + kAppId + ".metainfo.xml",
        "share/shosu-drill/help/index.html",
        "share/shosu-drill/help/random.html",
        "share/shosu-drill/help/listfile.html",
        "share/shosu-drill/help/help.css",
    };
    for (const QString& file : files)
        EXPECT_TRUE(QFileInfo(prefix.filePath(file)).isFile()) << file.toStdString();
    for (const char* packed : {"share/man/man1/shosu-drill.1", "share/man/man1/shosu-sheet.1",
                               "share/doc/shosu-drill/changelog"}) {
        const QString path = prefix.filePath(QString::fromUtf8(packed));
        EXPECT_TRUE(QFileInfo(path + ".gz").isFile() || QFileInfo(path).isFile()) << packed;
    }
    const QString copyright = ReadText(prefix.filePath("share/doc/shosu-drill/copyright"));
    EXPECT_TRUE(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/"
                                     "copyright-format/1.0/\n"));
    EXPECT_TRUE(copyright.contains("\nLicense: MIT\n"));

    // The installed program finds its help pages and keeps its settings out
    // of the installation, even in a prefix it may write to.
    const QString bin = prefix.filePath("bin");
    EXPECT_EQ(LocalHelpDir(bin), QFileInfo(prefix.filePath("share/shosu-drill/help")).canonicalFilePath());
    const QString config = prefix.filePath("home/.config/shosu-drill");
    EXPECT_EQ(SettingsLocation::Choose(bin, config), config + "/shosu-drill.ini");
}

// The version is written once, in the build files; the programs, the
// manual pages and the package carry it, and the changelog and the metainfo
// must have an entry for it.
TEST(DesktopIntegrationTest, EveryPlaceCarriesTheOneVersion)
{
    const QRegularExpression changelogTop("^shosu-drill \\(([^)]+)\\) ");
    const QString version = changelogTop.match(ReadText(kSource + "/data/changelog")).captured(1);
    ASSERT_FALSE(version.isEmpty());
    const QString metainfo = ReadText(kSource + "/data/" + kAppId + ".metainfo.xml");
    EXPECT_EQ(QRegularExpression("<release version=\"([^\"]+)\"").match(metainfo).captured(1), version);
    const struct {
        const char* Program;
        const char* Name;
    } programs[] = {{SHOSU_DRILL_PATH, "shosu-drill"}, {SHOSU_SHEET_PATH, "shosu-sheet"}};
    for (const auto& program : programs) {
        const ToolRun run = RunProgram(QString::fromUtf8(program.Program), {"--version"});
        EXPECT_EQ(run.ExitCode, 0) << program.Name;
        EXPECT_EQ(run.Out, QString::fromUtf8(program.Name) + " " + version + "\n");
        const QString manual = ReadText(QStringLiteral(SHOSU_BINARY_DIR "/%1.1").arg(program.Name));
        EXPECT_TRUE(manual.contains("\"shosu-drill " + version + "\"")) << program.Name;
    }
}

// No placeholder web address is left for the program to ask or to show.
TEST(DesktopIntegrationTest, NoPlaceholderAddressRemains)
{
    const QString placeholder = QStringLiteral("example") + QStringLiteral(".org");
    QStringList found;
    for (const char* folder : {"src", "data", "site", "cmake", "scripts"}) {
        QDirIterator files(kSource + "/" + folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (ReadText(path).contains(placeholder, Qt::CaseInsensitive))
                found << path;
        }
    }
    found << (ReadText(kSource + "/CMakeLists.txt").contains(placeholder) ? "CMakeLists.txt" : "");
    found.removeAll(QString());
    EXPECT_TRUE(found.isEmpty()) << found.join(u' ').toStdString();
}

TEST(DesktopIntegrationTest, TheListFileHelpShowsEveryCommandWordWithAnExample)
{
    const QString help = ReadText(kSource + "/site/help/listfile.html");
    ASSERT_FALSE(help.isEmpty());
    QStringList words = Interpreter::CommandKeywords();
    words << "INCLUDE" << "NIL";
    for (const QString& word : words) {
        // once in the word column, at least once more in an example
        const QRegularExpression use("<code>" + word + "[,<]",
                                     QRegularExpression::CaseInsensitiveOption);
        EXPECT_TRUE(help.contains("<td><code>" + word + "</code></td>")) << word.toStdString();
        EXPECT_GE(help.count(use), 2) << word.toStdString();
    }
}

} // namespace
