#pragma once
// QPainterSurface: the Surface on a real device through QPainter. Either a
// page image it owns (a QImage at the screen's resolution, white when made)
// or a printer/PDF device at the printer's resolution, where one pass is one
// print job of one page. Coordinates far outside the page are clipped here so
// the rasteriser never sees them.
#include "prevform/Surface.h"
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

class QPrinter;

class QPainterSurface : public Surface {
public:
    // A page image of size pixels at dpi dots per inch.
    QPainterSurface(QSize size, int dpi);
    // A printer; the page is its printable area (size) at dpiX × dpiY.
    QPainterSurface(QPrinter* printer, QSize size, int dpiX, int dpiY);
    ~QPainterSurface() override;

    // A page image only: a new blank white image of size pixels.
    void SetImageSize(QSize size);
    void SetDpi(int dpiX, int dpiY);
    const QImage& Image() const { return Page; }
    bool IsPrinter() const { return Device != nullptr; }

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
    void CopyScaledTo(QImage& dest) const override;

private:
    QImage Page;
    QPrinter* Device = nullptr;
    QSize Size;
    int ResX, ResY;
    std::unique_ptr<QPainter> Active; // open between BeginDoc and EndDoc
    QPoint Origin;                    // of the printable area on a full-page printer

    // The fonts of the last texts drawn or measured, each made and measured
    // once rather than for every text; holding them also keeps their glyph
    // caches alive from one pass to the next.
    struct MadeFont {
        DeviceFont Asked;  // the font as the interpreter asked for it
        QFont Font;
        QFontMetrics Metrics;
    };
    mutable std::vector<MadeFont> Fonts;
    const MadeFont& FontFor(const DeviceFont& font) const;

    // Runs draw with an open painter: the pass's, or on a page image a
    // temporary one. On a printer outside a job nothing is drawn.
    template <typename Fn> void Paint(Fn draw);
    void PaintText(QPainter& p, QPoint topLeft, const QString& text, const DeviceFont& font,
                   const SurfaceBrush& brush, int advance);
};
