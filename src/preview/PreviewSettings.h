#pragma once
// The six view settings the preview window keeps between runs, in sections of
// their own in the main settings file: the view (1:1 or whole page), the
// drawing unit, the ruler and grid overlays, the list file and the JPEG
// quality. A stored value out of its range reads as its default, so a
// hand-edited file can never select a view, a unit or a quality that does
// not exist. The window's place and size follow the view index in
// "PageView" ("Left", "Top", "Width", "Height"); a place that is incomplete
// or impossible reads as none, so the window takes its default placement.
#include <QRect>
#include <QString>
#include <optional>

class IniFile;

struct PreviewSettings {
    int PageView = 1;   // 1 the 1:1 view, 2 the whole-page view
    int UnitType = 2;   // 0 printer pixel, 1 inch, 2 millimetre
    int fScale = 0;     // 1: ruler overlay on
    int fMesh = 0;      // 1: grid overlay on
    QString ListIniFile = QStringLiteral("PrevForm.prv");
    int CQuality = 90;  // JPEG quality 1..100
    std::optional<QRect> Place;  // the window's client area

    // Reads the keys in the order above; missing keys give the defaults.
    static PreviewSettings Read(const IniFile& ini);
    // Writes the six view keys in the same order, then the place if known.
    void Write(IniFile& ini) const;
};
