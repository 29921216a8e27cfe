#include "prevform/PictureLoader.h"

#include "prevform/JpegCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Larger files cannot hold a picture within the pixel limit in any format we
// read, so they are not even loaded into memory.
constexpr qint64 kMaxPictureFileBytes = 512LL * 1024 * 1024;

QImage LoadJpeg(const QString& path)
{
    QFile file(path);
    if (file.size() > kMaxPictureFileBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

QImage LoadWithQt(const QString& path, const QString& suffix)
{
    // A reader that cannot tell the size up front still meets Qt's own
    // allocation limit (256 MB by default) while it decodes.
    QImageReader reader(path, suffix.toLatin1());
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    QImage image = reader.read();
    if (!image.isNull() && qint64(image.width()) * image.height() > kMaxPicturePixels)
        return {};
    return image;
}

} // namespace

bool IsJpegName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
           suffix == QLatin1String("jpe") || suffix == QLatin1String("jfif");
}

QImage LoadPicture(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return {};
    if (IsJpegName(path))
        return LoadJpeg(path);
    return LoadWithQt(path, info.suffix().toLower());
}
