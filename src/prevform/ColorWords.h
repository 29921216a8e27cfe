#pragma once
// The colour words of the command language, both ways. Values are 24-bit with
// red in the low byte ("RED" is 0x0000FF, "BLUE" 0xFF0000).
#include <QString>
#include <cstdint>

// Upper-cased, trimmed word to value; any word not listed (BLACK too) is black.
uint32_t ColorFromWord(const QString& word);
// Value to the word a builder writes; a value without a word is "BLACK".
QString WordFromColor(uint32_t color);
// For QPainter: 0x0000FF becomes QColor(255, 0, 0).
class QColor;
QColor ToQColor(uint32_t color);
