// The preview engine's printer passes: one page, a job of several pages,
// and a PDF file of one or more pages.
#include "prevform/PrevEngine.h"

#include "common/Prompts.h"
#include "common/AtExit.h"
#include "prevform/PageSequence.h"
#include "prevform/PrinterInfo.h"

#include <QFileInfo>

namespace {

// Names the printer when it has a name.
QString PrintNotStarted(const QString& printer)
{
    const QString advice = QStringLiteral("印刷を開始できませんでした。プリンタの設定を確認下さい");
    return printer.isEmpty() ? advice : QStringLiteral("プリンタ「%1」で").arg(printer) + advice;
}

} // namespace

bool PrevEngine::PassToPrinter()
{
    const int saved = Geometry.nTgtCanvas;
    Geometry.nTgtCanvas = PageGeometry::TgtPrinter;
    AtExit restore([&] { Geometry.nTgtCanvas = saved; });
    return DrawGraphicsOn(PrinterTarget());
}

bool PrevEngine::PrintOut()
{
    if (!IsVisible() || Geometry.ErrorNum > 0 || !PrinterPage)
        return false;
    const bool ok = PassToPrinter();
    if (!ok)
        Prompt.Message(PrintNotStarted(PrinterDevice->Name()));
    return ok;
}

void PrevEngine::BeginPrintDocument()
{
    if (PrinterPage && !Document)
        Document = std::make_unique<PageSequence>(*PrinterPage);
}

void PrevEngine::EndPrintDocument()
{
    Document.reset();
}

QImage PrevEngine::RenderImage()
{
    const int saved = Geometry.nTgtCanvas;
    if (Geometry.OnPrinter())
        Geometry.nTgtCanvas = PageGeometry::TgtImage;
    DrawGraphics();
    Geometry.nTgtCanvas = saved;
    return Screen.Image();
}

bool PrevEngine::PrintPages(const QList<QStringList>& pages)
{
    const QStringList shown = ListbyProgram;
    AtExit restore([&] {
        ListbyProgram = shown;
        LoadListPictures(2);
    });
    const bool ownJob = !Document;
    BeginPrintDocument();
    bool ok = true;
    for (const QStringList& page : pages) {
        ListbyProgram = page;
        LoadListPictures(2);
        ok = PrintOut();
        if (!ok)
            break;  // the reason was shown once
    }
    if (ownJob)
        EndPrintDocument();
    return ok;
}

bool PrevEngine::RenderPdf(const QString& path, QString* error)
{
    return RenderPdf(path, {ListbyProgram}, error);
}

bool PrevEngine::RenderPdf(const QString& path, const QList<QStringList>& pages, QString* error,
                           const std::function<bool(int)>& pageDone)
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (Geometry.ErrorNum > 0 || !PrinterPage)
        return fail(QStringLiteral("プリンタの設定を確認下さい"));
    // A PDF device with the printer's page, margins and resolution: the
    // same passes as a print, whatever printer is current, and the printer
    // itself (its job, its output file) stays untouched.
    const std::unique_ptr<PrinterInfo> pdf =
        PrinterDevice->PdfCopy(QFileInfo(path).absoluteFilePath());
    QPainterSurface page(*pdf, QSize(Geometry.PageW, Geometry.PageH), Geometry.PrinterResX,
                         Geometry.PrinterResY);
    PageSequence sequence(page);
    const int saved = Geometry.nTgtCanvas;
    const QStringList shown = ListbyProgram;
    Geometry.nTgtCanvas = PageGeometry::TgtPrinter;
    AtExit restore([&] {
        Geometry.nTgtCanvas = saved;
        ListbyProgram = shown;
        LoadListPictures(2);
    });
    int done = 0;
    for (const QStringList& program : pages) {
        ListbyProgram = program;
        LoadListPictures(2);
        if (!DrawGraphicsOn(sequence))
            return fail(QStringLiteral("PDF ファイルを書き出せません: %1").arg(path));
        if (pageDone && !pageDone(++done))
            return fail(QStringLiteral("中止しました"));
    }
    sequence.Finish();
    return true;
}
