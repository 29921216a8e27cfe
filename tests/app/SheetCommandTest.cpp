// shosu-sheet sheet, run as a program: program lists, rendered files and the
// refusal of option combinations that make no sense.
#include "ToolRun.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ToolRun RunSheet(const QStringList& args)
{
    return RunSheetTool(QStringList{"sheet"} + args);
}

// The y field of every "TextOut" line (the cells' rows).
QStringList TextOutRows(const QStringList& lines)
{
    QStringList rows;
    for (const QString& line : lines)
        if (line.startsWith("TextOut,"))
            rows << line.section(',', 2, 2);
    return rows;
}

TEST(SheetCommand, ListsProblemSheetProgram)
{
    const ToolRun run = RunSheet({"--seed", "7", "--rows", "3", "--cols", "2", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), "INITPARAM");
    EXPECT_EQ(lines.filter(QRegularExpression("^SubTitle,\"たしざんのもんだい\",4,")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.*\"\\( \\d\\)\",Nil$")).size(), 6);
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.* ＋ .* = \",Nil$")).size(), 6);
}

TEST(SheetCommand, AnswerSheetSharesTheProblemSheetLayout)
{
    const QStringList common = {"--seed", "11", "--op", "div", "--list"};
    const ToolRun problems = RunSheet(common);
    const ToolRun answers = RunSheet(common + QStringList{"--answer"});
    ASSERT_EQ(problems.ExitCode, 0) << problems.Err.toStdString();
    ASSERT_EQ(answers.ExitCode, 0) << answers.Err.toStdString();
    EXPECT_TRUE(answers.Out.contains("\"わりざんのもんだい (答)\""));
    EXPECT_EQ(TextOutRows(problems.Lines()), TextOutRows(answers.Lines()));
}

// The size the problems are written in: the list's last "FontSize" line
// (the labels' size when both are the same).
int ProblemFontSize(const QStringList& lines)
{
    const QStringList sizes = lines.filter(QRegularExpression("^FontSize,"));
    return sizes.isEmpty() ? 0 : sizes.last().section(',', 1).toInt();
}

// In real fonts: one column keeps the default 24 points, crowded grids write
// smaller, and each answer sheet takes its problem sheet's size.
TEST(SheetCommand, CrowdedSheetsWriteProblemsSmaller)
{
    struct Case {
        QStringList Args;
        bool Smaller;
    };
    const Case cases[] = {
        {{"--rows", "10"}, false},
        {{"--rows", "10", "--column-form"}, false},
        {{"--rows", "10", "--cols", "2", "--answers-on-sheet"}, true},
        {{"--rows", "6", "--cols", "3", "--op", "div"}, true},
        {{"--rows", "5", "--cols", "4", "--column-form"}, true},
    };
    for (const Case& c : cases) {
        const QStringList args = QStringList{"--seed", "3", "--list"} + c.Args;
        const ToolRun problems = RunSheet(args);
        const ToolRun answers = RunSheet(args + QStringList{"--answer"});
        ASSERT_EQ(problems.ExitCode, 0) << problems.Err.toStdString();
        const int size = ProblemFontSize(problems.Lines());
        EXPECT_EQ(size < 24, c.Smaller) << args.join(' ').toStdString() << ": " << size;
        EXPECT_GE(size, 8) << args.join(' ').toStdString();
        EXPECT_EQ(ProblemFontSize(answers.Lines()), size) << args.join(' ').toStdString();
    }
}

