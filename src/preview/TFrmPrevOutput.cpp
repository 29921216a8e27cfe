// The preview window's file menu: saving the visible picture (a PDF takes
// every page of the document), the JPEG quality, the clipboard, printer
// setup and printing every page as one job.
#include "preview/TFrmPrev.h"

#include "common/Prompts.h"
#include "sheet/PageExport.h"
#include "prevform/PrinterInfo.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

const QString kSaveFilter =
    QStringLiteral("Bitmap files (*.bmp);;Jpeg files (*.jpg *.jpeg);;") + kPdfFilter;

// The print dialog checks an output file as if it were about to be written
// and asks before overwriting an existing one. The built-in PDF printer's
// file is chosen only when printing, so during setup the dialog sees a name
// of no file, and the last PDF's name comes back afterwards.
void SetUpPrinter(Prompts& prompt, PrinterInfo& printer)
{
    if (!printer.Printer())
        return;  // a page of its own, without a printer to set up
    if (!printer.IsBuiltInPdf()) {
        prompt.PrintSetup(*printer.Printer());
        return;
    }
    const QString last = printer.PdfPath();
    const QTemporaryDir scratch;
    const QString unwritten = scratch.filePath(QFileInfo(last).fileName());
    printer.SetPdfPath(unwritten);
    prompt.PrintSetup(*printer.Printer());
    printer.SetPdfPath(last);
}

} // namespace

void TFrmPrev::B1Click()
{
    const auto name = Prompt.SaveFileName(QStringLiteral("ファイルに保存"), SaveFolder, kSaveFilter,
                                          QStringLiteral("JPG"));
    if (!name || name->isEmpty())
        return;
    QString error;
    const ExportFormat format = ExportFormatFor(*name);
    bool saved;
    if (format == ExportFormat::Pdf) {
        // The pages drawn afresh in printer dots: vector text and lines at true size.
        saved = ReplaceFileWith(*name, [&](const QString& temp) {
            return ErrorNum() < 0 && Prev->RenderPdf(temp, DocumentPages());
        }, &error);
    } else {
        saved = WriteFileReplacing(*name, EncodePicture(VisiblePicture(), format, CQuality), &error);
    }
    if (!saved) {
        Prompt.Message(error);
        return;
    }
    SaveFolder = QFileInfo(*name).absolutePath();
}

void TFrmPrev::J1Click()
{
    const auto text = Prompt.InputText(QStringLiteral("JPEG画像の質"),
                                       QStringLiteral("1～100の整数を入力して下さい"),
                                       QString::number(CQuality));
    if (!text)
        return;
    bool isInteger = false;
    const int value = text->trimmed().toInt(&isInteger, 10);
    if (!isInteger) {
        Prompt.Message(QStringLiteral("入力した文字列が整数ではありません"));
        return;
    }
    if (value < 1 || value > 100) {
        Prompt.Message(QStringLiteral("範囲を越えています.\r\n1から100までの整数を入力して下さい"));
        return;
    }
    CQuality = value;
}

void TFrmPrev::F1Click()
{
    const QImage picture = VisiblePicture();
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

void TFrmPrev::SetPrinter()
{
    SetUpPrinter(Prompt, Prev->Printer());
    if (!Prev->ReadPrinter())
        return;
    // The page may have turned (landscape): the whole-page picture takes the
    // new page's proportions rather than stretching it into the old ones.
    if (Prev->PageView == 2 && ErrorNum() < 0)
        FitWholePage();
    Prev->DrawGraphics();
    const PageGeometry& g = Prev->Geometry;
    setWindowTitle(QStringLiteral("Preview %1:%2 %3:%4")
                       .arg(g.PageW)
                       .arg(g.PageH)
                       .arg(g.PrinterResX)
                       .arg(g.PrinterResY));
    UpdatePictures();
}

void TFrmPrev::PrintToQueue(PrinterInfo& printer)
{
    const QString name = printer.Name();
    const QueueVerdict verdict = BeforePrinting(*Queue, name);
    if (verdict.Action == QueueVerdict::Refuse) {
        Prompt.Message(verdict.Text);
        return;
    }
    if (verdict.Action == QueueVerdict::Confirm && !Prompt.Confirm(verdict.Text))
        return;
    const std::optional<int> newestBefore = name.isEmpty() ? std::nullopt : Queue->NewestJob(name);
    if (!PrintDocument())
        return;  // the engine has said why
    const QString failure = AfterPrinting(*Queue, name, newestBefore, printer.JobTitle());
    if (!failure.isEmpty())
        Prompt.Message(failure);
}

void TFrmPrev::PrintOut()
{
    if (!isVisible() || ErrorNum() >= 0)
        return;
    if (const std::optional<QString> target = AskPrintTarget())
        PrintTo(*target);
}

std::optional<QString> TFrmPrev::AskPrintTarget()
{
    PrinterInfo& printer = Prev->Printer();
    printer.SetJobTitle(Title);
    if (!printer.IsBuiltInPdf())
        return QString();
    // No printer on this machine: the pages go to a PDF file the user names.
    const auto name = Prompt.SaveFileName(QStringLiteral("PDF ファイルに印刷"), printer.PdfPath(),
                                          kPdfFilter, QStringLiteral("pdf"));
    if (!name || name->isEmpty())
        return std::nullopt;
    return name;
}

void TFrmPrev::PrintTo(const QString& pdfName)
{
    if (!isVisible() || ErrorNum() >= 0)
        return;
    PrinterInfo& printer = Prev->Printer();
    printer.SetJobTitle(Title);
    if (!printer.IsBuiltInPdf()) {
        PrintToQueue(printer);
        return;
    }
    if (pdfName.isEmpty())
        return;
    QString error;
    bool printed = false;
    const bool saved = ReplaceFileWith(pdfName, [&](const QString& temp) {
        printer.SetPdfPath(temp);
        printed = PrintDocument();
        return printed;
    }, &error);
    printer.SetPdfPath(QFileInfo(pdfName).absoluteFilePath());
    if (saved)
        // One phrase a line: the box would otherwise wrap inside a word.
        Prompt.Message(QStringLiteral("プリンタがないため、PDF ファイル\n%1\nに印刷しました")
                           .arg(QDir::toNativeSeparators(pdfName)));
    else if (printed)
        Prompt.Message(error);
}
