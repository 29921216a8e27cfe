#pragma once
// FontMap: turns the face names that sheets and settings use (the Japanese
// names "ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝", their ASCII spellings,
// "CourierNew") into installed faces, and builds the QFont for a DeviceFont.
// Names are compared after width folding, without blanks and case, so
// "MS PGothic", "ＭＳ Ｐゴシック" and "ms pgothic" are one face. An installed
// face is used as it is; anything unknown falls back to "IPAPGothic".
#include "prevform/Surface.h"
#include <QFont>
#include <QString>

class FontMap {
public:
    static QString InstalledFace(const QString& face);
    static QFont MakeFont(const DeviceFont& font);
    // Cell width and height of text in pixels, without any device.
    static QSize TextExtent(const QString& text, const DeviceFont& font);
    static constexpr const char* FallbackFace = "IPAPGothic";
};
