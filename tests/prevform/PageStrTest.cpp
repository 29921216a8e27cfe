#include "common/IniFile.h"
#include "prevform/PageStr.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PageStrIniTest, AMissingSectionLoadsTheDefaults)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath("s.ini"));
    TPageStr rec;
    rec.psDrawn = true;
    rec.GetIniSets(ini, "Header", "", 0, "0", "0");
    EXPECT_EQ(rec.psStr, "");
    EXPECT_EQ(rec.psPos, 0);
    EXPECT_FALSE(rec.psBold || rec.psItalic);
    EXPECT_EQ(rec.psSize, 9);
    EXPECT_EQ(rec.psName, "ＭＳ 明朝");
    EXPECT_EQ(rec.psX, "0");
    EXPECT_EQ(rec.psY, "0");
    EXPECT_TRUE(rec.psDrawn); // loading leaves it alone
}

TEST(PageStrIniTest, AllEightKeysAreWrittenAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    TPageStr rec;
    rec.SetSets("", "ＭＳ Ｐ明朝", 12, 4, "-20", "10.5", true, false);
    {
        IniFile ini(path);
        rec.SetIniSets(ini, "SubTitle");
        ASSERT_EQ(ini.Save(), std::nullopt);
    }
    const IniFile ini(path);
    EXPECT_EQ(ini.Text(), "[SubTitle]\nString=\nPos=4\nBold=1\nItalic=0\nSize=12\n"
                          "Name=ＭＳ Ｐ明朝\nX=-20\nY=10.5\n");
    TPageStr back;
    back.GetIniSets(ini, "subtitle", "x", 1, "0", "0");
    EXPECT_EQ(back.psStr, "");
    EXPECT_EQ(back.psPos, 4);
    EXPECT_TRUE(back.psBold);
    EXPECT_EQ(back.psName, "ＭＳ Ｐ明朝");
    EXPECT_EQ(back.psX, "-20");
    EXPECT_EQ(back.psY, "10.5");
}

TEST(PageStrIniTest, IntegerKeysThatAreNotIntegersReadAsTheirDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    {
        IniFile ini(path);
        ini.WriteString("Footer", "Pos", "two");
        ini.WriteString("Footer", "Size", "1.5");
        ini.WriteString("Footer", "Bold", "yes");
        ini.WriteString("Footer", "Italic", "0x1");
        ASSERT_EQ(ini.Save(), std::nullopt);
    }
    TPageStr rec;
    rec.GetIniSets(IniFile(path), "Footer", "", 3, "0", "0");
    EXPECT_EQ(rec.psPos, 3);
    EXPECT_EQ(rec.psSize, 9);
    EXPECT_FALSE(rec.psBold);
    EXPECT_TRUE(rec.psItalic);
}

} // namespace
