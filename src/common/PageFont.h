#pragma once
// A font as the command language and the composer see it: face name as the
// user wrote it (the Japanese Windows faces that sheets name, such as
// "ＭＳ Ｐゴシック", are mapped to installed faces only when drawing), size in points, colour as a 24-bit value with red
// in the low byte (0x0000FF is red), and the four style bits.
#include <QString>
#include <cstdint>

struct PageFont {
    QString Name = QStringLiteral("ＭＳ Ｐゴシック");
    int Size = 9;
    uint32_t Color = 0x000000;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const PageFont&) const = default;
};