TEST(SheetCommand, LayoutOptionsReachTheSheet)
{
    const ToolRun run = RunSheet({"--seed", "3", "--op", "mul", "--rows", "2", "--column-form",
                              "--frame", "--no-numbers", "--title", "小数のかけ算",
                              "--subtitle", "れんしゅう", "--list"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Lines();
    EXPECT_TRUE(lines.contains("PenStyle,psDot"));
    EXPECT_TRUE(lines.filter(QRegularExpression("\"\\( \\d\\)\"")).isEmpty());
    EXPECT_EQ(lines.filter(QRegularExpression("^PageTitle,\"小数のかけ算\",")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^SubTitle,\"れんしゅう\",")).size(), 1);
    // Column form: the sign stands alone at the left of the second row.
    EXPECT_EQ(lines.filter(QRegularExpression("^TextOut,.*\"×  \",Nil$")).size(), 2);
}

TEST(SheetCommand, RendersImagesAtNinetySixDotsPerInch)
{
    QTemporaryDir dir;
    for (const char* name : {"sheet.png", "sheet.bmp", "sheet.jpg"}) {
        const QString path = dir.filePath(name);
        const ToolRun run = RunSheet({"--seed", "1", "--out", path});
        ASSERT_EQ(run.ExitCode, 0) << name << run.Err.toStdString();
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << name;
        // The printable A4 area, 200 × 287 mm, at 96 dots per inch.
        EXPECT_NEAR(image.width(), 756, 2) << name;
        EXPECT_NEAR(image.height(), 1085, 2) << name;
    }
}

TEST(SheetCommand, ClassSetPutsEachAnswerSheetAfterItsProblems)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("class.pdf");
    const ToolRun run = RunSheet({"--seed", "4", "--count", "3", "--out", path});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 6);
}

// --instruction shows the line: the text as typed, or empty for the one
// made from the settings; --class-box adds 年・組・番 and the score cell.
TEST(SheetCommand, InstructionAndClassBoxOptions)
{
    struct Case { QStringList Args; const char* Expected; };
    const Case cases[] = {
        {{"--op", "div", "--just", "--instruction", ""}, "わりきれるまで計算しましょう。"},
        {{"--op", "div", "--just", "--instruction=ていねいに"}, "ていねいに"},
        {{"--op", "add", "--column-form", "--instruction", ""}, "筆算でしましょう。"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunSheet(c.Args + QStringList{"--seed", "2", "--list", "--rows", "2"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Lines().filter(QRegularExpression(
                      "^TextOut,.*,\"" + QString::fromUtf8(c.Expected) + "\",NIL$")).size(), 1)
            << c.Expected;
    }
    const ToolRun plain = RunSheet({"--op", "div", "--just", "--seed", "2", "--list"});
    EXPECT_TRUE(plain.Lines().filter("しましょう").isEmpty());
    EXPECT_TRUE(plain.Lines().filter("番").isEmpty());
    const ToolRun boxed = RunSheet({"--class-box", "--seed", "2", "--list"});
    EXPECT_EQ(boxed.Lines().filter("\"　年　　組　　番　なまえ \"").size(), 1);
    EXPECT_EQ(boxed.Lines().filter("\"点 \"").size(), 1);
}

TEST(SheetCommand, RefusesMeaninglessOptions)
{
    const QStringList cases[] = {
        {"--list", "--bogus"},
        {},
        {"--out", "sheet.gif"},
        {"--count", "0", "--out", "a.pdf"},
        {"--count", "51", "--out", "a.pdf"},
        {"--count", "2", "--out", "a.png"},
        {"--count", "2", "--answer", "--out", "a.pdf"},
        {"--font-size", "3", "--list"},
        {"--title"},
        {"--list=yes"},
        {"--rows", "0", "--list"},
    };
    for (const QStringList& args : cases) {
        const ToolRun run = RunSheet(args);
        EXPECT_EQ(run.ExitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.Err.trimmed().isEmpty()) << args.join(' ').toStdString();
    }
}

// A missing or unwanted value is named the same way by the generate options
// and the sheet options, each behind its own prefix.
TEST(SheetCommand, OptionValueProblemsNameTheOption)
{
    struct Case {
        QStringList Args;
        const char* Err;
    };
    const Case cases[] = {
        {{"--list", "--rows"}, "shosu-sheet: --rows needs a value (try shosu-sheet --help)\n"},
        {{"--list", "--yes=1"}, "shosu-sheet: --yes takes no value (try shosu-sheet --help)\n"},
        {{"--list", "--out"}, "shosu-sheet: sheet: --out needs a value\n"},
        {{"--list=2"}, "shosu-sheet: sheet: --list takes no value\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunSheet(c.Args);
        EXPECT_EQ(run.ExitCode, 1) << c.Err;
        EXPECT_EQ(run.Err, QString::fromUtf8(c.Err));
    }
}

TEST(SheetCommand, UnwritableOutputIsReported)
{
    const ToolRun run = RunSheet({"--seed", "1", "--out", "/nonexistent-dir/sheet.png"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("/nonexistent-dir/sheet.png"));
}

} // namespace
