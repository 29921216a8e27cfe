// shosu-sheet sheet making class sets: a sheet for each name of a list, the
// order of the pages, every sheet made again alone from its code, and the
// refusal of sets that cannot be written.
#include "ToolRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ToolRun RunSheet(const QStringList& args)
{
    return RunSheetTool(QStringList{"sheet"} + args);
}

// The pages of a listing, split at its "== page k/n ==" lines.
QList<QStringList> Pages(const ToolRun& run)
{
    QList<QStringList> pages{{}};
    for (const QString& line : run.Lines()) {
        if (line.startsWith("== page "))
            pages.append(QStringList());
        else
            pages.last() << line;
    }
    return pages;
}

// The bottom line's text ("No.2　ME9AFX"), empty when there is none.
QString MarkLine(const QStringList& page)
{
    const QStringList marks = page.filter(QRegularExpression("^TextOut,.*,\"(No\\.\\d+　)?[3-9A-Y]{6}\",NIL$"));
    return marks.size() == 1 ? marks.first().section('"', 1, 1) : QString();
}

// The problem lines of a page (those with the operator sign).
QStringList ProblemLines(const QStringList& page)
{
    return page.filter(QStringLiteral(" ÷ "));
}

class ClassSetCommandTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;

    QString WriteNames(const QByteArray& bytes)
    {
        const QString path = Dir.filePath("names.csv");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
};

TEST_F(ClassSetCommandTest, ANameListMakesOneNumberedSheetAndAnswerSheetEach)
{
    const QString names = WriteNames(QString::fromUtf16(u"山田 花子,1\n\n\"佐藤, 次郎\",2\n鈴木\n").toUtf8());
    const QString pdf = Dir.filePath("set.pdf");
    const ToolRun run = RunSheet({"--op", "div", "--code", "7KT3MA", "--count", "3", "--names",
                                  names, "--list", "--out", pdf});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
    const QList<QStringList> pages = Pages(run);
    ASSERT_EQ(pages.size(), 6);
    const QString pupils[] = {QString::fromUtf16(u"山田 花子"), QString::fromUtf16(u"佐藤, 次郎"),
                              QString::fromUtf16(u"鈴木")};
    for (int k = 0; k < 3; ++k) {
        const QStringList& problems = pages.at(2 * k);
        const QStringList& answers = pages.at(2 * k + 1);
        EXPECT_TRUE(MarkLine(problems).startsWith(QStringLiteral("No.%1　").arg(k + 1)));
        EXPECT_EQ(MarkLine(problems), MarkLine(answers)) << k;
        for (const QStringList* page : {&problems, &answers})
            EXPECT_EQ(page->filter(QStringLiteral("なまえ　") + pupils[k]).size(), 1) << k;
        EXPECT_TRUE(answers.filter(QStringLiteral("(答)")).size() == 1);
    }
    EXPECT_EQ(MarkLine(pages.at(0)), QStringLiteral("No.1　7KT3MA"));
    EXPECT_NE(ProblemLines(pages.at(0)), ProblemLines(pages.at(2)));
}

TEST_F(ClassSetCommandTest, EverySheetOfASetIsMadeAgainFromItsCode)
{
    const ToolRun set = RunSheet({"--op", "div", "--seed", "77", "--count", "3", "--list"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err.toStdString();
    const QList<QStringList> pages = Pages(set);
    ASSERT_EQ(pages.size(), 6);
    for (int k = 0; k < 3; ++k) {
        const QString code = MarkLine(pages.at(2 * k)).section(QStringLiteral("　"), 1);
        const ToolRun alone = RunSheet({"--op", "div", "--code", code, "--print-code", "--list"});
        ASSERT_EQ(alone.ExitCode, 0) << alone.Err.toStdString();
        EXPECT_EQ(ProblemLines(alone.Lines()), ProblemLines(pages.at(2 * k))) << code.toStdString();
        EXPECT_EQ(MarkLine(alone.Lines()), code);
    }
}

TEST_F(ClassSetCommandTest, OrderPutsThePagesInPlace)
{
    struct Case { const char* Order; QStringList Kinds; };
    const Case cases[] = {{"pairs", {"P1", "A1", "P2", "A2"}},
                          {"problems-first", {"P1", "P2", "A1", "A2"}},
                          {"problems", {"P1", "P2"}},
                          {"answers", {"A1", "A2"}}};
    for (const Case& c : cases) {
        const ToolRun run = RunSheet({"--seed", "3", "--count", "2", "--order", c.Order, "--list"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        QStringList kinds;
        for (const QStringList& page : Pages(run))
            kinds << (page.filter(QStringLiteral("(答)")).isEmpty() ? "P" : "A")
                         + MarkLine(page).section(QStringLiteral("　"), 0, 0).mid(3);
        EXPECT_EQ(kinds, c.Kinds) << c.Order;
    }
}

TEST_F(ClassSetCommandTest, ASingleSheetShowsItsCodeOnlyWhenAsked)
{
    const ToolRun plain = RunSheet({"--code", "7KT3MA", "--list"});
    const ToolRun coded = RunSheet({"--code", "7KT3MA", "--print-code", "--list"});
    ASSERT_EQ(plain.ExitCode, 0);
    ASSERT_EQ(coded.ExitCode, 0);
    EXPECT_TRUE(MarkLine(plain.Lines()).isEmpty());
    EXPECT_EQ(MarkLine(coded.Lines()), QStringLiteral("7KT3MA"));
    // The code adds its line and changes nothing else.
    QStringList rest = coded.Lines();
    rest.removeAll(QStringLiteral("FontSize,9"));
    rest.removeIf([](const QString& line) { return line.endsWith(QStringLiteral("\"7KT3MA\",NIL")); });
    EXPECT_EQ(rest, plain.Lines());

    // The window's "番号を印刷する" in a settings file does the same.
    const QString ini = Dir.filePath("window.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Page]\nCode=1\n");
    file.close();
    const ToolRun fromFile = RunSheet({"--settings", ini, "--code", "7KT3MA", "--list"});
    ASSERT_EQ(fromFile.ExitCode, 0) << fromFile.Err.toStdString();
    EXPECT_EQ(MarkLine(fromFile.Lines()), QStringLiteral("7KT3MA"));
}

TEST_F(ClassSetCommandTest, SetsThatCannotBeMadeAreRefused)
{
    QByteArray many;
    for (int i = 1; i <= 51; ++i)
        many += "pupil" + QByteArray::number(i) + "\n";
    const QString tooMany = WriteNames(many);
    const QString missing = Dir.filePath("missing.txt");
    struct Case { QStringList Args; const char* Err; };
    const Case cases[] = {
        {{"--names", tooMany, "--out", "a.pdf"}, "51 names"},
        {{"--names", missing, "--out", "a.pdf"}, "cannot read"},
        {{"--count", "2", "--out", "a.png"}, "--out FILE.pdf"},
        {{"--count", "2", "--order", "sideways", "--out", "a.pdf"}, "--order takes"},
        {{"--order", "pairs", "--out", "a.pdf"}, "--order needs a set"},
        {{"--count", "2", "--answer", "--out", "a.pdf"}, "--answer"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunSheet(c.Args);
        EXPECT_EQ(run.ExitCode, 1) << c.Err;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Err))) << run.Err.toStdString();
        EXPECT_FALSE(QFile::exists("a.pdf"));
    }
}

} // namespace
