#pragma once
// DrawState: the drawing state that command lines change: font, pen, brush,
// the style flags used by rotated text, the device height of the font size,
// and the picture slot counter.
// InitParam() is the reset of "INITPARAM".
#include "prevform/PageFont.h"
#include "prevform/Surface.h"

struct DrawState {
    PageFont Font;
    SurfacePen Pen;
    SurfaceBrush Brush;
    bool fBold = false;        // set by "FontStyle" and the reset only; used by rotated text
    bool fItalic = false;
    bool fUnderline = false;
    bool fStrikeout = false;
    int nfontheight = -12;     // -(size × dpiY / 72), rounded: a character height
    int PictureSlot = 0;       // next "Picture" slot of the list being run

    // Font "ＭＳ Ｐゴシック" 9 pt black, pen 1 px black solid, clear white
    // brush, flags false; font height for a target of dpiY dots per inch.
    void InitParam(int dpiY);
    // Sets the font size and the device height that follows it.
    void SetFontSize(int points, int dpiY);
    // The font for drawing on a target of dpiY dots per inch.
    DeviceFont DeviceFontFor(int dpiY) const;

    static constexpr int FontHeight(int points, int dpiY);
};

constexpr int DrawState::FontHeight(int points, int dpiY)
{
    // points × dpi / 72, rounded half away from zero.
    long long num = static_cast<long long>(points) * dpiY;
    long long q = (num >= 0 ? num + 36 : num - 36) / 72;
    return -static_cast<int>(q);
}
