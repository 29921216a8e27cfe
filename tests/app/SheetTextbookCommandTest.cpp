// shosu-sheet sheet in the textbook column form: --textbook, --worked and
// --squares, and the same switches from a settings file.
#include "ToolRun.h"

#include "common/IniFile.h"
#include "generation/ExamSettings.h"
#include "sheet/MainSettings.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ToolRun RunSheet(const QStringList& args)
{
    return RunSheetTool(QStringList{"sheet"} + args);
}

// Digits of a row as the answer gives them: no point, no zeros after the
// last digit (a quotient or remainder row may carry more places).
QString RowDigits(QString text)
{
    text.remove(QLatin1Char('.'));
    while (text.size() > 1 && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

// The texts written on a digit pitch, their blanks and trailing zeros dropped.
QSet<QString> PitchedTexts(const QStringList& lines)
{
    static const QRegularExpression pitched("^TextOut,[^\"]*\"([^\"]*)\",\\d+(\\.\\d+)?$");
    QSet<QString> texts;
    for (const QString& line : lines)
        if (const QRegularExpressionMatch m = pitched.match(line); m.hasMatch())
            texts << RowDigits(m.captured(1).remove(QLatin1Char(' ')));
    return texts;
}

// Every problem of the worked division sheet shows its quotient, the
// product of the (whole) divisor with each of its digits and the remainder
// as rows on the digit pitch, and its answer text unchanged.
TEST(SheetTextbookCommand, WorkedDivisionListsEveryStepOnTheDigitPitch)
{
    const QStringList common{"--op", "div", "--rest", "--seed", "4", "--rows", "5", "--cols", "2"};
    const ToolRun problems = RunSheetTool(QStringList{"generate"} + common);
    const ToolRun sheet = RunSheet(common + QStringList{"--worked", "--answer", "--list"});
    ASSERT_EQ(problems.ExitCode, 0) << problems.Err.toStdString();
    ASSERT_EQ(sheet.ExitCode, 0) << sheet.Err.toStdString();
    const QSet<QString> rows = PitchedTexts(sheet.Lines());
    ASSERT_EQ(problems.Lines().size(), 10);
    for (const QString& line : problems.Lines()) {
        SCOPED_TRACE(line.toStdString());
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 3);
        const QString quotient = f[2].section(QStringLiteral(" あまり "), 0, 0);
        const QString remainder = f[2].section(QStringLiteral(" あまり "), 1, 1);
        EXPECT_TRUE(rows.contains(RowDigits(quotient))) << "quotient";
        if (!remainder.isEmpty()) {
            EXPECT_TRUE(rows.contains(RowDigits(remainder))) << "remainder";
        }
        const long long divisor = QString(f[1]).remove('.').toLongLong();
        const QString quotientDigits = QString(quotient).remove('.');  // kept: remove() returns a reference
        for (const QChar digit : quotientDigits)
            if (digit != QLatin1Char('0')) {
                EXPECT_TRUE(rows.contains(RowDigits(QString::number(divisor * digit.digitValue()))))
                    << "product " << divisor << " × " << digit.toLatin1();
            }
        EXPECT_EQ(sheet.Out.count(QLatin1Char('"') + f[2] + QLatin1Char('"')), 1) << "answer text";
    }
}

TEST(SheetTextbookCommand, ALargeDivisionGridRunsOntoASecondPage)
{
    const ToolRun run = RunSheet({"--op", "div", "--rest", "--textbook", "--rows", "10", "--cols", "2",
                                  "--seed", "5", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("== page 2/")) << run.Out.toStdString();
    // Labels 12, heading 11, title 24, problems 14: nothing shrinks below.
    EXPECT_TRUE(run.Lines().filter(QRegularExpression("^FontSize,(8|9|10|13)$")).isEmpty());
}

// Which switches give the textbook form (a pen of 0.3 mm), the working on
// the answer sheet (struck or partial rows under the rule) and squares.
TEST(SheetTextbookCommand, SwitchesFromTheCommandLineAndTheSettingsFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("shosu-drill.ini");
    {
        IniFile file(ini);
        ExamSettings exam;
        exam.Operation = 2;
        SheetSettings sheet;
        sheet.fTextbook = true;
        sheet.fSquares = true;
        sheet.ExamType = true;
        SaveMainSettings(file, exam, sheet, {});
        ASSERT_FALSE(file.Save().has_value());
    }
    const struct {
        QStringList Args;
        bool Textbook, Squares;
    } cases[] = {
        {{"--op", "mul"}, false, false},
        {{"--op", "mul", "--column-form"}, false, false},
        {{"--op", "mul", "--textbook"}, true, false},
        {{"--op", "mul", "--worked", "--answer"}, true, false},
        {{"--op", "mul", "--textbook", "--squares"}, true, true},
        {{"--settings", ini}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        const ToolRun run = RunSheet(c.Args + QStringList{"--seed", "2", "--rows", "2", "--list"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Out.contains("PenWidth,0.3"), c.Textbook);
        EXPECT_EQ(run.Out.contains("PenColor,"), c.Squares);
    }
}

// The texts of a program list, a note that runs on (after two full-width
// blanks) joined to its line.
QString NoteText(const QStringList& lines)
{
    static const QRegularExpression text("^TextOut,[^\"]*\"([^\"]*)\",Nil$");
    QString joined;
    for (const QString& line : lines)
        if (const QRegularExpressionMatch m = text.match(line); m.hasMatch()) {
            const QString t = m.captured(1);
            joined += t.startsWith(QStringLiteral("　　")) ? t.mid(2) : QLatin1Char('\n') + t;
        }
    return joined;
}

// --mistakes writes the wrong answers with their names under the answers;
// --find-mistake makes a まちがいさがし sheet whose key names one mistake a
// problem, the instruction on the problem sheet.
TEST(SheetTextbookCommand, MistakesUnderTheAnswersAndFindMistakeSheets)
{
    const ToolRun key = RunSheet({"--op", "div", "--rest", "--min1", "7", "--min1e", "4", "--max1",
                                  "7", "--max1e", "4", "--min2", "0", "--min2e", "3", "--max2", "0",
                                  "--max2e", "3", "--round-pos", "1", "--answer", "--mistakes",
                                  "--list"});
    ASSERT_EQ(key.ExitCode, 0) << key.Err.toStdString();
    EXPECT_TRUE(NoteText(key.Lines()).contains(
        QStringLiteral("\n24 あまり 2 … あまりの小数点を移したあとの位置に打った")))
        << key.Out.toStdString();

    const QStringList find{"--op", "div", "--rest", "--round-pos", "1", "--min2", "0", "--min2e",
                           "1", "--max2", "9", "--max2e", "9", "--rows", "4", "--cols", "1",
                           "--seed", "3", "--find-mistake", "--list"};
    const ToolRun sheet = RunSheet(find);
    const ToolRun answers = RunSheet(find + QStringList{"--answer"});
    ASSERT_EQ(sheet.ExitCode, 0) << sheet.Err.toStdString();
    ASSERT_EQ(answers.ExitCode, 0) << answers.Err.toStdString();
    EXPECT_TRUE(sheet.Out.contains(QStringLiteral("まちがいを見つけて、正しく計算しましょう。")));
    EXPECT_FALSE(sheet.Out.contains(QStringLiteral("まちがい：")));
    EXPECT_EQ(NoteText(answers.Lines()).count(QStringLiteral("\nまちがい：")), 4);
}

} // namespace

