#pragma once
// RecordingSurface: a Surface that draws nothing and records every call as a
// readable line ("line 10,20-30,40 w1 c0x0000ff solid"), for tests. Text is
// measured as if every character were a square cell of the font's height.
#include "prevform/Surface.h"
#include <QStringList>
#include <vector>

class RecordingSurface : public Surface {
public:
    struct Call {
        QString Kind;            // fill, line, text, angle, picture, begin, end
        QPoint A, B;             // points or rectangle corners
        QString Text;
        DeviceFont Font;
        SurfacePen Pen;
        SurfaceBrush Brush;
        int Advance = 0;         // text: fixed advance; angle: escapement
        uint32_t Color = 0;      // fill colour
        QSize PictureSize;
    };

    explicit RecordingSurface(int dpi = 96, QSize size = QSize(794, 1123))
        : ResX(dpi), ResY(dpi), Size(size) {}
    RecordingSurface(int dpiX, int dpiY, QSize size) : ResX(dpiX), ResY(dpiY), Size(size) {}

    std::vector<Call> Calls;
    // Calls of one kind only.
    std::vector<Call> OfKind(const QString& kind) const;

    int DpiX() const override { return ResX; }
    int DpiY() const override { return ResY; }
    QSize PixelSize() const override { return Size; }
    bool BeginDoc() override;
    void EndDoc() override;
    void FillRect(int x1, int y1, int x2, int y2, uint32_t color) override;
    void DrawLine(QPoint from, QPoint to, const SurfacePen& pen) override;
    void DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                  const SurfaceBrush& brush, int advance = 0) override;
    void DrawTextAngle(QPoint origin, const QString& text, const DeviceFont& font,
                       int escapement, const SurfaceBrush& brush) override;
    void DrawPicture(int x1, int y1, int x2, int y2, const QImage& picture) override;
    QSize MeasureText(const QString& text, const DeviceFont& font) const override;

private:
    int ResX, ResY;
    QSize Size;
};
