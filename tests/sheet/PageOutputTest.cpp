// Writing a document's pages outside the preview window: the listing with
// its page separators, the image names of several pages, and files of
// every page.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/PageOutput.h"
#include "sheet/SetProgress.h"

#include <QDir>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

const QList<QStringList> kTwoPages = {
    {QStringLiteral("INITPARAM"), QStringLiteral("Line,10,10,150,10")},
    {QStringLiteral("INITPARAM"), QStringLiteral("Line,20,100,20,200")},
};

TEST(PageOutput, ListingSeparatesEveryPageAfterTheFirst)
{
    struct Case {
        const char* Name;
        QList<QStringList> Pages;
        const char* Listing;
    };
    const Case cases[] = {
        {"one page as it always was", {{"INITPARAM", "Line,1,2,3,4"}}, "INITPARAM\nLine,1,2,3,4\n"},
        {"two pages", kTwoPages,
         "INITPARAM\nLine,10,10,150,10\n== page 2/2 ==\nINITPARAM\nLine,20,100,20,200\n"},
        {"three pages, one empty", {{"A"}, {}, {"C"}}, "A\n== page 2/3 ==\n== page 3/3 ==\nC\n"},
        {"no pages", {}, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        ListPages(c.Pages, out);
        EXPECT_EQ(out.str(), c.Listing) << c.Name;
    }
}

TEST(PageOutput, SeveralPagesGetNumberedImageNames)
{
    struct Case {
        QString Path;
        int Count;
        QStringList Paths;
    };
    const Case cases[] = {
        {"x.png", 1, {"x.png"}},
        {"x.png", 2, {"x-1.png", "x-2.png"}},
        {"/tmp/a.b/sheet.JPG", 3, {"/tmp/a.b/sheet-1.JPG", "/tmp/a.b/sheet-2.JPG", "/tmp/a.b/sheet-3.JPG"}},
        {"dir.v2/noext", 2, {"dir.v2/noext-1", "dir.v2/noext-2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageImagePaths(c.Path, c.Count), c.Paths) << c.Path.toStdString();
}

class PageFilesTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("p.pdf"))), 96};

    QString Path(const char* name) const { return Dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(PageFilesTest, PdfHoldsEveryPage)
{
    QString error;
    ASSERT_TRUE(SavePages(Engine, kTwoPages, Path("doc.pdf"), error)) << error.toStdString();
    QFile file(Path("doc.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 2);
    EXPECT_TRUE(Engine.ListbyProgram.isEmpty()) << "the engine's own list is left as it was";
}

TEST_F(PageFilesTest, EveryPageHasItsImage)
{
    QString error;
    ASSERT_TRUE(SavePages(Engine, kTwoPages, Path("page.png"), error)) << error.toStdString();
    const QImage first(Path("page-1.png"));
    const QImage second(Path("page-2.png"));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(first, second);
    EXPECT_FALSE(QFile::exists(Path("page.png")));
    EXPECT_EQ(first.dotsPerMeterX(), qRound(96 / 0.0254));
}

TEST_F(PageFilesTest, AFailedSaveNamesTheFile)
{
    for (const char* name : {"/nonexistent-dir/doc.pdf", "/nonexistent-dir/page.png"}) {
        QString error;
        EXPECT_FALSE(SavePages(Engine, kTwoPages, QString::fromUtf8(name), error)) << name;
        EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-dir/"))) << error.toStdString();
    }
}

// Cancels at page CancelAt; counts the pages it was told of.
class CancellingProgress : public SetProgress {
public:
    int CancelAt = -1;
    int Last = -1;
    bool Step(int done, int, const QString&) override
    {
        Last = done;
        return done != CancelAt;
    }
};

TEST_F(PageFilesTest, ASetPdfCancelledOrFailedLeavesTheOlderFileAlone)
{
    const QByteArray older("older content");
    for (int cancelAt : {0, 1}) {  // before the first page, after the first page
        QFile file(Path("set.pdf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(older);
        file.close();
        CancellingProgress progress;
        progress.CancelAt = cancelAt;
        QString error;
        EXPECT_FALSE(SavePdfPages(Engine, kTwoPages, Path("set.pdf"), progress, error));
        EXPECT_TRUE(error.isEmpty()) << "a cancel is no failure to report";
        EXPECT_EQ(progress.Last, cancelAt);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), older) << cancelAt;
        file.close();
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "no temporary file is left behind";
    }
    CancellingProgress progress;
    QString error;
    EXPECT_FALSE(SavePdfPages(Engine, kTwoPages, "/nonexistent-dir/set.pdf", progress, error));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-dir/set.pdf"))) << error.toStdString();
}

TEST_F(PageFilesTest, ASetPdfReplacesTheOlderFileWithEveryPage)
{
    QFile file(Path("set.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("older");
    file.close();
    CancellingProgress progress;
    QString error;
    ASSERT_TRUE(SavePdfPages(Engine, kTwoPages, Path("set.pdf"), progress, error)) << error.toStdString();
    EXPECT_EQ(progress.Last, 2);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 2);
}

} // namespace
