// Sheet codes on the command line: --seed keeps its problems, --code gives
// the problems the main window makes from the same code and settings.
#include "ToolRun.h"
#include "support/ScriptedPrompts.h"
#include "generation/SheetCode.h"
#include "worksheet/TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

ToolRun Generate(QStringList args)
{
    args.prepend(QStringLiteral("generate"));
    return RunSheetTool(args);
}

TEST(SheetCodeCommandTest, SeedsKeepGivingTheProblemsTheyAlwaysGave)
{
    // Recorded before sheet codes existed: reseeding at every run must not
    // change what a seed makes.
    struct Case {
        QStringList Args;
        QStringList Lines;
    };
    const Case cases[] = {
        {{"--seed", "7"},
         {"6\t8.81\t14.81", "6.46\t1.59\t8.05", "7.33\t8.4\t15.73", "3.55\t4.76\t8.31",
          "1.22\t9.78\t11", "5.99\t5.59\t11.58", "5.94\t1.69\t7.63", "1.86\t6.42\t8.28",
          "7.98\t1.59\t9.57", "5.51\t6.86\t12.37"}},
        {{"--seed", "11", "--op", "div", "--d", "3", "--rows", "4"},
         {"1.69\t2.63\t0.6", "1.24\t6.29\t0.2", "3.38\t2.14\t1.6", "6.16\t2.08\t3"}},
        {{"--seed", "18446744073709551615", "--op", "sub", "--minus", "2", "--min1", "0",
          "--max1", "999", "--rows", "3"},
         {"403.43\t8.44\t394.99", "846.67\t8.89\t837.78", "880.12\t9.97\t870.15"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        const ToolRun run = Generate(c.Args);
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Lines(), c.Lines);
    }
}

TEST(SheetCodeCommandTest, ACodeIsTheSeedItStandsFor)
{
    // "33333E" is seed 7.
    const ToolRun byCode = Generate({"--code", "33333e", "--op", "mul"});
    const ToolRun bySeed = Generate({"--seed", "7", "--op", "mul"});
    ASSERT_EQ(byCode.ExitCode, 0) << byCode.Err.toStdString();
    EXPECT_EQ(byCode.Out, bySeed.Out);
    EXPECT_EQ(byCode.Lines().size(), 10);
}

TEST(SheetCodeCommandTest, BadCodesAndCodeWithSeedAreUsageErrors)
{
    struct Case {
        QStringList Args;
        const char* Message;
    };
    const Case cases[] = {
        {{"--code", "7W797"}, "「7W797」は番号ではありません。"},
        {{"--code", "ABCDEF"}, "「ABCDEF」は番号ではありません。"},
        {{"--code", ""}, "番号を入力して下さい"},
        {{"--code"}, "--code needs a value"},
        {{"--code", "7W797X", "--seed", "3"}, "--code and --seed cannot be used together"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        const ToolRun run = Generate(c.Args);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
    }
    EXPECT_TRUE(RunSheetTool({"--help"}).Out.contains(QStringLiteral("--code CODE")));
}

// The window's lists as generate prints them: one tab-separated line per problem.
QStringList WindowLines(const TForm1& form)
{
    const QStringList a = form.Memo1->toPlainText().split(QLatin1Char('\n'));
    const QStringList b = form.Memo2->toPlainText().split(QLatin1Char('\n'));
    const QStringList c = form.Memo3->toPlainText().split(QLatin1Char('\n'));
    QStringList lines;
    for (qsizetype i = 0; i < a.size() && i < b.size() && i < c.size(); ++i)
        lines << a[i] + QLatin1Char('\t') + b[i] + QLatin1Char('\t') + c[i];
    return lines;
}

TEST(SheetCodeCommandTest, GenerateWithACodeGivesTheWindowsLines)
{
    struct Case {
        int Tab;
        QStringList Args;  // the same settings on the command line
        void (*Set)(TForm1&);
    };
    const Case cases[] = {
        {OpAdd, {"--op", "add"}, [](TForm1&) {}},
        {OpSub, {"--op", "sub", "--minus", "2"}, [](TForm1& f) { f.RC1->trigger(); }},
        {OpMul, {"--op", "mul", "--round", "--d", "-2"},
         [](TForm1& f) { f.CBoxRound->setChecked(true); f.Exam.rnd_D = -2; }},
        {OpDiv, {"--op", "div", "--rest", "--rows", "5", "--cols", "2"},
         [](TForm1& f) {
             f.CBoxRest->setChecked(true);
             f.EdtCol->setText(QStringLiteral("2"));
             f.Exam.ExamRowN = 5;
             f.Exam.ExamColN = 2;
         }},
        {OpDiv, {"--op", "div", "--min1", "20", "--max1", "99", "--max1e", "5"},
         [](TForm1& f) {
             f.EdtMin1->setText(QStringLiteral("20"));
             f.EdtMax1->setText(QStringLiteral("99"));
             f.EdtMax1e->setText(QStringLiteral("5"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        ScriptedPrompts prompts;
        TForm1 form(prompts);
        form.TabControl1->setCurrentIndex(c.Tab);
        c.Set(form);
        form.BtnMake->click();
        ASSERT_TRUE(form.CurCode);
        const QString code = QString::fromStdString(form.CurCode->Text());
        const ToolRun run = Generate(c.Args + QStringList{"--code", code});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Lines(), WindowLines(form)) << code.toStdString();
    }
}

// A sheet made without --seed or --code tells the code it drew, and that
// code makes the same sheet again.
TEST(SheetCodeCommandTest, ASheetWithoutASeedTellsTheCodeThatMakesItAgain)
{
    const QStringList args{"sheet", "--op", "div", "--rest", "--list"};
    const ToolRun drawn = RunSheetTool(args);
    ASSERT_EQ(drawn.ExitCode, 0) << drawn.Err.toStdString();
    const QRegularExpressionMatch told =
        QRegularExpression(QStringLiteral("^No\\. (\\S+)$"), QRegularExpression::MultilineOption)
            .match(drawn.Err);
    ASSERT_TRUE(told.hasMatch()) << drawn.Err.toStdString();
    const ToolRun again = RunSheetTool(args + QStringList{"--code", told.captured(1)});
    ASSERT_EQ(again.ExitCode, 0) << again.Err.toStdString();
    EXPECT_EQ(again.Out, drawn.Out);
    EXPECT_FALSE(again.Err.contains(QStringLiteral("No. "))) << "a code given is not told again";
}

} // namespace
