#pragma once
// The six view settings the preview window keeps between runs, in sections of
// their own in the main settings file: the view (1:1 or whole page), the
// drawing unit, the ruler and grid overlays, the list file and the JPEG
// quality. A stored value out of its range reads as its default, so a
// hand-edited file can never select a view, a unit or a quality that does
// not exist.
#include <QString>

class IniFile;

struct PreviewSettings {
    int PageView = 1;   // 1 the 1:1 view, 2 the whole-page view
    int UnitType = 2;   // 0 printer pixel, 1 inch, 2 millimetre
    int fScale = 0;     // 1: ruler overlay on
    int fMesh = 0;      // 1: grid overlay on
    QString ListIniFile = QStringLiteral("PrevForm.prv");
    int CQuality = 90;  // JPEG quality 1..100

    // Reads the six keys in the order above; missing keys give the defaults.
    static PreviewSettings Read(const IniFile& ini);
    // Writes all six keys in the same order.
    void Write(IniFile& ini) const;
};
