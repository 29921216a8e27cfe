#pragma once
// Loads the picture that a "Picture" command names. The file extension picks
// the reader: JPEG files go through libjpeg-turbo, every other extension
// through Qt's image readers (BMP and PNG at least). Pictures above
// kMaxPicturePixels are refused before their pixels are allocated.
#include <QImage>
#include <QString>

// The picture, or a null image when the file is missing, is not a picture
// the reader for its extension can read, or is too large.
QImage LoadPicture(const QString& path);

// True for the extensions read with libjpeg-turbo (.jpg, .jpeg, .jpe, .jfif,
// any letter case).
bool IsJpegName(const QString& path);
