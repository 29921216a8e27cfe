#include "prevform/QPainterSurface.h"
#include "prevform/ColorWords.h"
#include "prevform/FontMap.h"
#include "prevform/PrinterInfo.h"
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLineF>
#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// Beyond this many pixels from the page nothing can show; coordinates are
// kept inside it so that QPainter's fixed-point rasteriser never overflows.
constexpr double Far = 1 << 22;

void SetImageDpi(QImage& image, int dpi)
{
    const int dpm = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
}

bool Near(QPoint p)
{
    return std::abs(p.x()) < Far && std::abs(p.y()) < Far;
}

// Liang-Barsky: the part of the line inside [-Far, Far]²; nullopt when none.
std::optional<QLineF> ClipLine(QPointF a, QPointF b)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() + Far, Far - a.x(), a.y() + Far, Far - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return QLineF(a + t0 * (b - a), a + t1 * (b - a));
}

Qt::PenStyle QtStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

// Dash patterns are counted in device pixels; on a fine device (a 600-dpi
// printer) they are stretched to the length they have on a 96-dpi screen,
// so a dotted line still looks dotted on paper.
QPen MakePen(const SurfacePen& pen, int dpi)
{
    QPen p(ToQColor(pen.Color));
    p.setWidth(std::clamp(pen.Width, 0, 32767)); // 0: Qt's cosmetic one-pixel line
    p.setStyle(QtStyle(pen.Style));
    const double stretch = dpi / 96.0;
    if (pen.Style != PenStyle::Solid && stretch > 1.5) {
        QList<qreal> pattern = p.dashPattern();
        for (qreal& d : pattern)
            d *= stretch;
        p.setDashPattern(pattern);
    }
    // A thin line leaves its end point unpainted; a wide one gets round ends.
    p.setCapStyle(pen.Width > 1 ? Qt::RoundCap : Qt::FlatCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

} // namespace

QPainterSurface::QPainterSurface(QSize size, int dpi) : ResX(dpi), ResY(dpi)
{
    SetImageSize(size);
}

QPainterSurface::QPainterSurface(PrinterInfo& printer, QSize size, int dpiX, int dpiY)
    : Printer(&printer), Size(size), ResX(dpiX), ResY(dpiY)
{
}

QPainterSurface::~QPainterSurface()
{
    EndDoc();
}

void QPainterSurface::SetImageSize(QSize size)
{
    if (Printer)
        return;
    EndDoc();
    Size = QSize(std::max(0, size.width()), std::max(0, size.height()));
    Page = QImage(Size, QImage::Format_RGB32);
    Page.fill(Qt::white);
    SetImageDpi(Page, ResY);
}

void QPainterSurface::SetDpi(int dpiX, int dpiY)
{
    ResX = dpiX;
    ResY = dpiY;
    if (!Printer && !Page.isNull())
        SetImageDpi(Page, ResY);
}

bool QPainterSurface::BeginDoc()
{
    if (Active)
        return true;
    if (!Printer && Page.isNull())
        return false;
    Device = Printer ? Printer->Device() : nullptr;
    if (Printer && !Device)
        return false;
    Active = std::make_unique<QPainter>();
    if (!(Device ? Active->begin(Device) : Active->begin(&Page))) {
        Active.reset();
        Device = nullptr;
        return false;
    }
    StartPainter(*Active);
    // The origin is the top-left corner of the printable area; added to the
    // coordinates rather than set as a transformation, which a new page of
    // the same job would have to be given again.
    Origin = Printer ? Printer->PaintOrigin() : QPoint();
    return true;
}

bool QPainterSurface::NewPage()
{
    return Active && Device && Device->newPage();
}

void QPainterSurface::EndDoc()
{
    if (!Active)
        return;
    Active->end();
    Active.reset();
    Device = nullptr;
}

void QPainterSurface::StartPainter(QPainter& p)
{
    // Lines are drawn without smoothing, so thin lines stay one device pixel.
    p.setRenderHint(QPainter::Antialiasing, false);
    PainterPen.reset();
    PainterFont.reset();
}

template <typename Fn> void QPainterSurface::Paint(Fn draw)
{
    if (Active) {
        draw(*Active);
    } else if (!Printer && !Page.isNull()) {
        QPainter p(&Page);
        StartPainter(p);
        draw(p);
        PainterPen.reset();
        PainterFont.reset();
    }
}

void QPainterSurface::SetPen(QPainter& p, const QPen& pen)
{
    if (PainterPen && *PainterPen == pen)
        return;
    p.setPen(pen);
    PainterPen = pen;
}

void QPainterSurface::SetFont(QPainter& p, const DeviceFont& font, const QFont& qf)
{
    if (PainterFont && *PainterFont == font)
        return;
    p.setFont(qf);
    PainterFont = font;
}

void QPainterSurface::FillRect(int x1, int y1, int x2, int y2, uint32_t color)
{
    auto clamp = [](int v) { return static_cast<int>(std::clamp<double>(v, -Far, Far)); };
    const QRect r = QRect(QPoint(clamp(x1), clamp(y1)), QPoint(clamp(x2), clamp(y2))).normalized();
    Paint([&](QPainter& p) {
        p.fillRect(QRect(r.topLeft() + Origin, QSize(r.width() - 1, r.height() - 1)), ToQColor(color));
    });
}

void QPainterSurface::DrawLine(QPoint from, QPoint to, const SurfacePen& pen)
{
    const auto line = ClipLine(from, to);
    if (!line)
        return;
    Paint([&](QPainter& p) {
        SetPen(p, MakePen(pen, ResX));
        p.drawLine(line->p1().toPoint() + Origin, line->p2().toPoint() + Origin);
    });
}

const QPainterSurface::MadeFont& QPainterSurface::FontFor(const DeviceFont& font) const
{
    // A sheet uses a handful of fonts; a few more than that are kept.
    constexpr size_t kept = 8;
    for (const MadeFont& made : Fonts)
        if (made.Asked == font)
            return made;
    if (Fonts.size() >= kept)
        Fonts.erase(Fonts.begin());
    const QFont qf = FontMap::MakeFont(font);
    return Fonts.emplace_back(MadeFont{font, qf, QFontMetrics(qf)});
}

void QPainterSurface::PaintText(QPainter& p, QPoint topLeft, const QString& text,
                                const DeviceFont& font, const SurfaceBrush& brush, int advance)
{
    const MadeFont& made = FontFor(font);
    const QFont& qf = made.Font;
    const QFontMetrics& m = made.Metrics;
    SetFont(p, font, qf);
    if (brush.Solid) {
        const int width = advance > 0 ? advance * static_cast<int>(text.size())
                                      : m.horizontalAdvance(text);
        p.fillRect(QRect(topLeft, QSize(width, m.height())), ToQColor(brush.Color));
    }
    SetPen(p, QPen(ToQColor(font.Color)));
    const int baseline = topLeft.y() + m.ascent();
    if (advance <= 0) {
        p.drawText(QPoint(topLeft.x(), baseline), text);
        return;
    }
    // One cell per UTF-16 unit; a surrogate pair is drawn in its first cell.
    // Underline and strike-out run through the whole row, gaps included.
    QFont plain = qf;
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    p.setFont(plain);
    PainterFont.reset();
    const int rowWidth = advance * static_cast<int>(text.size());
    const int lineWidth = std::max(1, m.lineWidth());
    if (font.Underline)
        p.fillRect(topLeft.x(), baseline + m.underlinePos(), rowWidth, lineWidth, ToQColor(font.Color));
    if (font.StrikeOut)
        p.fillRect(topLeft.x(), baseline - m.strikeOutPos(), rowWidth, lineWidth, ToQColor(font.Color));
    const QPoint origin(topLeft.x(), baseline);
    if (PaintGlyphRow(p, made, plain, origin, text, advance))
        return;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' '))
            continue;  // a blank cell: nothing to draw (rows of points are mostly blanks)
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString glyph = text.mid(i, pair ? 2 : 1);
        p.drawText(QPoint(topLeft.x() + static_cast<int>(i) * advance, baseline), glyph);
        if (pair)
            ++i;
    }
}

