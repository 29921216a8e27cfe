// Picture loading: the input is decoded as JPEG in memory and, as a file, by
// the loader under the extension the first byte picks (JPEG, BMP or PNG).
#include "FuzzSupport.h"
#include "prevform/JpegCodec.h"
#include "prevform/PictureLoader.h"
#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const QString names[] = {"p.jpg", "p.bmp", "p.png"};
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QImage decoded = DecodeJpeg(bytes);
    if (!decoded.isNull() && qint64(decoded.width()) * decoded.height() > kMaxPicturePixels)
        FuzzFailure("JPEG beyond the pixel limit", QString::number(decoded.width()));
    const QString& name = names[data[0] % 3];
    WriteFuzzFile(name, bytes);
    const QImage loaded = LoadPicture(QDir(FuzzFolder()).filePath(name));
    if (!loaded.isNull() && qint64(loaded.width()) * loaded.height() > kMaxPicturePixels)
        FuzzFailure("picture beyond the pixel limit", name);
    return 0;
}
