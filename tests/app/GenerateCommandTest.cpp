// The contract of "shosu-sheet generate", checked on the real binary:
// output lines, exit codes 0/1/2, stderr messages, --seed, --help.
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ToolRun Generate(QStringList args)
{
    args.prepend(QStringLiteral("generate"));
    return RunSheetTool(args);
}

// Whole-number ranges min1..max1 and min2..max2.
QStringList Whole(const char* min1, const char* max1, const char* min2, const char* max2)
{
    return {"--min1", min1, "--min1e", "", "--max1", max1, "--max1e", "",
            "--min2", min2, "--min2e", "", "--max2", max2, "--max2e", ""};
}

TEST(GenerateCommandTest, DefaultRunPrintsTenTabSeparatedLines)
{
    ToolRun run = Generate({"--seed", "7"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.isEmpty());
    EXPECT_TRUE(run.Out.endsWith(QLatin1Char('\n')));
    EXPECT_FALSE(run.Out.contains(QLatin1Char('\r')));
    const QStringList lines = run.Lines();
    ASSERT_EQ(lines.size(), 10);
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        // Addition of 1.00..10.00: the answer is the exact sum of the texts.
        const long long a = qRound64(fields[0].toDouble() * 100);
        const long long b = qRound64(fields[1].toDouble() * 100);
        EXPECT_EQ(qRound64(fields[2].toDouble() * 100), a + b) << line.toStdString();
    }
}

TEST(GenerateCommandTest, SeedMakesRunsReproducible)
{
    const ToolRun first = Generate({"--seed", "42", "--op", "mul", "--rows", "5", "--cols", "4"});
    const ToolRun second = Generate({"--seed", "42", "--op", "mul", "--rows", "5", "--cols", "4"});
    const ToolRun other = Generate({"--seed", "43", "--op", "mul", "--rows", "5", "--cols", "4"});
    ASSERT_EQ(first.ExitCode, 0);
    EXPECT_EQ(first.Lines().size(), 20);
    EXPECT_EQ(first.Out, second.Out);
    EXPECT_NE(first.Out, other.Out);
}

TEST(GenerateCommandTest, ExactAnswersForKnownProblems)
{
    struct Case {
        QStringList Args;
        const char* Line;
    };
    const Case cases[] = {
        {Whole("7", "7", "2", "2") + QStringList{"--op", "div", "--round-pos", "1", "--rest"},
         "7\t2\t3 あまり 1"},
        {Whole("7", "7", "2", "2") + QStringList{"--op", "div", "--round-pos", "3"}, "7\t2\t3.5"},
        // Division rounds its quotient with or without --round.
        {Whole("10", "10", "3", "3") + QStringList{"--op", "div", "--round-pos", "2"}, "10\t3\t3.3"},
        {Whole("10", "10", "3", "3") + QStringList{"--op", "div", "--round-pos", "2", "--round"},
         "10\t3\t3.3"},
        {Whole("1", "1", "3", "3") + QStringList{"--op", "sub", "--minus", "2"}, "1\t3\t-2"},
        {{"--op", "add", "--min1", "1", "--min1e", "5", "--max1", "1", "--max1e", "5",
          "--min2", "2", "--min2e", "5", "--max2", "2", "--max2e", "5", "--keep-zeros"},
         "1.5\t2.5\t4.0"},
        {{"--op", "mul", "--min1", "1", "--min1e", "5", "--max1", "1", "--max1e", "5",
          "--min2", "1", "--min2e", "5", "--max2", "1", "--max2e", "5", "--round"},
         "1.5\t1.5\t2.3"},
        {Whole("1", "3", "1", "1") + QStringList{"--seq1", "--rows", "4"}, "1\t1\t2"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Generate(c.Args + QStringList{"--rows", "1"});
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Lines(), QStringList{QString::fromUtf8(c.Line)});
    }
}

