#include "EngineFixture.h"
#include "prevform/Overlays.h"
#include "prevform/PageGeometry.h"
#include "support/RecordingSurface.h"

namespace {

const QRgb Grid = qRgb(0, 255, 0);
const QRgb Ruler = qRgb(0, 128, 0);
const QRgb White = qRgb(255, 255, 255);

// A4 less 5 mm margins at 600 dpi, seen on a 96 dpi screen.
PageGeometry ScreenGeometry(int unit)
{
    PageGeometry g;
    g.UnitType = unit;
    g.PageW = 4724;
    g.PageH = 6780;
    g.nTgtCanvas = PageGeometry::TgtImage;
    return g;
}

TEST(OverlaysTest, RulerTicksFollowTheUnit)
{
    struct Case {
        int Unit;
        size_t TopTicks;
        std::vector<std::pair<int, int>> FirstTicks; // x pixel, length
    };
    const Case cases[] = {
        {PageGeometry::UnitPixel, 47, {{16, 4}, {32, 4}, {48, 4}, {64, 4}, {80, 10}}},
        {PageGeometry::UnitInch, 8, {{0, 10}, {96, 4}, {192, 4}, {288, 4}, {384, 4}, {480, 10}}},
        {PageGeometry::UnitMm, 20, {{0, 10}, {38, 4}, {76, 4}, {113, 4}, {151, 4}, {189, 10}}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(96, QSize(755, 1084));
        DrawRuler(surface, ScreenGeometry(c.Unit));
        std::vector<RecordingSurface::Call> top;
        for (const auto& line : surface.OfKind(QStringLiteral("line")))
            if (line.A.y() == 0 && line.B.x() == line.A.x())
                top.push_back(line);
        ASSERT_EQ(top.size(), c.TopTicks) << c.Unit;
        for (size_t i = 0; i < c.FirstTicks.size(); ++i) {
            EXPECT_EQ(top[i].A, QPoint(c.FirstTicks[i].first, 0)) << c.Unit << ' ' << i;
            EXPECT_EQ(top[i].B, QPoint(c.FirstTicks[i].first, c.FirstTicks[i].second))
                << c.Unit << ' ' << i;
            EXPECT_EQ(top[i].Pen, (SurfacePen{0x008000, 1, PenStyle::Solid}));
        }
    }
}

TEST(OverlaysTest, GridLinesSpanTheImageAndSkipZero)
{
    RecordingSurface surface(96, QSize(755, 1084));
    DrawGrid(surface, ScreenGeometry(PageGeometry::UnitMm));
    const auto lines = surface.OfKind(QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 19u + 28u); // 10..190 mm across, 10..280 mm down
    EXPECT_EQ(lines.front().A, QPoint(38, 0));
    EXPECT_EQ(lines.front().B, QPoint(38, 1084));
    EXPECT_EQ(lines[19].A, QPoint(0, 38));
    EXPECT_EQ(lines[19].B, QPoint(755, 38));
    EXPECT_EQ(lines.front().Pen, (SurfacePen{0x00FF00, 1, PenStyle::Dot}));
}

using OverlayPixelTest = EngineFixture;

// Pixels of colour in column x, rows 0 .. rows - 1.
int CountInColumn(const QImage& image, int x, QRgb colour, int rows)
{
    int count = 0;
    for (int y = 0; y < rows; ++y)
        count += image.pixel(x, y) == colour;
    return count;
}

TEST_F(OverlayPixelTest, GridIsDottedGreenEveryTenMillimetres)
{
    Engine->fMesh = 1;
    const QImage image = Engine->RenderImage();
    const int rows = image.height();
    EXPECT_GT(CountInColumn(image, 38, Grid, rows), rows / 4);
    EXPECT_LT(CountInColumn(image, 38, Grid, rows), rows); // dotted, not solid
    // Above the first horizontal line (10 mm = 38 px) only the vertical lines are green.
    EXPECT_EQ(CountInColumn(image, 37, Grid, 37), 0);
    EXPECT_EQ(CountInColumn(image, 0, Grid, 37), 0);
    EXPECT_GT(CountInColumn(image, 76, Grid, 37), 5);
    EXPECT_EQ(image.pixel(10, 10), White);
}

TEST_F(OverlayPixelTest, RulerTicksAreFourOrTenPixelsLong)
{
    Engine->fScale = 1;
    const QImage image = Engine->RenderImage();
    const struct {
        QPoint At;
        QRgb Colour;
    } probes[] = {
        {{38, 0}, Ruler}, {{38, 3}, Ruler}, {{38, 4}, White},     // 10 mm, short
        {{189, 9}, Ruler}, {{189, 10}, White},                    // 50 mm, long
        {{0, 5}, Ruler},                                          // 0 mm, long
        {{3, 38}, Ruler}, {{4, 38}, White}, {{9, 189}, Ruler},    // left edge
        {{20, 20}, White},
    };
    for (const auto& probe : probes)
        EXPECT_EQ(image.pixel(probe.At), probe.Colour) << probe.At.x() << ',' << probe.At.y();
}

TEST_F(OverlayPixelTest, NoOverlaysInTheWholePageViewOrOnPaper)
{
    Engine->fMesh = 1;
    Engine->fScale = 1;
    Engine->PageView = 2;
    Engine->SetPageImageSize(200, 287);
    const QImage image = Engine->RenderImage();
    EXPECT_EQ(CountInColumn(image, 38, Grid, image.height()), 0);
    EXPECT_EQ(image.pixel(38, 1), White);
}

} // namespace
