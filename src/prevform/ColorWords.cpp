#include "prevform/ColorWords.h"
#include "prevform/CommandSplit.h"
#include <QColor>
#include <array>
#include <cstdlib>
#include <utility>

namespace {

using ColorWord = NamedColor;

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

const NamedColor* NamedColors(int* count)
{
    *count = int(WrittenWords.size());
    return WrittenWords.data();
}

bool IsNamedColor(uint32_t color)
{
    for (const auto& c : WrittenWords)
        if (c.Value == color)
            return true;
    return false;
}

uint32_t NearestNamedColor(uint32_t color)
{
    const auto distance = [color](uint32_t other) {
        int sum = 0;
        for (int shift = 0; shift < 24; shift += 8)
            sum += std::abs(int((color >> shift) & 0xFF) - int((other >> shift) & 0xFF));
        return sum;
    };
    uint32_t best = WrittenWords.front().Value;
    for (const auto& c : WrittenWords)
        if (distance(c.Value) < distance(best))
            best = c.Value;
    return best;
}

QColor ToQColor(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
