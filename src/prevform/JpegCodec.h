#pragma once
// JPEG decoding and encoding with libjpeg-turbo. Decoding refuses pictures
// above a pixel limit before any pixel memory is allocated, so a broken or
// hostile file cannot exhaust memory; every libjpeg error becomes a null
// image or an empty byte array instead of ending the program.
#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures larger than this many pixels are treated as unreadable.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

// The decoded picture (Format_RGB32), or a null image when the data is not a
// JPEG libjpeg can read or the picture is larger than kMaxPicturePixels.
QImage DecodeJpeg(const QByteArray& data);

// The picture as a baseline JPEG at quality (clamped to 1..100); empty when
// the image is null.
QByteArray EncodeJpeg(const QImage& image, int quality);

// Writes EncodeJpeg's result to path; false with a reason when that failed.
bool SaveJpeg(const QImage& image, int quality, const QString& path, QString* error = nullptr);
