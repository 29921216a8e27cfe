#include "prevform/FontMap.h"
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FontMapTest, SheetFacesMapToInstalledFaces)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
        {"ms pgothic", "IPAPGothic"},       {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ 明朝", "IPAMincho"},         {"MS Mincho", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},      {"MS PMincho", "IPAPMincho"},
        {"CourierNew", "DejaVu Sans Mono"}, {"Courier New", "DejaVu Sans Mono"},
        {"IPAMincho", "IPAMincho"},         {"DejaVu Serif", "DejaVu Serif"},
        {"NoSuchFace", "IPAPGothic"},       {"", "IPAPGothic"}};
    for (const auto& [face, installed] : cases)
        EXPECT_EQ(FontMap::InstalledFace(face), installed) << face.toStdString();
}

TEST(FontMapTest, TheFontHasThePixelHeightAndStyle)
{
    const QFont f = FontMap::MakeFont({"ＭＳ Ｐ明朝", 50, 0, true, true, true, false});
    EXPECT_EQ(QFontInfo(f).family(), "IPAPMincho");
    EXPECT_EQ(f.pixelSize(), 50);
    EXPECT_TRUE(f.bold() && f.italic() && f.underline());
    EXPECT_FALSE(f.strikeOut());
    const QSize cell = FontMap::TextExtent("ああ", {"ＭＳ 明朝", 50, 0, false, false, false, false});
    EXPECT_EQ(cell.width(), 100); // a fixed-pitch face: two ems
    EXPECT_GE(cell.height(), 50);
}
