#include "prevform/FontMap.h"
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>

namespace {

// Width-folded, blank-free, upper-case form of a face name.
QString FaceKey(const QString& face)
{
    QString key = face.normalized(QString::NormalizationForm_KC).toUpper();
    key.removeIf([](QChar c) { return c.isSpace() || c == u'_' || c == u'-'; });
    return key;
}

const QHash<QString, QString>& KnownFaces()
{
    static const QHash<QString, QString> faces = [] {
        const QList<std::pair<const char*, const char*>> names{
            {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
            {"ＭＳ ゴシック", "IPAGothic"},    {"MS Gothic", "IPAGothic"},
            {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
            {"ＭＳ 明朝", "IPAMincho"},        {"MS Mincho", "IPAMincho"},
            {"ＭＳ ＵＩ Gothic", "IPAPGothic"}, {"MS UI Gothic", "IPAPGothic"},
            {"メイリオ", "IPAPGothic"},        {"Meiryo", "IPAPGothic"},
            {"CourierNew", "DejaVu Sans Mono"}, {"Courier", "DejaVu Sans Mono"},
            {"Arial", "DejaVu Sans"},          {"Times New Roman", "DejaVu Serif"},
        };
        QHash<QString, QString> map;
        for (const auto& [sheetFace, installed] : names)
            map.insert(FaceKey(QString::fromUtf8(sheetFace)), QString::fromUtf8(installed));
        return map;
    }();
    return faces;
}

bool IsInstalled(const QString& face)
{
    static const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(),
                       [&](const QString& f) { return f.compare(face, Qt::CaseInsensitive) == 0; });
}

} // namespace

QString FontMap::InstalledFace(const QString& face)
{
    const auto known = KnownFaces().constFind(FaceKey(face));
    if (known != KnownFaces().constEnd())
        return *known;
    if (!face.trimmed().isEmpty() && IsInstalled(face.trimmed()))
        return face.trimmed();
    return QString::fromLatin1(FallbackFace);
}

QFont FontMap::MakeFont(const DeviceFont& font)
{
    QFont f(InstalledFace(font.Face));
    f.setPixelSize(std::max(1, font.PixelHeight));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    // The same metrics on a 96-dpi image and on a 600-dpi printer.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QSize FontMap::TextExtent(const QString& text, const DeviceFont& font)
{
    const QFontMetrics m(MakeFont(font));
    return QSize(m.horizontalAdvance(text), m.height());
}
