#include "prevform/Overlays.h"

#include "prevform/PageGeometry.h"
#include "prevform/Surface.h"

namespace {

constexpr uint32_t GridColor = 0x00FF00;  // (0, 255, 0)
constexpr uint32_t RulerColor = 0x008000; // (0, 128, 0)
constexpr int LongTickPixels = 10;
constexpr int ShortTickPixels = 4;

// Every position first, first + step, ... below limit, as whole units.
template <typename Fn> void ForEachStep(long long first, long long step, double limit, Fn fn)
{
    for (long long v = first; static_cast<double>(v) < limit; v += step)
        fn(v);
}

} // namespace

OverlaySteps OverlayStepsFor(int unitType)
{
    switch (unitType) {
    case PageGeometry::UnitPixel: return {100, 100, 500, 100};
    case PageGeometry::UnitInch: return {1, 1, 5, 0};
    default: return {10, 10, 50, 0};
    }
}

void DrawGrid(Surface& target, const PageGeometry& geometry)
{
    const OverlaySteps steps = OverlayStepsFor(geometry.UnitType);
    const QSize image = target.PixelSize();
    const SurfacePen pen{GridColor, 1, PenStyle::Dot};
    ForEachStep(steps.Grid, steps.Grid, geometry.Get_UnitWidth(), [&](long long x) {
        const int px = geometry.UnitToPixelX(double(x));
        target.DrawLine({px, 0}, {px, image.height()}, pen);
    });
    ForEachStep(steps.Grid, steps.Grid, geometry.Get_UnitHeight(), [&](long long y) {
        const int py = geometry.UnitToPixelY(double(y));
        target.DrawLine({0, py}, {image.width(), py}, pen);
    });
}

void DrawRuler(Surface& target, const PageGeometry& geometry)
{
    const OverlaySteps steps = OverlayStepsFor(geometry.UnitType);
    const SurfacePen pen{RulerColor, 1, PenStyle::Solid};
    auto length = [&](long long v) {
        return v % steps.LongTick == 0 ? LongTickPixels : ShortTickPixels;
    };
    ForEachStep(steps.FirstTick, steps.Tick, geometry.Get_UnitWidth(), [&](long long x) {
        const int px = geometry.UnitToPixelX(double(x));
        target.DrawLine({px, 0}, {px, length(x)}, pen);
    });
    ForEachStep(steps.FirstTick, steps.Tick, geometry.Get_UnitHeight(), [&](long long y) {
        const int py = geometry.UnitToPixelY(double(y));
        target.DrawLine({0, py}, {length(y), py}, pen);
    });
}
