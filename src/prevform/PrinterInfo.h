#pragma once
// PrinterInfo: the printer the page is laid out for and printed on. It is the
// system's default printer when there is one; without any printer (many
// desktops, every CI machine) it is a built-in PDF printer, A4 portrait at
// 600 dots per inch with 5 mm margins, so preview, export and printing to a
// PDF file still work.
#include <QRect>
#include <QString>
#include <functional>
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
    // The printer an engine gets when its owner names none: the default
    // printer (or the built-in PDF printer), or what the maker set here
    // makes. Tests set a maker so that no window of theirs ever reaches a
    // real printer; an empty maker restores the default.
    static std::unique_ptr<PrinterInfo> MakeDefault();
    static void SetDefaultMaker(std::function<std::unique_ptr<PrinterInfo>()> maker);
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

    // A PDF device writing to pdfPath with this printer's page size,
    // orientation, margins and resolution, so its printable area is the same.
    std::unique_ptr<QPrinter> PdfCopy(const QString& pdfPath) const;

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
