#include "common/TextDecoding.h"

#include <gtest/gtest.h>

namespace {

const QString kJapanese = QStringLiteral("答え～①");

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes;
    bytes += littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        bytes.append(littleEndian ? lo : hi);
        bytes.append(littleEndian ? hi : lo);
    }
    return bytes;
}

TEST(TextDecodingTest, ChoosesEncodingByMarkOrContent)
{
    struct Case {
        QByteArray Bytes;
        TextEncoding Encoding;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF" + kJapanese.toUtf8(), TextEncoding::Utf8Bom},
        {Utf16(kJapanese, true), TextEncoding::Utf16LE},
        {Utf16(kJapanese, false), TextEncoding::Utf16BE},
        {kJapanese.toUtf8(), TextEncoding::Utf8},
        {"TextOut,1,2,abc", TextEncoding::Utf8},
        {QByteArray("\x93\x9a\x82\xa6\x81\x60\x87\x40"), TextEncoding::Cp932},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetectEncoding(c.Bytes), c.Encoding) << c.Bytes.toHex().constData();
        EXPECT_EQ(DecodeText(c.Bytes), c.Bytes.startsWith("TextOut") ? QString::fromLatin1(c.Bytes)
                                                                     : kJapanese);
    }
}

TEST(TextDecodingTest, SplitsOnEveryLineBreakKind)
{
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\nb\nc\rd")),
              (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\n\nb\n")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitTextLines(QString()), QStringList());
    EXPECT_EQ(SplitTextLines(QStringLiteral("\r\n")), QStringList{""});
}

} // namespace
