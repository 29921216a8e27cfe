#include "support/ScriptedPrompts.h"
#include "prevform/PageFont.h"
#include "prevform/PageGeometry.h"
#include "prevform/PrinterInfo.h"
#include "support/RecordingSurface.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

PageGeometry Geometry600(int unit, int target)
{
    PageGeometry g;
    g.ReadScreenCaps(96);
    g.PrinterResX = g.PrinterResY = 600;
    g.RatioX = g.RatioY = 600.0L / 96;
    g.PageW = 2000;
    g.PageH = 3000;
    g.UnitType = unit;
    g.nTgtCanvas = target;
    return g;
}

struct ConversionCase {
    int Unit;
    int Target;
    double Value;
    int Pixel;
};

TEST(PageGeometryTest, ConvertsInEveryUnitOnPaperAndScreen)
{
    using G = PageGeometry;
    const double pageMm = 2000 * 25.4 / 600;
    const std::vector<ConversionCase> cases{
        {G::UnitMm, G::TgtPrinter, 25.4, 600},    {G::UnitMm, G::TgtImage, 25.4, 96},
        {G::UnitMm, G::TgtPrinter, 0.05, 1},      {G::UnitMm, G::TgtImage, 0.05, 0},
        {G::UnitMm, G::TgtImage, 10, 38},         {G::UnitMm, G::TgtImageThenPage, 10, 38},
        {G::UnitPixel, G::TgtPrinter, 600, 600},  {G::UnitPixel, G::TgtImage, 600, 96},
        {G::UnitPixel, G::TgtImage, 3.125, 1},    {G::UnitPixel, G::TgtImage, -3.125, 320},
        {G::UnitInch, G::TgtPrinter, 1.5, 900},   {G::UnitInch, G::TgtImage, 1.5, 144},
        {G::UnitInch, G::TgtImage, 0.0052083333333, 0}, // 0.4999.. px
        {G::UnitMm, G::TgtPrinter, -1, qRound((pageMm - 1) * 600 / 25.4)},
        {G::UnitPixel, G::TgtPrinter, -1, 1999},  {G::UnitInch, G::TgtPrinter, -0.5, 1700},
        {G::UnitPixel, G::TgtPrinter, 2.5, 3},    {G::UnitPixel, G::TgtPrinter, -2002.5, -3},
    };
    for (const auto& c : cases) {
        const PageGeometry g = Geometry600(c.Unit, c.Target);
        EXPECT_EQ(g.UnitToPixelX(c.Value), c.Pixel)
            << "unit " << c.Unit << " target " << c.Target << " value " << c.Value;
    }
}

TEST(PageGeometryTest, VerticalConversionUsesThePageHeightAndResY)
{
    PageGeometry g = Geometry600(PageGeometry::UnitPixel, PageGeometry::TgtImage);
    g.PrinterResY = 300;
    EXPECT_EQ(g.UnitToPixelY(300), 96);
    EXPECT_EQ(g.UnitToPixelY(-1), qRound(2999 * 96 / 300.0));
    g.nTgtCanvas = PageGeometry::TgtPrinter;
    g.UnitType = PageGeometry::UnitInch;
    EXPECT_EQ(g.UnitToPixelY(1), 300);
}

TEST(PageGeometryTest, PixelsOutsideThe32BitRangeAreRejected)
{
    const PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtPrinter);
    EXPECT_EQ(g.TryUnitToPixelX(1e12), std::nullopt);
    EXPECT_EQ(g.TryUnitToPixelY(-1e12), std::nullopt);
    EXPECT_EQ(g.TryUnitToPixelX(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(g.UnitToPixelX(1e12), INT_MAX);
    EXPECT_EQ(g.UnitToPixelX(-1e12), INT_MIN);
    EXPECT_EQ(g.TryLengthToPixelX(-1), std::nullopt);
}

TEST(PageGeometryTest, UnitPageSize)
{
    PageGeometry g = Geometry600(PageGeometry::UnitPixel, PageGeometry::TgtImage);
    g.PrinterResY = 300;
    EXPECT_DOUBLE_EQ(g.Get_UnitWidth(), 2000);
    g.UnitType = PageGeometry::UnitInch;
    EXPECT_DOUBLE_EQ(g.Get_UnitWidth(), 2000 / 600.0);
    EXPECT_DOUBLE_EQ(g.Get_UnitHeight(), 10);
    g.UnitType = PageGeometry::UnitMm;
    EXPECT_DOUBLE_EQ(g.Get_UnitHeight(), 254);
    EXPECT_EQ(g.Get_Width(), 2000);
    EXPECT_EQ(g.Get_Height(), 3000);
}

TEST(PageGeometryTest, MeasuresOnTheTargetAndInPrinterPixelsForThePixelUnit)
{
    RecordingSurface screen(96), printer(600);
    PageGeometry g = Geometry600(PageGeometry::UnitInch, PageGeometry::TgtImage);
    g.ScreenSurface = &screen;
    g.PrinterSurface = &printer;
    PageFont font;
    font.Size = 12; // 16 px on screen, 100 px on paper; the fake is square per character
    EXPECT_NEAR(g.GetWidth("ab", font), 32 / 96.0, 1e-12);
    g.UnitType = PageGeometry::UnitMm;
    EXPECT_NEAR(g.GetHeight("ab", font), 16 / 96.0 * 25.4, 1e-12);
    g.nTgtCanvas = PageGeometry::TgtPrinter;
    EXPECT_NEAR(g.GetWidth("ab", font), 200 / 600.0 * 25.4, 1e-12);
    g.UnitType = PageGeometry::UnitInch;
    const double inchHeight = g.GetHeight("ab", font);
    g.UnitType = PageGeometry::UnitPixel;
    EXPECT_NEAR(g.GetHeight("ab", font), inchHeight * 600 + 1, 1e-9);
    g.nTgtCanvas = PageGeometry::TgtImage;
    EXPECT_EQ(g.GetWidth("ab", font), 200);
}

TEST(PageGeometryTest, MeasuresRealFontsWithoutSurfaces)
{
    PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtPrinter);
    PageFont font;
    font.Size = 72; // an inch-high em
    const double h = g.GetHeight("答え", font);
    EXPECT_GT(h, 25.0);
    EXPECT_LT(h, 40.0);
    const double w = g.GetWidth("答え", font); // about two ems
    EXPECT_GT(w, 1.5 * 25.4);
    EXPECT_LT(w, 2.1 * 25.4);
}

