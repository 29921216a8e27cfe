#pragma once
// SystemPrinter: the preview window's printer. It is the system's default
// printer when there is one; without any printer (many desktops, every CI
// machine) it is the built-in PDF page (A4 portrait, 600 dots per inch,
// 5 mm margins) on a printer device, so that the print setup dialog can
// turn the page and printing asks for a PDF file.
#include "prevform/PrinterInfo.h"

#include <functional>

class SystemPrinter : public PrinterInfo {
public:
    // Picks the default printer, or the built-in PDF printer when none exists.
    SystemPrinter();
    ~SystemPrinter() override;
    // Always the built-in PDF printer, writing to pdfPath.
    static std::unique_ptr<PrinterInfo> BuiltInPdf(const QString& pdfPath);
    // The printer a preview window gets when its owner names none: the
    // default printer (or the built-in PDF printer), or what the maker set
    // here makes. Tests set a maker so that no window of theirs ever
    // reaches a real printer; an empty maker restores the default.
    static std::unique_ptr<PrinterInfo> MakeDefault();
    static void SetDefaultMaker(std::function<std::unique_ptr<PrinterInfo>()> maker);

    std::optional<PrinterCaps> Query() const override;
    QPagedPaintDevice* Device() override;
    QPoint PaintOrigin() const override;
    QPrinter* Printer() const override { return QtPrinter.get(); }
    bool IsBuiltInPdf() const override { return fBuiltIn; }
    QString Name() const override;
    void SetJobTitle(const QString& title) override;
    void SetPdfPath(const QString& path) override;
    QString PdfPath() const override;
    QPageLayout PageLayout() const override;
    int Resolution() const override;
    QRect PrintableArea() const override;

protected:
    explicit SystemPrinter(const QString& pdfPath);

private:
    std::unique_ptr<QPrinter> QtPrinter;
    bool fBuiltIn = false;

    void MakeBuiltIn(const QString& pdfPath);
};
