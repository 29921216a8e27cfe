#include "prevform/PassFixture.h"
#include "prevform/PrinterInfo.h"
#include "prevform/QPainterSurface.h"
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <vector>
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

// A pitched row of plain Latin characters is drawn as one run of glyphs;
// a row with any other character is drawn cell by cell. Both must put the
// same pixels in the same cells, in every style.
TEST_F(PageImageTest, PitchedRowsDrawTheSameCellsEitherWay)
{
    const struct { const char* Style; const char* Size; const char* Row; } cases[] = {
        {"", "14", "12.5"},
        {"", "24", "0 7 ."},
        {"FontStyle,BOLD", "18", "9.04"},
        {"FontStyle,ITALIC", "16", "ab 3"},
        {"FontName,\"ＭＳ 明朝\"", "20", "86.1"},
    };
    Geometry.UnitType = PageGeometry::UnitPixel;
    Geometry.PrinterResX = Geometry.PrinterResY = 96;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        const QString row = QString::fromLatin1(c.Row);
        Image.FillRect(0, 0, 300, 300, 0xFFFFFF);
        Exec({QString::fromLatin1(c.Style), QStringLiteral("FontSize,") + c.Size,
              QStringLiteral("TextOut,10,10,\"%1\",30").arg(row),
              QStringLiteral("TextOut,10,160,\"%1＋\",30").arg(row)});
        const QRect run(0, 0, 10 + 30 * int(row.size()), 150);
        const QRect cells = run.translated(0, 150);
        EXPECT_GT(CountNonWhite(run), 20);
        EXPECT_EQ(Image.Image().copy(run), Image.Image().copy(cells));
    }
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
    QPainterSurface surface(*printer, QSize(caps.PageW, caps.PageH), caps.ResX, caps.ResY);
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

// The painter of a pass keeps its pen and font from call to call; what one
// call sets must never show in the next. Each sequence is drawn once in a
// pass and once with a fresh painter for every call: the pages must match.
TEST(QPainterSurfaceTest, EveryCallOfAPassDrawsAsIfItWereDrawnAlone)
{
    using Step = std::function<void(Surface&)>;
    const DeviceFont plain{QStringLiteral("ＭＳ 明朝"), 20};
    DeviceFont red = plain;
    red.Color = 0x0000FF;
    DeviceFont underlined = plain;
    underlined.Underline = true;
    DeviceFont bigBold{QStringLiteral("ＭＳ Ｐゴシック"), 30, 0x008000, true};
    const SurfaceBrush clear;
    const SurfaceBrush yellow{0x00FFFF, true};
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));

    const Step dotted = [](Surface& s) { s.DrawLine({5, 10}, {190, 10}, {0xFF0000, 1, PenStyle::Dot}); };
    const Step wide = [](Surface& s) { s.DrawLine({5, 150}, {190, 180}, {0x0000FF, 5, PenStyle::Solid}); };
    const Step thin = [](Surface& s) { s.DrawLine({5, 190}, {190, 190}, {}); };
    const Step text = [&](Surface& s) { s.DrawText({10, 20}, QStringLiteral("あいう"), plain, clear); };
    const Step redText = [&](Surface& s) { s.DrawText({10, 50}, QStringLiteral("赤"), red, clear); };
    const Step boxed = [&](Surface& s) { s.DrawText({60, 50}, QStringLiteral("箱"), bigBold, yellow); };
    const Step pitched = [&](Surface& s) { s.DrawText({10, 90}, QStringLiteral("ab"), underlined, clear, 30); };
    const Step underText = [&](Surface& s) { s.DrawText({10, 120}, QStringLiteral("下線"), underlined, clear); };
    const Step turned = [&](Surface& s) { s.DrawTextAngle({120, 140}, QStringLiteral("回転"), bigBold, 450, clear); };
    const Step image = [&](Surface& s) { s.DrawPicture(150, 60, 190, 100, picture); };
    const Step fill = [](Surface& s) { s.FillRect(100, 100, 140, 120, 0x808080); };

    const std::vector<std::vector<Step>> sequences = {
        {dotted, text, wide, text},
        {text, redText, text, thin},
        {turned, thin, text, redText},
        {pitched, text, boxed, text, dotted},
        {image, thin, text, fill, wide, redText},
        {boxed, turned, boxed, pitched, turned, dotted},
        {pitched, underText, pitched, thin},
        {text, turned, boxed, redText, turned, redText},
    };
    for (size_t i = 0; i < sequences.size(); ++i) {
        QPainterSurface pass(QSize(200, 200), 96);
        QPainterSurface alone(QSize(200, 200), 96);
        ASSERT_TRUE(pass.BeginDoc());
        for (const Step& step : sequences[i]) {
            step(pass);
            step(alone);  // no open painter: a fresh one for this call
        }
        pass.EndDoc();
        EXPECT_EQ(pass.Image(), alone.Image()) << "sequence " << i;
        EXPECT_NE(pass.Image(), QPainterSurface(QSize(200, 200), 96).Image()) << "sequence " << i;
    }
}

} // namespace