TEST(GenerateCommandTest, RangesAndCountsAreCheckedOnceAllAreKnown)
{
    // Left one by one, min 20 would first meet max 10, and 4 columns 10 rows.
    const ToolRun run = Generate({"--min1", "20", "--max1", "30", "--cols", "4", "--rows", "5"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    ASSERT_EQ(lines.size(), 20);
    for (const QString& line : lines) {
        const double left = line.section(QLatin1Char('\t'), 0, 0).toDouble();
        EXPECT_TRUE(left >= 20 && left <= 30) << line.toStdString();
    }
}

TEST(GenerateCommandTest, SequenceRunsThroughTheRangeAndWraps)
{
    const ToolRun run = Generate(Whole("1", "3", "1", "1") + QStringList{"--seq1", "--rows", "5"});
    ASSERT_EQ(run.ExitCode, 0);
    QStringList left;
    for (const QString& line : run.Lines())
        left << line.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(left, (QStringList{"1", "2", "3", "1", "2"}));
}

TEST(GenerateCommandTest, RefusedValuesPrintTheWindowsMessageAndExitOne)
{
    struct Case {
        QStringList Args;
        const char* Message;
    };
    const Case cases[] = {
        {{"--min1", "abc"}, "数を入力して下さい"},
        {{"--min1", ""}, "整数部は空白は指定できません"},
        {{"--max2e", "12345"}, "小数点以下は４桁以下を指定して下さい"},
        {{"--min1e", "-5"}, "小数点以下は正の整数又は零を指定して下さい"},
        {{"--max1", "10000"}, "整数部は1000以下を指定して下さい"},
        {{"--max1", "1000", "--max1e", "5"}, "設定値は1000以下でなければいけません"},
        {{"--min2", "20"}, "最小値は最大値以下でなければいけません"},
        {{"--rows", "11"}, "行は１以上１０以下でなければなりません"},
        {{"--rows", "abc"}, "行は整数で指定して下さい"},
        {{"--cols", "5"}, "列は１以上４以下でなければなりません"},
        {{"--cols", "3"}, "問題数は１以上２０以下でなければなりません"},
        {{"--op", "mul", "--round-pos", "7"}, "6以下の正の整数でなければいけません"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Generate(c.Args);
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_EQ(run.Err, QString::fromUtf8(c.Message) + QLatin1Char('\n'));
    }
}

TEST(GenerateCommandTest, UsageErrorsExitOne)
{
    const QStringList cases[] = {
        {"generate", "--bogus"},
        {"generate", "--rows"},
        {"generate", "--op", "pow"},
        {"generate", "--minus", "3"},
        {"generate", "--seed", "x"},
        {"generate", "--op", "div", "--rest", "--just"},
        {"generate", "--op", "div", "--rest", "--just-exact"},
        {"frobnicate"},
        {},
    };
    for (const QStringList& args : cases) {
        const ToolRun run = RunSheetTool(args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_TRUE(RunSheetTool({"generate", "--bogus"}).Err.contains(QStringLiteral("unknown option '--bogus'")));
}

TEST(GenerateCommandTest, LoopOverIsAbandonedWithoutYes)
{
    const QStringList args = Whole("5", "5", "5", "5") + QStringList{"--op", "sub", "--rows", "2"};
    const ToolRun refused = Generate(args);
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_TRUE(refused.Out.isEmpty());
    EXPECT_TRUE(refused.Err.contains(QStringLiteral("Loop over(数が０以下)")));

    const ToolRun accepted = Generate(args + QStringList{"--yes"});
    EXPECT_EQ(accepted.ExitCode, 0);
    EXPECT_EQ(accepted.Lines(), (QStringList{"5\t5\t0", "5\t5\t0"}));
    EXPECT_TRUE(accepted.Err.contains(QStringLiteral("Loop over(数が０以下)")));
}

TEST(GenerateCommandTest, DivisionFailuresExitTwoWithTheirMessage)
{
    struct Case {
        QStringList Args;
        const char* Message;
    };
    const Case cases[] = {
        {Whole("1", "5", "0", "0") + QStringList{"--seq2"},
         "割る数が０になります。条件を確認して下さい"},
        {Whole("1", "5", "0", "0"), "Loop over(０では割れません)"},
        {Whole("0", "0", "1", "5") + QStringList{"--minus", "1"}, "条件が合いません(結果が０)"},
        // The worst setting the window takes ends once the run's work is spent.
        {QStringList{"--min1", "1", "--min1e", "00", "--max1", "9", "--max1e", "99", "--min2", "900",
                     "--min2e", "", "--max2", "1000", "--max2e", "", "--rows", "10", "--cols", "2",
                     "--d", "4100", "--round-pos", "1", "--dec-only", "--full-dec", "--yes"},
         "条件が合いません(結果が０)"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Generate(c.Args + QStringList{"--op", "div", "--seed", "1"});
        SCOPED_TRACE(c.Message);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
    }
}

TEST(GenerateCommandTest, QuotientsZeroAndOneOnlyWhenAllowed)
{
    // 0 / 5 and 5 / 5 are the only problems of these ranges.
    const QStringList zero = Whole("0", "0", "5", "5") + QStringList{"--minus", "1"};
    const QStringList one = Whole("5", "5", "5", "5");
    struct Case {
        QStringList Args;
        const char* Line;  // nullptr: refused, every quotient excluded
    };
    const Case cases[] = {
        {zero, nullptr},
        {zero + QStringList{"--allow-zero"}, "0\t5\t0"},
        {zero + QStringList{"--no-zero"}, "0\t5\t0"},  // the old name
        {zero + QStringList{"--allow-one"}, nullptr},
        {one, nullptr},
        {one + QStringList{"--allow-one"}, "5\t5\t1"},
        {one + QStringList{"--no-one"}, "5\t5\t1"},
        {one + QStringList{"--allow-zero"}, nullptr},
    };
    for (const Case& c : cases) {
        const ToolRun run = Generate(c.Args + QStringList{"--op", "div", "--rows", "1", "--seed", "1"});
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        if (!c.Line) {
            EXPECT_EQ(run.ExitCode, 2);
            EXPECT_TRUE(run.Out.isEmpty());
            continue;
        }
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Lines(), QStringList{QString::fromUtf8(c.Line)});
    }
}

TEST(GenerateCommandTest, HelpDocumentsEveryOption)
{
    const ToolRun help = RunSheetTool({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* option :
         {"generate", "--op", "--min1e", "--max2e", "--seq1", "--seq2", "--rows", "--cols", "--d",
          "--minus", "--keep-zeros", "--seed", "--yes", "--round", "--round-pos", "--rest",
          "--just", "--allow-zero", "--allow-one", "--no-zero", "--no-one", "--round-sig",
          "--dec-only", "--yaku", "--preset", "presets", "--just-exact"})
        EXPECT_TRUE(help.Out.contains(QString::fromUtf8(option))) << option;
    EXPECT_EQ(RunSheetTool({"generate", "--help"}).ExitCode, 0);
}

// One fixed pair in sequence: every problem is x ∘ y.
QStringList Pair(const char* op, const char* x, const char* xe, const char* y, const char* ye)
{
    return {"--op", op, "--seq1", "--seq2", "--rows", "1",
            "--min1", x, "--min1e", xe, "--max1", x, "--max1e", xe,
            "--min2", y, "--min2e", ye, "--max2", y, "--max2e", ye};
}

TEST(GenerateCommandTest, ProblemListsNeverUseExponentForm)
{
    const ToolRun run = Generate(Pair("mul", "0", "01", "0", "001"));
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QStringLiteral("0.01\t0.001\t0.00001\n"));
}

struct AnswerCase {
    QStringList Args;
    const char* Line;
};

TEST(GenerateCommandTest, FiguresAndYakuOptions)
{
    const AnswerCase cases[] = {
        {Pair("mul", "2", "", "14", "49") + QStringList{"--round", "--yaku"}, "2\t14.49\t約29.0\n"},
        {Pair("mul", "2", "", "14", "49") + QStringList{"--round", "--round-sig", "--yaku"},
         "2\t14.49\t約29\n"},
        {Pair("div", "0", "23", "8", "9") + QStringList{"--round-sig", "--yaku"},
         "0.23\t8.9\t約0.026\n"},
        {Pair("div", "7", "4", "0", "3") + QStringList{"--rest", "--round-sig"},
         "7.4\t0.3\t24 あまり 0.2\n"},
        {Pair("div", "6", "", "4", "") + QStringList{"--dec-only", "--yaku"}, "6\t4\t1.5\n"},
    };
    for (const AnswerCase& c : cases) {
        const ToolRun run = Generate(c.Args);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Out, QString::fromUtf8(c.Line)) << c.Line;
    }
    const ToolRun whole = Generate(Pair("div", "15", "", "3", "") + QStringList{"--dec-only"});
    EXPECT_EQ(whole.ExitCode, 2);
    EXPECT_TRUE(whole.Err.contains(QStringLiteral("整数だけの数"))) << whole.Err.toStdString();
    EXPECT_TRUE(whole.Out.isEmpty());
}

TEST(GenerateCommandTest, PresetsAreListedAndAppliedBeforeTheOtherOptions)
{
    const ToolRun list = RunSheetTool({"presets"});
    ASSERT_EQ(list.ExitCode, 0);
    const QStringList lines = list.Lines();
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines.first(), QStringLiteral("g3-add\t小数のたし算（1/10の位）"));
    EXPECT_EQ(lines.last(), QStringLiteral("g5-find-mistake\tまちがいさがし（小数÷小数）"));

    // The preset's 4 x 3 grid, then --rows; it stands after them and still comes first.
    const ToolRun run = Generate({"--rows", "5", "--seed", "4", "--preset", "g4-mul2"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    ASSERT_EQ(run.Lines().size(), 15);
    for (const QString& line : run.Lines()) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 3);
        EXPECT_TRUE(fields[0].contains(QLatin1Char('.'))) << line.toStdString();
        EXPECT_FALSE(fields[1].contains(QLatin1Char('.'))) << line.toStdString();
        EXPECT_GE(fields[1].toInt(), 10);
    }

    const ToolRun unknown = Generate({"--preset", "g9-none"});
    EXPECT_EQ(unknown.ExitCode, 1);
    EXPECT_TRUE(unknown.Err.contains(QStringLiteral("g9-none")));
}

TEST(GenerateCommandTest, PresetFilesSetTheirKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tens.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Exam]\nTab=2\nRow=2\nCol=1\n[Range]\nMin1=3\nMin1e=5\nMax1=3\nMax1e=5\n"
               "Min2=4\nMin2e=\nMax2=4\nMax2e=\n");
    file.close();
    const ToolRun run = Generate({"--preset", path});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QStringLiteral("3.5\t4\t14\n3.5\t4\t14\n"));
}

} // namespace
