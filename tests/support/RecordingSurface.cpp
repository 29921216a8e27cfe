#include "support/RecordingSurface.h"

std::vector<RecordingSurface::Call> RecordingSurface::OfKind(const QString& kind) const
{
    std::vector<Call> out;
    for (const auto& c : Calls)
        if (c.Kind == kind)
            out.push_back(c);
    return out;
}

bool RecordingSurface::BeginDoc()
{
    Call c;
    c.Kind = QStringLiteral("begin");
    Calls.push_back(c);
    return true;
}

void RecordingSurface::EndDoc()
{
    Call c;
    c.Kind = QStringLiteral("end");
    Calls.push_back(c);
}

void RecordingSurface::FillRect(int x1, int y1, int x2, int y2, uint32_t color)
{
    Call c;
    c.Kind = QStringLiteral("fill");
    c.A = QPoint(x1, y1);
    c.B = QPoint(x2, y2);
    c.Color = color;
    Calls.push_back(c);
}

void RecordingSurface::DrawLine(QPoint from, QPoint to, const SurfacePen& pen)
{
    Call c;
    c.Kind = QStringLiteral("line");
    c.A = from;
    c.B = to;
    c.Pen = pen;
    Calls.push_back(c);
}

void RecordingSurface::DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                                const SurfaceBrush& brush, int advance)
{
    Call c;
    c.Kind = QStringLiteral("text");
    c.A = topLeft;
    c.Text = text;
    c.Font = font;
    c.Brush = brush;
    c.Advance = advance;
    Calls.push_back(c);
}

void RecordingSurface::DrawTextAngle(QPoint origin, const QString& text, const DeviceFont& font,
                                     int escapement, const SurfaceBrush& brush)
{
    Call c;
    c.Kind = QStringLiteral("angle");
    c.A = origin;
    c.Text = text;
    c.Font = font;
    c.Brush = brush;
    c.Advance = escapement;
    Calls.push_back(c);
}

void RecordingSurface::DrawPicture(int x1, int y1, int x2, int y2, const QImage& picture)
{
    Call c;
    c.Kind = QStringLiteral("picture");
    c.A = QPoint(x1, y1);
    c.B = QPoint(x2, y2);
    c.PictureSize = picture.size();
    Calls.push_back(c);
}

QSize RecordingSurface::MeasureText(const QString& text, const DeviceFont& font) const
{
    return QSize(static_cast<int>(text.size()) * font.PixelHeight, font.PixelHeight);
}
