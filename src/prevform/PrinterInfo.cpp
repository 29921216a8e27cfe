#include "prevform/PrinterInfo.h"
#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

QString DefaultPdfPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::homePath();
    return QDir(dir).filePath(QStringLiteral("shosu-drill.pdf"));
}

std::function<std::unique_ptr<PrinterInfo>()>& DefaultMaker()
{
    static std::function<std::unique_ptr<PrinterInfo>()> maker;
    return maker;
}

} // namespace

PrinterInfo::PrinterInfo()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        MakeBuiltIn(DefaultPdfPath());
        return;
    }
    Device = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

PrinterInfo::PrinterInfo(BuiltInTag, const QString& pdfPath)
{
    MakeBuiltIn(pdfPath);
}

std::unique_ptr<PrinterInfo> PrinterInfo::BuiltInPdf(const QString& pdfPath)
{
    return std::unique_ptr<PrinterInfo>(new PrinterInfo(BuiltInTag{}, pdfPath));
}

std::unique_ptr<PrinterInfo> PrinterInfo::MakeDefault()
{
    if (DefaultMaker())
        return DefaultMaker()();
    return std::make_unique<PrinterInfo>();
}

void PrinterInfo::SetDefaultMaker(std::function<std::unique_ptr<PrinterInfo>()> maker)
{
    DefaultMaker() = std::move(maker);
}

PrinterInfo::~PrinterInfo() = default;

void PrinterInfo::MakeBuiltIn(const QString& pdfPath)
{
    fBuiltIn = true;
    Device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    Device->setOutputFormat(QPrinter::PdfFormat);
    Device->setResolution(BuiltInDpi);
    Device->setPageSize(QPageSize(QPageSize::A4));
    Device->setPageOrientation(QPageLayout::Portrait);
    Device->setPageMargins(QMarginsF(BuiltInMarginMm, BuiltInMarginMm, BuiltInMarginMm,
                                     BuiltInMarginMm),
                           QPageLayout::Millimeter);
    // Full-page mode: Qt would round the margins to whole points, so the page
    // area is placed here to the exact millimetre (see PrintableArea).
    Device->setFullPage(true);
    Device->setOutputFileName(pdfPath);
}

void PrinterInfo::SetPdfPath(const QString& path)
{
    if (fBuiltIn)
        Device->setOutputFileName(path);
}

QString PrinterInfo::PdfPath() const
{
    return Device->outputFileName();
}

std::unique_ptr<QPrinter> PrinterInfo::PdfCopy(const QString& pdfPath) const
{
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setResolution(Device->resolution());
    pdf->setPageLayout(Device->pageLayout());
    pdf->setFullPage(Device->fullPage());
    pdf->setOutputFileName(pdfPath);
    return pdf;
}

std::optional<PrinterCaps> PrinterInfo::Query() const
{
    if (!Device || !Device->isValid())
        return std::nullopt;
    const int resX = Device->logicalDpiX();
    const int resY = Device->logicalDpiY();
    const QRect area = PrintableArea(*Device);
    if (resX <= 0 || resY <= 0 || area.isEmpty())
        return std::nullopt;
    return PrinterCaps{resX, resY, area.width(), area.height()};
}

QRect PrinterInfo::PrintableArea(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    if (!printer.fullPage())
        return layout.paintRectPixels(printer.resolution());
    const double res = printer.resolution();
    // The page as it lies: a landscape page is wider than tall.
    const QSizeF page = layout.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    auto px = [res](double mm) { return qRound(mm * res / 25.4); };
    return QRect(px(m.left()), px(m.top()), px(page.width() - m.left() - m.right()),
                 px(page.height() - m.top() - m.bottom()));
}
