#pragma once
// The colour words of the command language, both ways. Values are 24-bit with
// red in the low byte ("RED" is 0x0000FF, "BLUE" 0xFF0000).
#include <QString>
#include <cstdint>

// Upper-cased, trimmed word to value; any word not listed (BLACK too) is black.
uint32_t ColorFromWord(const QString& word);
// Value to the word a builder writes; a value without a word is "BLACK".
QString WordFromColor(uint32_t color);
// The sixteen colours a builder can write, each once, in the order a
// palette shows them (BLACK first). Any other value prints black.
struct NamedColor {
    const char* Word;
    uint32_t Value;
};
const NamedColor* NamedColors(int* count);
bool IsNamedColor(uint32_t color);
// The named colour nearest to color (by the sum of the channel differences).
uint32_t NearestNamedColor(uint32_t color);
// For QPainter: 0x0000FF becomes QColor(255, 0, 0).
class QColor;
QColor ToQColor(uint32_t color);
