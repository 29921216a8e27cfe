// shosu-sheet sheet --settings FILE: a settings file written by the window's
// own saving code reaches the sheet (title, grid, margins, fonts, page
// strings), options override it, and the file is only read.
#include "ToolRun.h"

#include "common/IniFile.h"
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/MainSettings.h"
#include "sheet/SheetSetupFile.h"

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

// A division drill saved by the window: its tab, ranges and options, the
// instruction line and the class box come from the file alone.
TEST_F(SheetSettingsFileTest, TheTabRangesAndLinesOfTheFileReachTheSheet)
{
    ExamSettings exam;
    exam.Operation = OpDiv;
    exam.Ranges = {"1", "0", "99", "9", "2", "", "9", ""};
    exam.ExamRowN = 4;
    exam.fRound = exam.fRest = true;
    SheetSettings sheet;
    sheet.fClassBox = true;
    sheet.Instruction.psPos = 4;
    sheet.Instruction.psX = QStringLiteral("10");
    sheet.Instruction.psY = QStringLiteral("46");
    IniFile ini(Ini);
    SaveMainSettings(ini, exam, sheet, {QString(), QString(), QStringLiteral("題"), QStringLiteral("副題")});
    ASSERT_FALSE(ini.Save().has_value());

    const ToolRun run = RunSheet({"--settings", Ini, "--seed", "5", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    const QStringList problems = lines.filter(QRegularExpression("^TextOut,.* ÷ \\d = \",Nil$"));
    EXPECT_EQ(problems.size(), 4) << lines.join('\n').toStdString();
    for (const QString& line : problems)
        EXPECT_TRUE(line.contains(QRegularExpression("\"\\d{1,2}(\\.\\d)? ÷ [2-9] = "))) << line.toStdString();
    EXPECT_EQ(lines.filter("\"商は1/10の位まで求めて、あまりも出しましょう。\"").size(), 1);
    EXPECT_EQ(lines.filter("\"　年　　組　　番　なまえ \"").size(), 1);

    const ToolRun answers = RunSheet({"--settings", Ini, "--seed", "5", "--list", "--answer"});
    EXPECT_FALSE(answers.Lines().filter(" あまり ").isEmpty()) << "remainders asked for";
    EXPECT_EQ(answers.Lines().filter("あまりも出しましょう").size(), 1);
}

// The file first, then the preset, then the options: a preset changes the
// file's problems but keeps its other sheet settings, and options change both.
TEST_F(SheetSettingsFileTest, FileThenPresetThenOptions)
{
    SaveAsTheWindowDoes();
    // --pitch 0 over the preset's 10 mm squares keeps the sheet on one page.
    const ToolRun run = RunSheet({"--settings", Ini, "--preset", "g4-div1", "--rows", "2",
                                  "--title", "きょうの題", "--pitch", "0", "--seed", "3", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    EXPECT_EQ(lines.filter(QRegularExpression("^PageTitle,\"きょうの題\",4,")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^SubTitle,\"4年　小数÷1けた（わりきれる）\",4,")).size(), 1);
    // The preset's 3 columns, the option's 2 rows, the file's brackets.
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.*\"\\[ \\d\\)\",Nil$")).size(), 6);
    EXPECT_EQ(lines.filter("わりきれるまで計算しましょう。").size(), 1);

    // Without the preset the file's own grid and operation stand.
    const ToolRun plain = RunSheet({"--settings", Ini, "--seed", "3", "--list"});
    EXPECT_EQ(plain.Lines().filter(QRegularExpression("^TextOut,.*\"\\[ \\d\\)\",Nil$")).size(), 8);
    EXPECT_TRUE(plain.Lines().filter("しましょう").isEmpty()) << "no instruction line in an old file";
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
