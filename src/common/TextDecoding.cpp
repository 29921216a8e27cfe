#include "common/TextDecoding.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace {

bool StartsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < static_cast<qsizetype>(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char byte : prefix)
        if (static_cast<unsigned char>(bytes[i++]) != byte)
            return false;
    return true;
}

bool IsValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// glibc's converter, for a Qt built without the CP932 codec. Undecodable
// bytes become U+FFFD, so a damaged file still yields its readable lines.
QString DecodeCp932WithIconv(const QByteArray& bytes)
{
    iconv_t converter = iconv_open("UTF-16LE", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    QString text;
    QByteArray out(4096, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* outPtr = out.data();
        size_t outLeft = static_cast<size_t>(out.size());
        const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        const auto produced = static_cast<qsizetype>(out.size() - static_cast<qsizetype>(outLeft));
        text += QString::fromUtf16(reinterpret_cast<const char16_t*>(out.constData()),
                                   produced / 2);
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            text += QChar(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return text;
}

QString DecodeCp932(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-31j");
    if (decoder.isValid())
        return decoder(bytes);
    return DecodeCp932WithIconv(bytes);
}

} // namespace

TextEncoding DetectEncoding(const QByteArray& bytes)
{
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return TextEncoding::Utf8Bom;
    if (StartsWith(bytes, {0xFF, 0xFE}))
        return TextEncoding::Utf16LE;
    if (StartsWith(bytes, {0xFE, 0xFF}))
        return TextEncoding::Utf16BE;
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

QString DecodeText(const QByteArray& bytes)
{
    switch (DetectEncoding(bytes)) {
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.mid(3));
    case TextEncoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    case TextEncoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Cp932:
        break;
    }
    return DecodeCp932(bytes);
}

QStringList SplitTextLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}