// A row on a pitch of characters the font holds itself (digits, points,
// Latin letters) drawn as one run of glyphs, a cell apart, without shaping
// every cell on its own; false, with nothing drawn, for any other text.
bool QPainterSurface::PaintGlyphRow(QPainter& p, const MadeFont& made, const QFont& plain,
                                    QPoint origin, const QString& text, int advance)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
            return false;
    if (!made.Raw)
        made.Raw = QRawFont::fromFont(plain);
    if (!made.Raw->isValid())
        return false;
    const QList<quint32> glyphs = made.Raw->glyphIndexesForString(text);
    if (glyphs.size() != text.size())
        return false;
    QList<quint32> shown;
    QList<QPointF> places;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' '))
            continue;
        if (glyphs[i] == 0)
            return false;  // not in this font: drawn with a fallback font
        shown.append(glyphs[i]);
        places.append(QPointF(static_cast<double>(i * advance), 0));
    }
    if (shown.isEmpty())
        return true;
    QGlyphRun run;
    run.setRawFont(*made.Raw);
    run.setGlyphIndexes(shown);
    run.setPositions(places);
    p.drawGlyphRun(origin, run);
    return true;
}

void QPainterSurface::DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                               const SurfaceBrush& brush, int advance)
{
    if (!Near(topLeft) || std::abs(advance) > Far / std::max<qsizetype>(1, text.size()))
        return;
    Paint([&](QPainter& p) { PaintText(p, topLeft + Origin, text, font, brush, advance); });
}

void QPainterSurface::DrawTextAngle(QPoint origin, const QString& text, const DeviceFont& font,
                                    int escapement, const SurfaceBrush& brush)
{
    if (!Near(origin))
        return;
    Paint([&](QPainter& p) {
        // The turn is the only transformation a pass sets; it ends with the
        // call, and the pen and font the painter held come back with it.
        const std::optional<QPen> pen = PainterPen;
        const std::optional<DeviceFont> held = PainterFont;
        p.save();
        p.translate(origin + Origin);
        p.rotate(-escapement / 10.0); // y grows downwards: counter-clockwise is negative
        PaintText(p, QPoint(0, 0), text, font, brush, 0);
        p.restore();
        PainterPen = pen;
        PainterFont = held;
    });
}

void QPainterSurface::DrawPicture(int x1, int y1, int x2, int y2, const QImage& picture)
{
    if (picture.isNull() || x1 == x2 || y1 == y2 || !Near({x1, y1}) || !Near({x2, y2}))
        return;
    const QRect target = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QSize(std::abs(x2 - x1), std::abs(y2 - y1)));
    // A rectangle given right-to-left or bottom-to-top shows the picture mirrored.
    const QImage image = (x2 < x1 || y2 < y1) ? picture.mirrored(x2 < x1, y2 < y1) : picture;
    Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(target.translated(Origin), image);
    });
}

QSize QPainterSurface::MeasureText(const QString& text, const DeviceFont& font) const
{
    const QFontMetrics& m = FontFor(font).Metrics;
    return QSize(m.horizontalAdvance(text), m.height());
}

void QPainterSurface::CopyScaledTo(QImage& dest) const
{
    if (Printer || Page.isNull() || dest.isNull())
        return;
    QPainter p(&dest);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(dest.rect(), Page);
}
