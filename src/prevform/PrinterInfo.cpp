#include "prevform/PrinterInfo.h"
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

std::unique_ptr<PrinterInfo> PrinterInfo::BuiltInPdf(const QString& pdfPath)
{
    return std::unique_ptr<PrinterInfo>(new PrinterInfo(BuiltInTag{}, pdfPath));
}

PrinterInfo::PrinterInfo(BuiltInTag, const QString& pdfPath)
    : PrinterInfo(pdfPath, BuiltInLayout(), BuiltInDpi, ExactArea(BuiltInLayout(), BuiltInDpi))
{
}

PrinterInfo::PrinterInfo(DeviceTag) {}

PrinterInfo::PrinterInfo(const QString& pdfPath, const QPageLayout& layout, int resolution,
                         const QRect& area)
    : Path(pdfPath), Layout(layout), Res(resolution), Area(area)
{
}

PrinterInfo::~PrinterInfo() = default;

QPageLayout PrinterInfo::BuiltInLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(BuiltInMarginMm, BuiltInMarginMm, BuiltInMarginMm, BuiltInMarginMm),
                       QPageLayout::Millimeter);
}

QRect PrinterInfo::ExactArea(const QPageLayout& layout, int resolution)
{
    // The page as it lies: a landscape page is wider than tall.
    const QSizeF page = layout.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    auto px = [resolution](double mm) { return qRound(mm * resolution / 25.4); };
    return QRect(px(m.left()), px(m.top()), px(page.width() - m.left() - m.right()),
                 px(page.height() - m.top() - m.bottom()));
}

std::optional<PrinterCaps> PrinterInfo::Query() const
{
    const int res = Resolution();
    const QRect area = PrintableArea();
    if (res <= 0 || area.isEmpty())
        return std::nullopt;
    return PrinterCaps{res, res, area.width(), area.height()};
}

QPagedPaintDevice* PrinterInfo::Device()
{
    if (!Writer) {
        // The whole sheet is the writer's page; passes are placed on it from
        // PaintOrigin(), so the margins stay exact.
        Writer = std::make_unique<QPdfWriter>(Path);
        Writer->setResolution(Res);
        Writer->setPageLayout(QPageLayout(Layout.pageSize(), Layout.orientation(), QMarginsF()));
        Writer->setTitle(Title);
    }
    return Writer.get();
}

QPoint PrinterInfo::PaintOrigin() const
{
    return Area.topLeft();
}

void PrinterInfo::SetPdfPath(const QString& path)
{
    if (path == Path)
        return;
    Path = path;
    Writer.reset();  // the next pass writes to the new file
}

void PrinterInfo::SetJobTitle(const QString& title)
{
    Title = title;
    if (Writer)
        Writer->setTitle(title);
}

QString PrinterInfo::PdfPath() const
{
    return Path;
}

QPageLayout PrinterInfo::PageLayout() const
{
    return Layout;
}

int PrinterInfo::Resolution() const
{
    return Res;
}

QRect PrinterInfo::PrintableArea() const
{
    return Area;
}

std::unique_ptr<PrinterInfo> PrinterInfo::PdfCopy(const QString& pdfPath) const
{
    return std::unique_ptr<PrinterInfo>(
        new PrinterInfo(pdfPath, PageLayout(), Resolution(), PrintableArea()));
}
