#pragma once
// Saving the preview's picture: which format a file name asks for, the
// picture encoded in it, and replacing a file only once its new content is
// completely written, so a failed save never leaves a truncated file where
// an older one was.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

enum class ExportFormat { Bmp, Jpeg, Png, Pdf };

// By the name's extension, in any letter case: ".jpg" and ".jpeg" JPEG,
// ".png" PNG, ".pdf" PDF; every other name, one without an extension
// included, BMP.
ExportFormat ExportFormatFor(const QString& fileName);

// The file dialogs' filter for PDF files.
inline const QString kPdfFilter = QStringLiteral("PDF ファイル (*.pdf)");

// The picture as a BMP, JPEG (at quality) or PNG file; empty for a null
// picture or for Pdf, which is drawn afresh rather than encoded.
QByteArray EncodePicture(const QImage& picture, ExportFormat format, int quality);

// Lets write fill a temporary file beside path and then puts it in path's
// place. On failure path is unchanged and error says which file could not
// be written ("<path> に書き込めません").
bool ReplaceFileWith(const QString& path, const std::function<bool(const QString& temp)>& write,
                     QString* error);
// The same with a finished content.
bool WriteFileReplacing(const QString& path, const QByteArray& data, QString* error);
