#include "prevform/PassFixture.h"
#include "prevform/PrinterInfo.h"
#include "prevform/QPainterSurface.h"
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);

// A real 96-dpi page image run through the interpreter.
class PageImageTest : public testing::Test {
protected:
    QPainterSurface Image{QSize(300, 300), 96};
    PageGeometry Geometry;
    DrawState State;
    TPageStr Header, Footer, PageTitle, SubTitle, PageStrTmp, Copyright;
    double HeaderBottom = 0, CreditHeight = 0;
    std::array<QImage, 15> Bmp;
    ScriptedPrompts Prompts;
    PassContext Ctx{Image, Geometry, State, Header, Footer, PageTitle, SubTitle,
                    PageStrTmp, Copyright, HeaderBottom, CreditHeight, Bmp, Prompts};

    PageImageTest() { State.InitParam(96); }

    void Exec(const QStringList& lines)
    {
        Image.BeginDoc();
        Interpreter(Ctx).ExecuteList(lines, 2);
        Image.EndDoc();
    }
    QRgb At(int x, int y) const { return Image.Image().pixel(x, y); }
    int CountNonWhite(QRect r) const
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += At(x, y) != White;
        return n;
    }
};

TEST_F(PageImageTest, ALineAt10MmLandsOnPixel38)
{
    Exec({"Line,10,0,10,50"});
    EXPECT_EQ(At(38, 100), qRgb(0, 0, 0));
    EXPECT_EQ(At(37, 100), White);
    EXPECT_EQ(At(39, 100), White);
}

