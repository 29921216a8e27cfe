#pragma once
// PageGeometry: the drawing unit, the printable page, the printer's and the
// screen's resolutions, and the conversion of a coordinate in the unit to a
// device pixel of the surface being drawn (nTgtCanvas). Also text measuring in
// the unit and the sizes of the page images. It draws nothing.
#include <QSize>
#include <QString>
#include <optional>

class PrinterInfo;
class Prompts;
class Surface;
struct PageFont;

class PageGeometry {
public:
    enum Unit { UnitPixel = 0, UnitInch = 1, UnitMm = 2 };
    enum Target { TgtPrinter = 0, TgtImage = 1, TgtImageThenPage = 2 };

    int UnitType = UnitMm;   // 0 printer pixel, 1 inch, 2 millimetre
    int PageW = 4724;        // printable area in printer pixels
    int PageH = 6780;
    int PrinterResX = 600;   // printer dots per inch
    int PrinterResY = 600;
    int MonitorRes = 96;     // screen dots per inch, both axes
    long double RatioX = 600.0L / 96.0L; // PrinterResX / MonitorRes
    long double RatioY = 600.0L / 96.0L;
    int nTgtCanvas = TgtImage; // 0 printer, 1 the 1:1 page image, 2 the image then the whole-page view
    int ErrorNum = -1;       // -1 while the printer is usable; 1 once a query failed,
                             // and it stays 1 for the rest of the run

    // Surfaces whose drawing fonts measure text; when null, text is measured
    // without a device at the resolution the surface would have.
    const Surface* ScreenSurface = nullptr;
    const Surface* PrinterSurface = nullptr;

    // Screen resolution: the primary screen's vertical logical dpi, or the
    // given value (tests and the command-line tool use 96).
    void ReadScreenCaps();
    void ReadScreenCaps(int dpi);
    // Printer resolution and ratios. When the printer cannot be queried, shows
    // "デフォルトのプリンタの設定を確認下さい", sets ErrorNum to 1 and keeps the
    // previous values; returns false then. A later successful query does not
    // clear ErrorNum: after a failure at creation the view settings and
    // page-string records were never loaded, and an engine that came back to
    // work would later save those empty records over the stored ones.
    bool ReadPrinterCaps(const PrinterInfo& printer, Prompts& prompts);
    // PageW and PageH from the printer's printable area; false when it cannot be queried.
    bool GetPageSize(const PrinterInfo& printer);

    int Get_Width() const { return PageW; }
    int Get_Height() const { return PageH; }
    double Get_UnitWidth() const;   // page size in the drawing unit
    double Get_UnitHeight() const;

    bool OnPrinter() const { return nTgtCanvas == TgtPrinter; }
    // Device dots per inch of the current target.
    int TargetDpiX() const { return OnPrinter() ? PrinterResX : MonitorRes; }
    int TargetDpiY() const { return OnPrinter() ? PrinterResY : MonitorRes; }

    // Device pixel of a coordinate on the current target: a negative value
    // counts from the right (bottom) edge; rounded half away from zero.
    // nullopt when the pixel lies outside the 32-bit range (or is not finite).
    std::optional<int> TryUnitToPixelX(double x) const;
    std::optional<int> TryUnitToPixelY(double y) const;
    // The same, clamped to the 32-bit range.
    int UnitToPixelX(double x) const;
    int UnitToPixelY(double y) const;
    // A length (never taken from the far edge) in device pixels, horizontally.
    std::optional<int> TryLengthToPixelX(double length) const;

    // Text size in the drawing unit in the given font, measured on the
    // current target (the pixel unit always measures in printer pixels; its
    // height is one more than the printer height).
    double GetWidth(const QString& ps, const PageFont& font) const;
    double GetHeight(const QString& ps, const PageFont& font) const;

    // Page width used to align page strings on the left, right or centre:
    // on screen in inch and mm the 1:1 image width; otherwise the unit page width.
    double AlignPageWidth(int imageWidth) const;

    // The 1:1 page image: the printable area at the screen's resolution.
    QSize OneToOneImageSize() const;
    // The whole-page image: the largest rectangle of the page's proportions in client.
    QSize WholePageImageSize(QSize client) const;

private:
    std::optional<int> ToPixel(double v, double unitPage, int printerRes) const;
    QSize MeasurePrinter(const QString& ps, const PageFont& font) const;
    QSize MeasureScreen(const QString& ps, const PageFont& font) const;
    QSize MeasureOnTarget(const QString& ps, const PageFont& font) const;
    // Device pixels at dpi in the inch or millimetre unit.
    double PixelsToUnit(int pixels, int dpi) const;
};
