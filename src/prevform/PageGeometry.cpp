#include "prevform/PageGeometry.h"
#include "common/Prompts.h"
#include "prevform/FontMap.h"
#include "prevform/PageFont.h"
#include "prevform/PrinterInfo.h"
#include "prevform/Surface.h"
#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <cmath>

namespace {
constexpr long double MmPerInch = 25.4L;
} // namespace

void PageGeometry::ReadScreenCaps()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    ReadScreenCaps(dpi > 0 ? dpi : 96);
}

void PageGeometry::ReadScreenCaps(int dpi)
{
    MonitorRes = dpi;
}

bool PageGeometry::ReadPrinterCaps(const PrinterInfo& printer, Prompts& prompts)
{
    const auto caps = printer.Query();
    if (!caps) {
        prompts.Message(QStringLiteral("デフォルトのプリンタの設定を確認下さい"));
        ErrorNum = 1;
        return false;
    }
    PrinterResX = caps->ResX;
    PrinterResY = caps->ResY;
    RatioX = static_cast<long double>(PrinterResX) / MonitorRes;
    RatioY = static_cast<long double>(PrinterResY) / MonitorRes;
    return true;
}

bool PageGeometry::GetPageSize(const PrinterInfo& printer)
{
    const auto caps = printer.Query();
    if (!caps)
        return false;
    PageW = caps->PageW;
    PageH = caps->PageH;
    return true;
}

double PageGeometry::Get_UnitWidth() const
{
    switch (UnitType) {
    case UnitInch: return static_cast<double>(static_cast<long double>(PageW) / PrinterResX);
    case UnitMm: return static_cast<double>(PageW * MmPerInch / PrinterResX);
    default: return PageW;
    }
}

double PageGeometry::Get_UnitHeight() const
{
    switch (UnitType) {
    case UnitInch: return static_cast<double>(static_cast<long double>(PageH) / PrinterResY);
    case UnitMm: return static_cast<double>(PageH * MmPerInch / PrinterResY);
    default: return PageH;
    }
}

std::optional<int> PageGeometry::ToPixel(double v, double unitPage, int printerRes) const
{
    long double x = v;
    if (x < 0)
        x += unitPage;
    long double px = 0;
    switch (UnitType) {
    case UnitPixel: px = OnPrinter() ? x : x * MonitorRes / printerRes; break;
    case UnitInch: px = x * (OnPrinter() ? printerRes : MonitorRes); break;
    default: px = x * (OnPrinter() ? printerRes : MonitorRes) / MmPerInch; break;
    }
    px = std::round(px); // half away from zero
    if (!std::isfinite(px) || px < INT_MIN || px > INT_MAX)
        return std::nullopt;
    return static_cast<int>(px);
}

std::optional<int> PageGeometry::TryUnitToPixelX(double x) const
{
    return ToPixel(x, Get_UnitWidth(), PrinterResX);
}

std::optional<int> PageGeometry::TryUnitToPixelY(double y) const
{
    return ToPixel(y, Get_UnitHeight(), PrinterResY);
}

namespace {
int Clamp(std::optional<int> px, double v)
{
    if (px)
        return *px;
    return v < 0 ? INT_MIN : INT_MAX;
}
} // namespace

int PageGeometry::UnitToPixelX(double x) const
{
    return Clamp(TryUnitToPixelX(x), x);
}

int PageGeometry::UnitToPixelY(double y) const
{
    return Clamp(TryUnitToPixelY(y), y);
}

std::optional<int> PageGeometry::TryLengthToPixelX(double length) const
{
    if (length < 0)
        return std::nullopt;
    return ToPixel(length, Get_UnitWidth(), PrinterResX);
}

QSize PageGeometry::MeasurePrinter(const QString& ps, const PageFont& font) const
{
    const DeviceFont f = DeviceFont::FromSpec(font, PrinterResY);
    return PrinterSurface ? PrinterSurface->MeasureText(ps, f) : FontMap::TextExtent(ps, f);
}

QSize PageGeometry::MeasureScreen(const QString& ps, const PageFont& font) const
{
    const DeviceFont f = DeviceFont::FromSpec(font, MonitorRes);
    return ScreenSurface ? ScreenSurface->MeasureText(ps, f) : FontMap::TextExtent(ps, f);
}

QSize PageGeometry::MeasureOnTarget(const QString& ps, const PageFont& font) const
{
    return OnPrinter() ? MeasurePrinter(ps, font) : MeasureScreen(ps, font);
}

double PageGeometry::PixelsToUnit(int pixels, int dpi) const
{
    const long double inches = static_cast<long double>(pixels) / dpi;
    return static_cast<double>(UnitType == UnitMm ? inches * MmPerInch : inches);
}

double PageGeometry::GetWidth(const QString& ps, const PageFont& font) const
{
    if (UnitType == UnitPixel)
        return MeasurePrinter(ps, font).width();
    return PixelsToUnit(MeasureOnTarget(ps, font).width(), TargetDpiX());
}

double PageGeometry::GetHeight(const QString& ps, const PageFont& font) const
{
    if (UnitType == UnitPixel)
        return MeasurePrinter(ps, font).height() + 1;
    return PixelsToUnit(MeasureOnTarget(ps, font).height(), TargetDpiY());
}

double PageGeometry::AlignPageWidth(int imageWidth) const
{
    if (OnPrinter() || UnitType == UnitPixel)
        return Get_UnitWidth();
    return PixelsToUnit(imageWidth, MonitorRes);
}

QSize PageGeometry::OneToOneImageSize() const
{
    return QSize(static_cast<int>(PageW / RatioX), static_cast<int>(PageH / RatioY));
}

QSize PageGeometry::WholePageImageSize(QSize client) const
{
    if (client.width() <= 0 || client.height() <= 0 || PageW <= 0 || PageH <= 0)
        return QSize(0, 0);
    const long double a = static_cast<long double>(PageH) / client.height();
    const long double c = static_cast<long double>(PageW) / client.width();
    if (a >= c)
        return QSize(static_cast<int>(client.width() * c / a), client.height());
    return QSize(client.width(), static_cast<int>(client.height() * a / c));
}
