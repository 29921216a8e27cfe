#pragma once
// Writing the pages of a composed document (a program list each) outside
// the preview window: the program lists on a stream, every page in one PDF
// file, or each page in an image file. Files are replaced only once
// completely written, as the preview saves them. The command-line tool
// writes its sheets this way.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

class PrevEngine;
class SetProgress;

// The pages one after another, a command line a line; each page after the
// first is preceded by "== page k/n ==".
void ListPages(const QList<QStringList>& pages, std::ostream& out);

// Where each of count pages goes for an image path: the path itself for one
// page, "x-1.png", "x-2.png" … for several.
QStringList PageImagePaths(const QString& path, int count);

// A page image as PNG or BMP (marked dpi) or as JPEG at quality 90, chosen
// by the path's ending; false with a message naming the path.
bool SavePageImage(const QImage& image, const QString& path, int dpi, QString& error);

// Every page into the PDF file path, or each page into its image file at the
// engine's screen resolution; false with the reason in error.
bool SavePages(PrevEngine& engine, const QList<QStringList>& pages, const QString& path,
               QString& error);

// Every page into the PDF file path, telling progress after each page. A
// cancel or a failure leaves path as it was; false then, with error empty
// for a cancel and otherwise naming the file.
bool SavePdfPages(PrevEngine& engine, const QList<QStringList>& pages, const QString& path,
                  SetProgress& progress, QString& error);
