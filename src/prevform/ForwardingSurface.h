#pragma once
// ForwardingSurface: a Surface that hands every call to another one. A
// surface that changes only a few calls (a printer job of several pages, a
// test that records what it draws) derives from it and overrides just those.
#include "prevform/Surface.h"

class ForwardingSurface : public Surface {
public:
    explicit ForwardingSurface(Surface& inner) : Inner(inner) {}

    int DpiX() const override { return Inner.DpiX(); }
    int DpiY() const override { return Inner.DpiY(); }
    QSize PixelSize() const override { return Inner.PixelSize(); }
    bool BeginDoc() override { return Inner.BeginDoc(); }
    void EndDoc() override { Inner.EndDoc(); }
    void FillRect(int x1, int y1, int x2, int y2, uint32_t color) override
    {
        Inner.FillRect(x1, y1, x2, y2, color);
    }
    void DrawLine(QPoint from, QPoint to, const SurfacePen& pen) override
    {
        Inner.DrawLine(from, to, pen);
    }
    void DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                  const SurfaceBrush& brush, int advance) override
    {
        Inner.DrawText(topLeft, text, font, brush, advance);
    }
    void DrawTextAngle(QPoint origin, const QString& text, const DeviceFont& font, int escapement,
                       const SurfaceBrush& brush) override
    {
        Inner.DrawTextAngle(origin, text, font, escapement, brush);
    }
    void DrawPicture(int x1, int y1, int x2, int y2, const QImage& picture) override
    {
        Inner.DrawPicture(x1, y1, x2, y2, picture);
    }
    QSize MeasureText(const QString& text, const DeviceFont& font) const override
    {
        return Inner.MeasureText(text, font);
    }
    void CopyScaledTo(QImage& dest) const override { Inner.CopyScaledTo(dest); }

private:
    Surface& Inner;
};
