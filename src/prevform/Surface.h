#pragma once
// Surface: the few drawing operations the interpreter and the renderer need
// from a graphics device, in device pixels. The screen page image and the
// printer/PDF implement it with QPainter (QPainterSurface); the tests use a
// recording fake. A surface holds no drawing state: every call carries its
// pen, font or brush.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>

struct PageFont;

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot };

// Colours everywhere are 24-bit values with red in the low byte (0x0000FF is red).
struct SurfacePen {
    uint32_t Color = 0x000000;
    int Width = 1;              // device pixels; 0 = the thinnest line the device draws
    PenStyle Style = PenStyle::Solid;
    bool operator==(const SurfacePen&) const = default;
};

// A solid brush puts text on an opaque box of its colour; a clear one draws
// text on a transparent background.
struct SurfaceBrush {
    uint32_t Color = 0xFFFFFF;
    bool Solid = false;
    bool operator==(const SurfaceBrush&) const = default;
};

// A font as a device sees it: the face as written (mapped to an installed face
// when drawn), the em height in device pixels, colour and style bits.
struct DeviceFont {
    QString Face;
    int PixelHeight = 12;
    uint32_t Color = 0x000000;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const DeviceFont&) const = default;

    // Size in points becomes size × dpiY / 72 pixels, rounded half away from zero.
    static DeviceFont FromSpec(const PageFont& font, int dpiY);
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    // The drawable page in device pixels (the page image, or the printable area).
    virtual QSize PixelSize() const = 0;

    // One pass: on a printer one print job of one page, always ended by EndDoc;
    // on a page image it only keeps one painter open for the pass. false when
    // the job could not be started (nothing will be drawn until EndDoc).
    virtual bool BeginDoc() = 0;
    virtual void EndDoc() = 0;

    // Fills from (x1, y1) up to, not including, (x2, y2).
    virtual void FillRect(int x1, int y1, int x2, int y2, uint32_t color) = 0;
    // A straight line; the end point itself is not painted.
    virtual void DrawLine(QPoint from, QPoint to, const SurfacePen& pen) = 0;
    // Text with the top-left corner of its character cells at topLeft. advance
    // above 0 puts every character that many pixels after the previous one.
    virtual void DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                          const SurfaceBrush& brush, int advance = 0) = 0;
    // Text turned about origin by escapement tenths of a degree, counter-clockwise;
    // origin is the unrotated top-left corner.
    virtual void DrawTextAngle(QPoint origin, const QString& text, const DeviceFont& font,
                               int escapement, const SurfaceBrush& brush) = 0;
    // The picture stretched into the rectangle from (x1, y1) to (x2, y2).
    virtual void DrawPicture(int x1, int y1, int x2, int y2, const QImage& picture) = 0;
    // Width and height (the character cell) of text in device pixels.
    virtual QSize MeasureText(const QString& text, const DeviceFont& font) const = 0;

    // Copies the page, scaled, into the whole of dest (the whole-page view).
    // Only a page image can do this; other surfaces leave dest alone.
    virtual void CopyScaledTo(QImage& dest) const { (void)dest; }
};
