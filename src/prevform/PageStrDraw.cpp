#include "prevform/PageStrDraw.h"
#include "common/RealText.h"
#include <QPointF>

namespace {

// The effective position code: 0 none; codes above 4 act as 4; a negative code
// leaves the header undrawn and places the others as code 1.
int EffectiveCode(int code, PageStrKind kind)
{
    if (code < 0)
        return kind == PageStrKind::Header ? 0 : 1;
    return code > 4 ? 4 : code;
}

// The position (drawing unit) for codes 1..3; h is the text height.
QPointF AlignedPosition(PassContext& ctx, const TPageStr& rec, PageStrKind kind, int code, double h)
{
    const double w = ctx.Geometry.GetWidth(rec.psStr, ctx.State.Font);
    const double pageW = ctx.Geometry.AlignPageWidth(ctx.Target.PixelSize().width());
    const double x = code == 1 ? 0.0 : code == 2 ? -w : (pageW - w) / 2;
    switch (kind) {
    case PageStrKind::Header: return {x, 0.0};
    case PageStrKind::Footer: return {x, -(h + ctx.CreditHeight)};
    default: return {x, ctx.HeaderBottom};
    }
}

bool DrawAt(PassContext& ctx, const QString& text, double x, double y)
{
    const auto px = ctx.Geometry.TryUnitToPixelX(x);
    const auto py = ctx.Geometry.TryUnitToPixelY(y);
    if (!px || !py)
        return false;
    ctx.Target.DrawText({*px, *py}, text, ctx.State.DeviceFontFor(ctx.Target.DpiY()),
                        ctx.State.Brush);
    return true;
}

} // namespace

bool DrawPageStr(PassContext& ctx, TPageStr& rec, PageStrKind kind)
{
    const int code = EffectiveCode(rec.psPos, kind);
    if (rec.psDrawn || code == 0 || rec.psStr.isEmpty())
        return false;
    SetPageStr2Font(rec, ctx.State.Font);
    const double h = ctx.Geometry.GetHeight(rec.psStr, ctx.State.Font);
    QPointF pos;
    if (code == 4) {
        const auto x = PositionValue(rec.psX);
        const auto y = PositionValue(rec.psY);
        if (!x || !y)
            return false;
        pos = QPointF(*x, *y);
    } else {
        pos = AlignedPosition(ctx, rec, kind, code, h);
    }
    if (!DrawAt(ctx, rec.psStr, pos.x(), pos.y()))
        return false;
    rec.psDrawn = true;
    if (kind == PageStrKind::Header)
        ctx.HeaderBottom = h + pos.y();
    return true;
}

void DrawCopyright(PassContext& ctx)
{
    ctx.CreditHeight = 0;
    const TPageStr& rec = ctx.Copyright;
    if (rec.psStr.isEmpty())
        return;
    ctx.State.Font.Color = 0x000000;
    SetPageStr2Font(rec, ctx.State.Font);
    const double h = ctx.Geometry.GetHeight(rec.psStr, ctx.State.Font);
    ctx.CreditHeight = h;
    DrawAt(ctx, rec.psStr, 0.0, -h);
}

void ResetDrawState(PassContext& ctx)
{
    ctx.State.InitParam(ctx.Target.DpiY());
}
