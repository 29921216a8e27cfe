#pragma once
// QPainterSurface: the Surface on a real device through QPainter. Either a
// page image it owns (a QImage at the screen's resolution, white when made)
// or a printer/PDF device at the printer's resolution, where one pass is one
// print job of one page. Coordinates far outside the page are clipped here so
// the rasteriser never sees them.
//
// The painter of a pass stays open from BeginDoc to EndDoc and keeps its pen
// and font from one call to the next: each call sets only what differs from
// what the painter already has. Every state change costs a PDF device a new
// graphics state in its page, so a pass of many texts and lines writes (and
// the printer reads) far less than it would with the state saved and
// restored around every call.
#include "prevform/Surface.h"
#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>
#include <vector>

class PrinterInfo;
class QPagedPaintDevice;

class QPainterSurface : public Surface {
public:
    // A page image of size pixels at dpi dots per inch.
    QPainterSurface(QSize size, int dpi);
    // A printer; the page is its printable area (size) at dpiX × dpiY. Each
    // pass paints on the device the printer has when the pass begins.
    QPainterSurface(PrinterInfo& printer, QSize size, int dpiX, int dpiY);
    ~QPainterSurface() override;

    // A page image only: a new blank white image of size pixels.
    void SetImageSize(QSize size);
    void SetDpi(int dpiX, int dpiY);
    const QImage& Image() const { return Page; }
    bool IsPrinter() const { return Printer != nullptr; }
    // A printer only: the next page of the job a pass has begun.
    bool NewPage();

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
    PrinterInfo* Printer = nullptr;
    QPagedPaintDevice* Device = nullptr;  // the printer's device while a pass is open
    QSize Size;
    int ResX, ResY;
    std::unique_ptr<QPainter> Active; // open between BeginDoc and EndDoc
    QPoint Origin;                    // of the printable area on a full-page printer,
                                      // added to every coordinate

    // The fonts of the last texts drawn or measured, each made and measured
    // once rather than for every text; holding them also keeps their glyph
    // caches alive from one pass to the next.
    struct MadeFont {
        DeviceFont Asked;  // the font as the interpreter asked for it
        QFont Font;
        QFontMetrics Metrics;
        mutable std::optional<QRawFont> Raw;  // made at its first row on a pitch
    };
    mutable std::vector<MadeFont> Fonts;
    const MadeFont& FontFor(const DeviceFont& font) const;
    static bool PaintGlyphRow(QPainter& p, const MadeFont& made, const QFont& plain, QPoint origin,
                              const QString& text, int advance);

    // What the open painter holds, so that unchanged pens and fonts are not
    // set again; none after a painter was begun or its state restored.
    std::optional<QPen> PainterPen;
    std::optional<DeviceFont> PainterFont;

    // Runs draw with an open painter: the pass's, or on a page image a
    // temporary one. On a printer outside a job nothing is drawn.
    template <typename Fn> void Paint(Fn draw);
    // The state every painter starts from, and forgetting what it held.
    void StartPainter(QPainter& p);
    void SetPen(QPainter& p, const QPen& pen);
    void SetFont(QPainter& p, const DeviceFont& font, const QFont& qf);
    void PaintText(QPainter& p, QPoint topLeft, const QString& text, const DeviceFont& font,
                   const SurfaceBrush& brush, int advance);
};
