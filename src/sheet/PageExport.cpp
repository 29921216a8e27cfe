#include "sheet/PageExport.h"
#include "prevform/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

ExportFormat ExportFormatFor(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return ExportFormat::Jpeg;
    if (suffix == QLatin1String("PNG"))
        return ExportFormat::Png;
    if (suffix == QLatin1String("PDF"))
        return ExportFormat::Pdf;
    return ExportFormat::Bmp;
}

QByteArray EncodePicture(const QImage& picture, ExportFormat format, int quality)
{
    if (picture.isNull())
        return {};
    if (format == ExportFormat::Jpeg)
        return EncodeJpeg(picture, quality);
    if (format == ExportFormat::Pdf)
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format == ExportFormat::Png ? "PNG" : "BMP"))
        return {};
    return data;
}

bool ReplaceFileWith(const QString& path, const std::function<bool(const QString& temp)>& write,
                     QString* error)
{
    auto fail = [&] {
        if (error)
            *error = QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path));
        return false;
    };
    const QFileInfo target(path);
    if (target.fileName().isEmpty() || target.isDir())
        return fail();
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                        + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return fail();
    temp.close();
    if (!write(temp.fileName()) || QFileInfo(temp.fileName()).size() == 0)
        return fail();
    // A new file gets the usual permissions, a replaced one keeps its own.
    const QFile::Permissions perms = target.exists()
        ? target.permissions()
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(temp.fileName(), perms);
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return fail();
    temp.setAutoRemove(false);
    return true;
}

bool WriteFileReplacing(const QString& path, const QByteArray& data, QString* error)
{
    return ReplaceFileWith(path, [&](const QString& temp) {
        if (data.isEmpty())
            return false;
        QFile file(temp);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && file.write(data) == data.size() && file.flush();
    }, error);
}