TEST(PageGeometryTest, PageImageSizes)
{
    PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtImage);
    g.PageW = 4724;
    g.PageH = 6780;
    EXPECT_EQ(g.OneToOneImageSize(), QSize(755, 1084)); // cut, not rounded
    g.RatioY = 300.0L / 96;
    EXPECT_EQ(g.OneToOneImageSize(), QSize(755, 2169));
    g.PageW = 1000;
    g.PageH = 2000;
    EXPECT_EQ(g.WholePageImageSize(QSize(400, 400)), QSize(200, 400));
    EXPECT_EQ(g.WholePageImageSize(QSize(400, 1000)), QSize(400, 800));
    EXPECT_EQ(g.WholePageImageSize(QSize(0, 100)), QSize(0, 0));
}

TEST(PageGeometryTest, AlignWidthOnScreenIsTheImageWidth)
{
    PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtImage);
    EXPECT_DOUBLE_EQ(g.AlignPageWidth(96), 25.4);
    g.UnitType = PageGeometry::UnitPixel;
    EXPECT_DOUBLE_EQ(g.AlignPageWidth(96), 2000);
    g.UnitType = PageGeometry::UnitMm;
    g.nTgtCanvas = PageGeometry::TgtPrinter;
    EXPECT_DOUBLE_EQ(g.AlignPageWidth(96), g.Get_UnitWidth());
}

// Answers each query from a script: a value for a usable printer, nullopt for one that fails.
class ScriptedPrinter : public PrinterInfo {
public:
    explicit ScriptedPrinter(std::vector<std::optional<PrinterCaps>> answers)
        : PrinterInfo(BuiltInTag{}, QString()), Answers(std::move(answers))
    {
    }
    std::optional<PrinterCaps> Query() const override { return Answers.at(Next++); }

private:
    std::vector<std::optional<PrinterCaps>> Answers;
    mutable size_t Next = 0;
};

struct PrinterQueryCase {
    std::vector<std::optional<PrinterCaps>> Answers; // one per ReadPrinterCaps
    int ErrorNum;
    int ResX;
    int Messages;
};

TEST(PageGeometryTest, AFailedPrinterQueryIsReportedAndStaysFailed)
{
    const PrinterCaps ok{1200, 1200, 9000, 13000};
    const std::vector<PrinterQueryCase> cases{
        {{ok}, -1, 1200, 0},
        {{std::nullopt}, 1, 300, 1},
        {{std::nullopt, ok}, 1, 1200, 1}, // a later answer does not make the engine usable
        {{ok, std::nullopt, ok}, 1, 1200, 1},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtImage);
        g.PrinterResX = 300;
        ScriptedPrompts prompts;
        ScriptedPrinter printer(cases[i].Answers);
        for (const auto& answer : cases[i].Answers)
            EXPECT_EQ(g.ReadPrinterCaps(printer, prompts), answer.has_value()) << i;
        EXPECT_EQ(g.ErrorNum, cases[i].ErrorNum) << i;
        EXPECT_EQ(g.PrinterResX, cases[i].ResX) << i;
        EXPECT_EQ(prompts.Messages.size(), cases[i].Messages) << i;
        if (cases[i].Messages) {
            EXPECT_EQ(prompts.Messages[0], "デフォルトのプリンタの設定を確認下さい");
        }
    }
    ScriptedPrinter failing({std::nullopt});
    PageGeometry g = Geometry600(PageGeometry::UnitMm, PageGeometry::TgtImage);
    EXPECT_FALSE(g.GetPageSize(failing));
    EXPECT_EQ(g.PageW, 2000);
}

TEST(PrinterInfoTest, TheBuiltInPdfPrinterIsA4At600Dpi)
{
    QTemporaryDir dir;
    const auto printer = PrinterInfo::BuiltInPdf(dir.filePath("out.pdf"));
    const auto caps = printer->Query();
    ASSERT_TRUE(caps.has_value());
    EXPECT_EQ(caps->ResX, 600);
    EXPECT_EQ(caps->ResY, 600);
    EXPECT_NEAR(caps->PageW, 200 / 25.4 * 600, 2);
    EXPECT_NEAR(caps->PageH, 287 / 25.4 * 600, 2);
    EXPECT_TRUE(printer->IsBuiltInPdf());

    PageGeometry g;
    g.ReadScreenCaps(96);
    ScriptedPrompts prompts;
    EXPECT_TRUE(g.ReadPrinterCaps(*printer, prompts));
    EXPECT_TRUE(g.GetPageSize(*printer));
    EXPECT_EQ(g.ErrorNum, -1);
    EXPECT_EQ(g.RatioX, 600.0L / 96);
    EXPECT_TRUE(prompts.Messages.isEmpty());
}


} // namespace
