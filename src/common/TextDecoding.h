#pragma once
// Turns the bytes of a text file (a list file, the settings file) into text
// and lines. A byte-order mark selects UTF-8 or UTF-16 (little or big
// endian); without one the bytes are read as UTF-8 when they are valid UTF-8
// and otherwise as the Japanese legacy code page CP932, in which files
// written on older Japanese systems are kept.
#include <QByteArray>
#include <QString>
#include <QStringList>

enum class TextEncoding { Utf8Bom, Utf16LE, Utf16BE, Utf8, Cp932 };

// The encoding the bytes are read in, by the rule above.
TextEncoding DetectEncoding(const QByteArray& bytes);

// The whole text, the byte-order mark removed.
QString DecodeText(const QByteArray& bytes);

// The lines of a text; CR LF, LF and a lone CR all end a line. A final line
// break does not start another (empty) line.
QStringList SplitTextLines(const QString& text);
