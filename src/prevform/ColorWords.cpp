#include "prevform/ColorWords.h"
#include "prevform/CommandSplit.h"
#include <QColor>
#include <array>
#include <utility>

namespace {

struct ColorWord {
    const char* Word;
    uint32_t Value;
};

// The language's words. GRAY and DKGRAY, SILVER and LTGRAY share a value;
// the first of each pair in WrittenWords is the one builders write.
constexpr std::array<ColorWord, 17> ReadWords{{
    {"AQUA", 0xFFFF00}, {"BLUE", 0xFF0000}, {"DKGRAY", 0x808080}, {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080}, {"GREEN", 0x008000}, {"LIME", 0x00FF00}, {"LTGRAY", 0xC0C0C0},
    {"MAROON", 0x000080}, {"NAVY", 0x800000}, {"OLIVE", 0x008080}, {"PURPLE", 0x800080},
    {"RED", 0x0000FF}, {"SILVER", 0xC0C0C0}, {"TEAL", 0x808000}, {"WHITE", 0xFFFFFF},
    {"YELLOW", 0x00FFFF},
}};

constexpr std::array<ColorWord, 16> WrittenWords{{
    {"BLACK", 0x000000}, {"MAROON", 0x000080}, {"RED", 0x0000FF}, {"GREEN", 0x008000},
    {"OLIVE", 0x008080}, {"LIME", 0x00FF00}, {"YELLOW", 0x00FFFF}, {"NAVY", 0x800000},
    {"PURPLE", 0x800080}, {"TEAL", 0x808000}, {"DKGRAY", 0x808080}, {"SILVER", 0xC0C0C0},
    {"BLUE", 0xFF0000}, {"FUCHSIA", 0xFF00FF}, {"AQUA", 0xFFFF00}, {"WHITE", 0xFFFFFF},
}};

} // namespace

uint32_t ColorFromWord(const QString& word)
{
    const QString w = CommandWord(word); // codes 0..32 trimmed, so "RED　" is no colour
    for (const auto& c : ReadWords)
        if (w == QLatin1String(c.Word))
            return c.Value;
    return 0x000000;
}

QString WordFromColor(uint32_t color)
{
    for (const auto& c : WrittenWords)
        if (c.Value == color)
            return QString::fromLatin1(c.Word);
    return QStringLiteral("BLACK");
}

QColor ToQColor(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
