#include "preview/SystemPrinter.h"

#include <QDir>
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

SystemPrinter::SystemPrinter() : PrinterInfo(DeviceTag{})
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        MakeBuiltIn(DefaultPdfPath());
        return;
    }
    QtPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

SystemPrinter::SystemPrinter(const QString& pdfPath) : PrinterInfo(DeviceTag{})
{
    MakeBuiltIn(pdfPath);
}

SystemPrinter::~SystemPrinter() = default;

std::unique_ptr<PrinterInfo> SystemPrinter::BuiltInPdf(const QString& pdfPath)
{
    return std::unique_ptr<PrinterInfo>(new SystemPrinter(pdfPath));
}

std::unique_ptr<PrinterInfo> SystemPrinter::MakeDefault()
{
    if (DefaultMaker())
        return DefaultMaker()();
    return std::make_unique<SystemPrinter>();
}

void SystemPrinter::SetDefaultMaker(std::function<std::unique_ptr<PrinterInfo>()> maker)
{
    DefaultMaker() = std::move(maker);
}

void SystemPrinter::MakeBuiltIn(const QString& pdfPath)
{
    fBuiltIn = true;
    QtPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QtPrinter->setOutputFormat(QPrinter::PdfFormat);
    QtPrinter->setResolution(BuiltInDpi);
    QtPrinter->setPageLayout(BuiltInLayout());
    // Full-page mode: Qt would round the margins to whole points, so the page
    // area is placed here to the exact millimetre (see PrintableArea).
    QtPrinter->setFullPage(true);
    QtPrinter->setOutputFileName(pdfPath);
}

std::optional<PrinterCaps> SystemPrinter::Query() const
{
    if (!QtPrinter || !QtPrinter->isValid())
        return std::nullopt;
    const int resX = QtPrinter->logicalDpiX();
    const int resY = QtPrinter->logicalDpiY();
    const QRect area = PrintableArea();
    if (resX <= 0 || resY <= 0 || area.isEmpty())
        return std::nullopt;
    return PrinterCaps{resX, resY, area.width(), area.height()};
}

QPagedPaintDevice* SystemPrinter::Device()
{
    return QtPrinter.get();
}

QPoint SystemPrinter::PaintOrigin() const
{
    return QtPrinter->fullPage() ? PrintableArea().topLeft() : QPoint();
}

QString SystemPrinter::Name() const
{
    return fBuiltIn ? QString() : QtPrinter->printerName();
}

void SystemPrinter::SetJobTitle(const QString& title)
{
    PrinterInfo::SetJobTitle(title);
    QtPrinter->setDocName(title);
}

void SystemPrinter::SetPdfPath(const QString& path)
{
    if (fBuiltIn)
        QtPrinter->setOutputFileName(path);
}

QString SystemPrinter::PdfPath() const
{
    return QtPrinter->outputFileName();
}

QPageLayout SystemPrinter::PageLayout() const
{
    return QtPrinter->pageLayout();
}

int SystemPrinter::Resolution() const
{
    return QtPrinter->resolution();
}

QRect SystemPrinter::PrintableArea() const
{
    if (!QtPrinter->fullPage())
        return QtPrinter->pageLayout().paintRectPixels(QtPrinter->resolution());
    return ExactArea(QtPrinter->pageLayout(), QtPrinter->resolution());
}
