#include "sheet/PageOutput.h"

#include "prevform/PrevEngine.h"
#include "sheet/PageExport.h"
#include "sheet/SetProgress.h"

#include <QFileInfo>

namespace {

constexpr int kJpegQuality = 90;

} // namespace

void ListPages(const QList<QStringList>& pages, std::ostream& out)
{
    const qsizetype count = pages.size();
    for (qsizetype k = 0; k < count; ++k) {
        if (k > 0)
            out << "== page " << k + 1 << '/' << count << " ==\n";
        for (const QString& line : pages.at(k))
            out << line.toStdString() << '\n';
    }
}

QStringList PageImagePaths(const QString& path, int count)
{
    if (count == 1)
        return {path};
    const QString suffix = QFileInfo(path).suffix();
    QString stem = path;
    if (!suffix.isEmpty())
        stem.chop(suffix.size() + 1);
    QStringList paths;
    for (int k = 1; k <= count; ++k)
        paths << stem + QLatin1Char('-') + QString::number(k)
                     + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return paths;
}

bool SavePageImage(const QImage& image, const QString& path, int dpi, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("%1: the page image is empty").arg(path);
        return false;
    }
    QImage marked = image;
    const int dotsPerMetre = qRound(dpi / 0.0254);
    marked.setDotsPerMeterX(dotsPerMetre);
    marked.setDotsPerMeterY(dotsPerMetre);
    return WriteFileReplacing(path, EncodePicture(marked, ExportFormatFor(path), kJpegQuality),
                              &error);
}

bool SavePages(PrevEngine& engine, const QList<QStringList>& pages, const QString& path,
               QString& error)
{
    if (ExportFormatFor(path) == ExportFormat::Pdf)
        return ReplaceFileWith(path, [&](const QString& temp) {
            return engine.RenderPdf(temp, pages);
        }, &error);
    const QStringList paths = PageImagePaths(path, int(pages.size()));
    for (qsizetype k = 0; k < pages.size(); ++k) {
        engine.ListbyProgram = pages.at(k);
        engine.LoadListPictures(2);
        if (!SavePageImage(engine.RenderImage(), paths.at(k), engine.Geometry.MonitorRes, error))
            return false;
    }
    return true;
}

bool SavePdfPages(PrevEngine& engine, const QList<QStringList>& pages, const QString& path,
                  SetProgress& progress, QString& error)
{
    const int count = int(pages.size());
    bool cancelled = !progress.Step(0, count, QStringLiteral("PDF を書いています"));
    const bool saved = !cancelled && ReplaceFileWith(path, [&](const QString& temp) {
        return engine.RenderPdf(temp, pages, nullptr, [&](int done) {
            cancelled = !progress.Step(done, count,
                                       QStringLiteral("PDF を書いています (%1 / %2 ページ)")
                                           .arg(done).arg(count));
            return !cancelled;
        });
    }, &error);
    if (cancelled)
        error.clear();
    return saved && !cancelled;
}
