#pragma once
// PrinterInfo: the printer the page is laid out for and printed on. As it
// stands it is the built-in PDF printer, A4 portrait at 600 dots per inch
// with 5 mm margins, written through Qt Gui's PDF writer, so that the
// headless callers (the command-line tool, tests, benchmarks) draw true-size
// pages without a printing library. The preview window's printer (the
// system's default printer, or the same PDF page on a printer device that
// the print setup dialog can change) derives from it in the window layer.
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

struct PrinterCaps {
    int ResX = 0;   // dots per inch
    int ResY = 0;
    int PageW = 0;  // printable area in printer pixels
    int PageH = 0;
    bool operator==(const PrinterCaps&) const = default;
};

class PrinterInfo {
public:
    // The built-in PDF printer, writing to pdfPath.
    static std::unique_ptr<PrinterInfo> BuiltInPdf(const QString& pdfPath);
    virtual ~PrinterInfo();
    PrinterInfo(const PrinterInfo&) = delete;
    PrinterInfo& operator=(const PrinterInfo&) = delete;

    // Resolution and printable area; nullopt when the printer exists but
    // cannot be queried (the caller reports it).
    virtual std::optional<PrinterCaps> Query() const;
    // The device a pass paints on; null when none can be made.
    virtual QPagedPaintDevice* Device();
    // Where the printable area starts in the coordinates of a painter on Device().
    virtual QPoint PaintOrigin() const;
    // The system printer behind this one, for the print setup dialog; null
    // for the PDF writer.
    virtual QPrinter* Printer() const { return nullptr; }
    virtual bool IsBuiltInPdf() const { return true; }
    // The printer's name as the system's print queue knows it; empty for
    // the PDF writer.
    virtual QString Name() const { return {}; }
    // The title of the next job: the name the print queue lists it under
    // (a PDF carries it as its document title).
    virtual void SetJobTitle(const QString& title);
    QString JobTitle() const { return Title; }
    // Where the built-in PDF printer writes (ignored by a real printer).
    virtual void SetPdfPath(const QString& path);
    virtual QString PdfPath() const;
    // The page with its margins, the resolution, and the printable area in device pixels.
    virtual QPageLayout PageLayout() const;
    virtual int Resolution() const;
    virtual QRect PrintableArea() const;

    // A PDF printer writing to pdfPath with this printer's page size,
    // orientation, resolution and printable area.
    std::unique_ptr<PrinterInfo> PdfCopy(const QString& pdfPath) const;

    // The printable area of layout at resolution, its margins placed to the
    // exact device pixel (Qt's own paint rectangle rounds them to whole points).
    static QRect ExactArea(const QPageLayout& layout, int resolution);
    // A4 portrait with the built-in margins.
    static QPageLayout BuiltInLayout();

    static constexpr int BuiltInDpi = 600;
    static constexpr double BuiltInMarginMm = 5.0;

protected:
    struct BuiltInTag {};
    PrinterInfo(BuiltInTag, const QString& pdfPath);
    // For a printer that brings its own device.
    struct DeviceTag {};
    explicit PrinterInfo(DeviceTag);

private:
    PrinterInfo(const QString& pdfPath, const QPageLayout& layout, int resolution,
                const QRect& area);

    QString Path;
    QPageLayout Layout;
    int Res = BuiltInDpi;
    QRect Area;
    QString Title;
    std::unique_ptr<QPdfWriter> Writer;  // for Path, made when first painted on
};
