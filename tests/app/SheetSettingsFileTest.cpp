// shosu-sheet sheet --settings FILE: a settings file written by the window's
// own saving code reaches the sheet (title, grid, margins, fonts, page
// strings), options override it, and the file is only read.
#include "ToolRun.h"

#include "common/IniFile.h"
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "worksheet/MainSettings.h"
#include "worksheet/SheetSetupFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SheetSettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Ini = Dir.filePath(QStringLiteral("shosu-drill.ini"));

    // The file as the window saves it: its main sections, the page strings
    // of its preview and the date-and-time heading.
    void SaveAsTheWindowDoes()
    {
        ExamSettings exam;
        exam.ExamRowN = 4;
        exam.ExamColN = 2;
        exam.nMinus = 2;
        SheetSettings sheet;
        sheet.ExamRowN = 4;
        sheet.ExamColN = 2;
        sheet.WindowTop = 40;
        sheet.WindowLeft = 17.5;
        sheet.WindowRight = 12;
        sheet.WindowFrame = true;
        sheet.ExamType = true;
        sheet.ExNumLeft = QStringLiteral("[");
        sheet.FntExam = PageFont{QStringLiteral("ＭＳ 明朝"), 18};
        sheet.DateTime.psPos = 0;  // no heading box
        ScriptedPrompts prompts;
        PrevEngine engine(prompts, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("x.pdf"))), 96);
        engine.PageTitle().SetSets(QString(), QStringLiteral("ＭＳ ゴシック"), 20, 4,
                                   QStringLiteral("30"), QStringLiteral("12"), true, false);
        engine.SubTitle().SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 11, 4,
                                  QStringLiteral("30"), QStringLiteral("25"), false, false);
        IniFile ini(Ini);
        SaveMainSettings(ini, exam, sheet,
                         {QString(), QString(), QStringLiteral("３年１組 小数の計算"),
                          QStringLiteral("ひっ算")});
        engine.SetHeader(ini);
        engine.SetFooter(ini);
        engine.SetPageTitle(ini);
        engine.SetSubTitle(ini);
        SaveDateTimeRecord(ini, sheet.DateTime);
        ASSERT_FALSE(ini.Save().has_value());
    }

    QByteArray IniBytes() const
    {
        QFile file(Ini);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

ToolRun RunSheet(const QStringList& args)
{
    return RunSheetTool(QStringList{"sheet"} + args);
}

TEST_F(SheetSettingsFileTest, TheWindowsSettingsReachTheSheet)
{
    SaveAsTheWindowDoes();
    const QByteArray before = IniBytes();
    const ToolRun run = RunSheet({"--settings", Ini, "--seed", "3", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    // Title and subtitle texts, positions and fonts.
    EXPECT_EQ(lines.filter(QRegularExpression(
                  "^PageTitle,\"３年１組 小数の計算\",4, 3\\.0+E\\+0001, 1\\.20+E\\+0001$")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^SubTitle,\"ひっ算\",4,")).size(), 1);
    EXPECT_TRUE(lines.contains("FontName,\"ＭＳ ゴシック\""));
    EXPECT_TRUE(lines.contains("FontSize,20"));
    EXPECT_TRUE(lines.contains("FontName,\"ＭＳ 明朝\""));
    EXPECT_TRUE(lines.contains("FontSize,18")) << "the problem font";
    // A grid of 4 × 2 with the file's brackets, in the column form, framed.
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.*\"\\[ \\d\\)\",Nil$")).size(), 8);
    EXPECT_EQ(lines.filter("psDot").size(), 1);
    EXPECT_FALSE(lines.filter(QRegularExpression("^TextOut,.*,\"[^\"]*\",\\d")).isEmpty())
        << "column form writes on a digit pitch";
    // The frame runs along the margins: left 17.5, top 40 + 5, right 12
    // inside the printable width of about 200.
    EXPECT_EQ(lines.filter(QRegularExpression("^Line, 1\\.75000000000000E\\+0001, 4\\.50000000000000E\\+0001, "
                                              "1\\.879\\d+E\\+0002, 4\\.50000000000000E\\+0001$")).size(), 1)
        << lines.filter("Line,").join('\n').toStdString();
    EXPECT_TRUE(lines.filter("\"　なまえ \"").isEmpty()) << "the heading box is off";
    EXPECT_EQ(IniBytes(), before) << "the file is only read";
}

TEST_F(SheetSettingsFileTest, OptionsOverrideTheFile)
{
    SaveAsTheWindowDoes();
    const ToolRun run = RunSheet({"--rows", "2", "--settings=" + Ini, "--title", "別の題", "--seed",
                                  "3", "--font-size", "14", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.*\"\\[ \\d\\)\",Nil$")).size(), 4);
    EXPECT_EQ(lines.filter(QRegularExpression("^PageTitle,\"別の題\",4,")).size(), 1);
    EXPECT_TRUE(lines.contains("FontSize,14"));
    EXPECT_FALSE(lines.contains("FontSize,18"));
}

TEST_F(SheetSettingsFileTest, AMissingOrUnreadableFileIsAnErrorNamingIt)
{
    const QString missing = Dir.filePath(QStringLiteral("missing.ini"));
    const QStringList cases[] = {
        {"--settings", missing, "--list"},
        {"--settings", Dir.path(), "--list"},  // a folder, not a file
    };
    for (const QStringList& args : cases) {
        const ToolRun run = RunSheet(args);
        EXPECT_EQ(run.ExitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains(args.at(1))) << run.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing)) << "never created";
    const ToolRun noValue = RunSheet({"--list", "--settings"});
    EXPECT_EQ(noValue.ExitCode, 1);
    EXPECT_EQ(noValue.Err, "shosu-sheet: sheet: --settings needs a value\n");
}

} // namespace
