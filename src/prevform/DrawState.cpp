#include "prevform/DrawState.h"
#include <cstdlib>

void DrawState::InitParam(int dpiY)
{
    Font = PageFont{};   // "ＭＳ Ｐゴシック", 9 pt, black, no style bit
    Pen = SurfacePen{};  // 1 px, black, solid
    Brush = SurfaceBrush{}; // white, clear
    fBold = fItalic = fUnderline = fStrikeout = false;
    SetFontSize(Font.Size, dpiY);
}

void DrawState::SetFontSize(int points, int dpiY)
{
    Font.Size = points;
    nfontheight = FontHeight(points, dpiY);
}

DeviceFont DrawState::DeviceFontFor(int dpiY) const
{
    return DeviceFont::FromSpec(Font, dpiY);
}

DeviceFont DeviceFont::FromSpec(const PageFont& font, int dpiY)
{
    DeviceFont d;
    d.Face = font.Name;
    d.PixelHeight = std::abs(DrawState::FontHeight(font.Size, dpiY));
    d.Color = font.Color;
    d.Bold = font.Bold;
    d.Italic = font.Italic;
    d.Underline = font.Underline;
    d.StrikeOut = font.StrikeOut;
    return d;
}
