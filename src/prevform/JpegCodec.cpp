#include "prevform/JpegCodec.h"

#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return;
// jumping back to the caller's setjmp is the library's documented way out.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

void SilentMessage(j_common_ptr) {}

void InstallErrors(jpeg_common_struct& info, ErrorManager& errors)
{
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.output_message = SilentMessage;
}

// CMYK JPEGs (usually from Adobe software) store inverted ink values.
QRgb CmykToRgb(const JSAMPLE* px, bool inverted)
{
    int c = px[0], m = px[1], y = px[2], k = px[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

void ConvertRow(const JSAMPLE* row, QRgb* out, int width, J_COLOR_SPACE space, bool inverted)
{
    for (int x = 0; x < width; ++x) {
        if (space == JCS_CMYK)
            out[x] = CmykToRgb(row + 4 * x, inverted);
        else
            out[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
}

// Separate from DecodeJpeg so that no object with a destructor lives in the
// frame that longjmp unwinds.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& data,
                QImage& image, JSAMPLE** rowBuffer)
{
    if (setjmp(errors.Jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (qint64(info.image_width) * qint64(info.image_height) > kMaxPicturePixels)
        return false;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return false;
    const bool inverted = cmyk && info.saw_Adobe_marker;
    *rowBuffer = new JSAMPLE[size_t(info.output_width) * size_t(info.output_components)];
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, rowBuffer, 1);
        ConvertRow(*rowBuffer, reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(),
                   info.out_color_space, inverted);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool EncodeInto(jpeg_compress_struct& info, ErrorManager& errors, const QImage& rgb, int quality,
                unsigned char** buffer, unsigned long* size)
{
    if (setjmp(errors.Jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    InstallErrors(*reinterpret_cast<jpeg_common_struct*>(&info), errors);
    QImage image;
    JSAMPLE* rowBuffer = nullptr;
    const bool ok = DecodeInto(info, errors, data, image, &rowBuffer);
    jpeg_destroy_decompress(&info);
    delete[] rowBuffer;
    return ok ? image : QImage();
}

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    ErrorManager errors{};
    InstallErrors(*reinterpret_cast<jpeg_common_struct*>(&info), errors);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = EncodeInto(info, errors, rgb, std::clamp(quality, 1, 100), &buffer, &size);
    jpeg_destroy_compress(&info);
    QByteArray bytes;
    if (ok && buffer)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

bool SaveJpeg(const QImage& image, int quality, const QString& path, QString* error)
{
    const QByteArray bytes = EncodeJpeg(image, quality);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("JPEG に変換できませんでした");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
