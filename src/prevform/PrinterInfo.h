#pragma once
// PrinterInfo: the printer the page is laid out for and printed on. It is the
// system's default printer when there is one; without any printer (many
// desktops, every CI machine) it is a built-in PDF printer, A4 portrait at
// 600 dots per inch with 5 mm margins, so preview, export and printing to a
// PDF file still work.
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

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
    // Picks the default printer, or the built-in PDF printer when none exists.
    PrinterInfo();
    // Always the built-in PDF printer, writing to pdfPath.
    static std::unique_ptr<PrinterInfo> BuiltInPdf(const QString& pdfPath);
    virtual ~PrinterInfo();

    // Resolution and printable area; nullopt when the printer exists but
    // cannot be queried (the caller reports it).
    virtual std::optional<PrinterCaps> Query() const;
    // The device to print on; never null.
    QPrinter* Printer() const { return Device.get(); }
    bool IsBuiltInPdf() const { return fBuiltIn; }
    // Where the built-in PDF printer writes (ignored by a real printer).
    void SetPdfPath(const QString& path);
    QString PdfPath() const;

    // The printable area in device pixels of the printer's painter.
    static QRect PrintableArea(const QPrinter& printer);

    static constexpr int BuiltInDpi = 600;
    static constexpr double BuiltInMarginMm = 5.0;

protected:
    struct BuiltInTag {};
    PrinterInfo(BuiltInTag, const QString& pdfPath);

private:
    std::unique_ptr<QPrinter> Device;
    bool fBuiltIn = false;

    void MakeBuiltIn(const QString& pdfPath);
};