TEST_F(PageImageTest, ColorRedDrawsRed)
{
    Exec({"Color,RED", "Line,0,20,50,20", "FontSize,20", "TextOut,5,30,\"■\""});
    EXPECT_EQ(At(100, 76), qRgb(255, 0, 0));
    bool red = false;
    for (int y = 113; y < 140 && !red; ++y)
        for (int x = 19; x < 45 && !red; ++x)
            red = At(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST_F(PageImageTest, TheEndPointOfAThinLineIsNotPainted)
{
    Geometry.UnitType = PageGeometry::UnitPixel;
    Geometry.PrinterResX = Geometry.PrinterResY = 96; // one printer pixel is one image pixel
    Exec({"Line,0,5,10,5", "PenSize,0.5", "Line,0,8,10,8"});
    EXPECT_EQ(At(9, 5), qRgb(0, 0, 0));
    EXPECT_EQ(At(10, 5), White);
    EXPECT_EQ(At(9, 8), qRgb(0, 0, 0));
}

TEST_F(PageImageTest, WidePensAndDashes)
{
    Geometry.UnitType = PageGeometry::UnitPixel;
    Geometry.PrinterResX = Geometry.PrinterResY = 96;
    Exec({"PenSize,5", "Line,20,20,200,20", "PenSize,1", "PenStyle,psDot", "Line,20,60,200,60"});
    EXPECT_EQ(CountNonWhite(QRect(100, 16, 1, 9)), 5);
    const int dotted = CountNonWhite(QRect(20, 60, 180, 1));
    EXPECT_GT(dotted, 30);
    EXPECT_LT(dotted, 150);
}

TEST_F(PageImageTest, JapaneseTextRendersInTheRequestedSize)
{
    Exec({"FontName,\"ＭＳ 明朝\"", "FontSize,24", "TextOut,10,10,\"答え\""});
    // 24 pt at 96 dpi is a 32 px em starting at (38, 38)
    EXPECT_GT(CountNonWhite(QRect(38, 38, 64, 40)), 100);
    EXPECT_EQ(CountNonWhite(QRect(0, 0, 300, 36)), 0);
    EXPECT_EQ(CountNonWhite(QRect(110, 0, 190, 300)), 0);
}

TEST_F(PageImageTest, APitchedUnderlineRunsThroughTheGaps)
{
    Exec({"FontStyle,UNDERLINE", "FontSize,12", "TextOut,10,10,\"ab\",20"});
    // cells at x 38 and 38 + 76; the underline lies somewhere in rows 38..60 at x 90
    EXPECT_GT(CountNonWhite(QRect(90, 38, 1, 22)), 0);
}

TEST_F(PageImageTest, OpaqueBrushFillsTheTextBox)
{
    Exec({"BrushColor,YELLOW", "TextOut,10,10,\"a\""});
    EXPECT_EQ(At(39, 39), qRgb(255, 255, 0));
}

TEST_F(PageImageTest, RotatedTextRunsUpwards)
{
    Exec({"FontSize,20", "TextOutAngle,20,60,\"ABCDEF\",900"});
    // origin (76, 227): the text goes up from there, to the right of... never right of the cell
    EXPECT_GT(CountNonWhite(QRect(76, 100, 30, 127)), 50);
    EXPECT_EQ(CountNonWhite(QRect(120, 0, 180, 300)), 0);
    EXPECT_EQ(CountNonWhite(QRect(0, 240, 300, 60)), 0);
}

TEST_F(PageImageTest, PicturesStretchIntoTheirRectangle)
{
    Bmp[10] = QImage(2, 2, QImage::Format_RGB32);
    Bmp[10].fill(qRgb(0, 0, 255));
    Geometry.UnitType = PageGeometry::UnitPixel;
    Geometry.PrinterResX = Geometry.PrinterResY = 96;
    Exec({"Picture,a.bmp,10,10,50,30"});
    EXPECT_EQ(At(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(At(49, 29), qRgb(0, 0, 255));
    EXPECT_EQ(At(50, 30), White);
}

TEST_F(PageImageTest, FarCoordinatesNeitherCrashNorDraw)
{
    Geometry.UnitType = PageGeometry::UnitPixel;
    Geometry.PrinterResX = Geometry.PrinterResY = 96;
    Exec({"Line,-2000000000,5,2000000000,5", "TextOut,2000000000,0,a", "PenSize,1E9",
         "Line,0,0,1,1"});
    EXPECT_EQ(At(150, 5), qRgb(0, 0, 0));
}

TEST(QPainterSurfaceTest, DashesKeepTheirScreenLengthOnAFineDevice)
{
    QPainterSurface fine(QSize(600, 10), 600);
    fine.DrawLine({0, 5}, {600, 5}, {0, 1, PenStyle::Dot});
    int longestGap = 0, gap = 0;
    for (int x = 0; x < 600; ++x) {
        gap = fine.Image().pixel(x, 5) == White ? gap + 1 : 0;
        longestGap = std::max(longestGap, gap);
    }
    EXPECT_GE(longestGap, 10); // two screen pixels at 600 dpi
    EXPECT_LT(longestGap, 20);
}

TEST(QPainterSurfaceTest, FillAndScaledCopy)
{
    QPainterSurface s(QSize(100, 50), 96);
    s.FillRect(0, 0, 50, 50, 0x0000FF);
    EXPECT_EQ(s.Image().pixel(49, 0), qRgb(255, 0, 0));
    EXPECT_EQ(s.Image().pixel(50, 0), qRgb(255, 255, 255));
    QImage whole(10, 5, QImage::Format_RGB32);
    whole.fill(Qt::black);
    s.CopyScaledTo(whole);
    EXPECT_EQ(whole.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(whole.pixel(8, 2), qRgb(255, 255, 255));
}

TEST(QPainterSurfaceTest, APassToThePdfPrinterWritesOnePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    const auto printer = PrinterInfo::BuiltInPdf(path);
    const PrinterCaps caps = *printer->Query();
    QPainterSurface surface(printer->Printer(), QSize(caps.PageW, caps.PageH), caps.ResX, caps.ResY);
    surface.DrawLine({0, 0}, {10, 10}, {}); // outside a job: ignored
    ASSERT_TRUE(surface.BeginDoc());
    surface.FillRect(0, 0, caps.PageW, caps.PageH, 0xFFFFFF);
    surface.DrawText({600, 600}, "答え", DeviceFont::FromSpec(PageFont{}, 600), {});
    surface.DrawLine({0, 0}, {600, 600}, {});
    surface.EndDoc();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
}

} // namespace
