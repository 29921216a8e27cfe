// shosu-sheet render, run as a program in a scratch folder: list files with
// includes and pictures become page images and PDF pages; bad input gives a
// message and exit code 1.
#include "ToolRun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;

    void Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Path(const char* name) const { return Dir.filePath(QString::fromUtf8(name)); }

    ToolRun Render(const QStringList& args) const
    {
        return RunSheetTool(QStringList{"render"} + args, Dir.path());
    }

    // A pointer file naming sheet.txt, which includes a part with a red
    // picture in the square from 20 mm to 40 mm.
    void WriteSheet() const
    {
        QImage red(30, 30, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(Path("red.png")));
        Write("PrevForm.prv", "sheet.txt\n");
        Write("sheet.txt", "TextOut,10,10,\"答え\",NIL\nInclude, part.txt\nLine,5,0,5,100\n");
        Write("part.txt", "Picture,red.png,20,20,40,40\n");
    }
};

TEST_F(RenderCommandTest, DrawsTheReadListOntoThePageImage)
{
    WriteSheet();
    for (const char* name : {"page.png", "page.bmp", "page.jpg"}) {
        const ToolRun run = Render({"PrevForm.prv", "--out", name});
        ASSERT_EQ(run.ExitCode, 0) << name << run.Err.toStdString();
        const QImage image(Path(name));
        ASSERT_EQ(image.size(), QSize(755, 1084)) << name; // A4 less 5 mm margins at 96 dpi
        const QRgb middle = image.pixel(113, 113);          // 30 mm, 30 mm
        EXPECT_GT(qRed(middle), 200) << name;
        EXPECT_LT(qBlue(middle), 60) << name;
        EXPECT_LT(qRed(image.pixel(19, 200)), 60) << name; // the line at 5 mm
        EXPECT_EQ(image.pixel(300, 600), qRgb(255, 255, 255)) << name;
    }
}

TEST_F(RenderCommandTest, GridAndRulerOnlyWhenAsked)
{
    WriteSheet();
    ASSERT_EQ(Render({"PrevForm.prv", "--out", "plain.png"}).ExitCode, 0);
    ASSERT_EQ(Render({"PrevForm.prv", "--out", "over.png", "--grid", "--ruler"}).ExitCode, 0);
    const QImage plain(Path("plain.png")), over(Path("over.png"));
    EXPECT_EQ(plain.pixel(38, 2), qRgb(255, 255, 255));
    EXPECT_EQ(over.pixel(38, 2), qRgb(0, 128, 0)); // ruler tick at 10 mm
    int green = 0;
    for (int y = 300; y < 600; ++y)
        green += over.pixel(378, y) == qRgb(0, 255, 0); // grid line at 100 mm
    EXPECT_GT(green, 50);
}

TEST_F(RenderCommandTest, WritesAPdfPageAtTrueSize)
{
    WriteSheet();
    const ToolRun run = Render({"PrevForm.prv", "--out", "page.pdf"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QFile pdf(Path("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595")); // A4 in points
}

TEST_F(RenderCommandTest, BadInputGetsAMessageAndExitCodeOne)
{
    WriteSheet();
    const struct {
        QStringList Args;
        const char* Says;
    } cases[] = {
        {{"missing.prv", "--out", "x.png"}, "cannot read list file"},
        {{"PrevForm.prv", "--out", "x.gif"}, ".png"},
        {{"PrevForm.prv"}, "--out"},
        {{"--out", "x.png"}, "no list file"},
        {{"PrevForm.prv", "--out", "x.png", "--colour"}, "unknown option"},
        {{"PrevForm.prv", "--out", "no/such/dir/x.png"}, "x.png"},
        {{"PrevForm.prv", "--out", "no/such/dir/x.pdf"}, "x.pdf"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Render(c.Args);
        EXPECT_EQ(run.ExitCode, 1) << c.Args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Says))) << run.Err.toStdString();
    }
}

TEST_F(RenderCommandTest, InterpreterMessagesGoToStderr)
{
    Write("cycle.txt", "TextOut,1,1,A\nLine,1,2,3\nINCLUDE,cycle.txt\n");
    const ToolRun run = Render({"cycle.txt", "--out", "c.png"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("LINE, FORMAT ERROR")));
    EXPECT_TRUE(run.Err.contains(QStringLiteral("INCLUDE")));
}

} // namespace
