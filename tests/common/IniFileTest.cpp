#include "common/IniFile.h"
#include "common/SettingsLocation.h"
#include "support/ScratchFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class IniFileTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath("shosu-drill.ini");

    void WriteFile(const QByteArray& bytes) { ASSERT_TRUE(WriteScratchFile(Path, bytes)); }
    QByteArray FileBytes() const { return ReadScratchFile(Path); }
};

TEST_F(IniFileTest, ReadsWithoutRegardToCaseTrimmedAndUnquoted)
{
    WriteFile("; comment\n[page]\n  PageTitle =  かずの計算  \nA=\"  quoted  \"\nB='x'\n"
              "C=\"half\nD=\"\"\n[Other]\nPageTitle=no\n");
    const IniFile ini(Path);
    const std::vector<std::pair<QString, QString>> cases{
        {"Pagetitle", "かずの計算"}, {"PAGETITLE", "かずの計算"}, {"a", "  quoted  "},
        {"B", "x"}, {"C", "\"half"}, {"D", ""}, {"missing", "def"}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(ini.ReadString("PAGE", key, "def"), value) << key.toStdString();
    EXPECT_EQ(ini.ReadString("Nope", "PageTitle", "def"), "def");
}

TEST_F(IniFileTest, IntegersBooleansAndReals)
{
    WriteFile("[S]\nDec=-12\nHex=0x1F\nDollar=$ff\nBad=12a\nYes=yes\nOne=0x1\nZero=0\n"
              "Big=99999999999\nAllF=$FFFFFFFF\nR1=12.5\nR2=1E-6\nR3=abc\nR4= 10 \n");
    const IniFile ini(Path);
    const std::vector<std::pair<QString, int>> ints{
        {"Dec", -12}, {"Hex", 31}, {"Dollar", 255}, {"Bad", 7}, {"Big", 7}, {"AllF", -1},
        {"None", 7}};
    for (const auto& [key, value] : ints)
        EXPECT_EQ(ini.ReadInteger("s", key, 7), value) << key.toStdString();
    EXPECT_FALSE(ini.ReadBool("S", "Yes", false));
    EXPECT_TRUE(ini.ReadBool("S", "Yes", true));
    EXPECT_TRUE(ini.ReadBool("S", "One", false));
    EXPECT_TRUE(ini.ReadBool("S", "Hex", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "R1", 0), 12.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "R2", 0), 1e-6);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "R3", 3), 3);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "R4", 0), 10);
}

TEST_F(IniFileTest, EveryRealReadsBackAsTheSameDouble)
{
    constexpr double max = std::numeric_limits<double>::max();
    const std::vector<double> values{max, -max, std::numeric_limits<double>::min(),
                                     std::numeric_limits<double>::denorm_min(), 0.1 + 0.2,
                                     1.0 / 3, 123456789.123456789, 1e-300, 12.5,
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity()};
    {
        IniFile ini(Path);
        for (size_t i = 0; i < values.size(); ++i)
            ini.WriteFloat("R", QString::number(i), values[i]);
        ini.WriteFloat("R", "nan", std::numeric_limits<double>::quiet_NaN());
        ASSERT_EQ(ini.Save(), std::nullopt);
    }
    const IniFile back(Path);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.ReadFloat("R", QString::number(i), 7), values[i]) << i;
    EXPECT_TRUE(std::isnan(back.ReadFloat("R", "nan", 7)));
    EXPECT_EQ(back.ReadString("R", "0", ""), "1.7976931348623157E308");
}

TEST_F(IniFileTest, WritesInPlaceAppendAndKeepForeignLines)
{
    WriteFile("; keep me\r\n[Page]\r\nheader=old\r\nForeign=1\r\n\r\n[Window]\r\nTop=5\r\n");
    IniFile ini(Path);
    ini.WriteString("PAGE", "Header", "新しい見出し");
    ini.WriteString("Page", "Footer", "足");
    ini.WriteFloat("Window", "Left", 12.5);
    ini.WriteInteger("Answer", "Type", 2);
    ini.WriteBool("Answer", "Frame", true);
    ASSERT_EQ(ini.Save(), std::nullopt);
    EXPECT_EQ(QString::fromUtf8(FileBytes()),
              "; keep me\r\n[Page]\r\nheader=新しい見出し\r\nForeign=1\r\nFooter=足\r\n\r\n"
              "[Window]\r\nTop=5\r\nLeft=12.5\r\n[Answer]\r\nType=2\r\nFrame=1\r\n");
}

TEST_F(IniFileTest, TextsReadBackExactly)
{
    const QString dateTime = QString::fromUtf8("　　月　　日　　　時　　分 ～　　　時　　分");
    const QStringList texts{dateTime, " padded ", "\"quoted\"", "'single'", "a=b;c", ""};
    {
        IniFile ini(Path);
        for (int i = 0; i < texts.size(); ++i)
            ini.WriteString("T", QString("K%1").arg(i), texts[i]);
        ASSERT_EQ(ini.Save(), std::nullopt);
    }
    const IniFile back(Path);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(back.ReadString("T", QString("K%1").arg(i), "x"), texts[i]) << i;
}

// A file written on an older Japanese system is in the legacy code page: it
// reads as Japanese (the same decoder as list files) and is saved back as UTF-8,
// keeping its line ends.
TEST_F(IniFileTest, ALegacyCodePageFileReadsAsJapaneseAndSavesAsUtf8)
{
    WriteFile(QByteArray("[Page]\r\nHeader=\x93\x9a\x82\xa6\x81\x60\x87\x40\r\n"));
    IniFile ini(Path);
    EXPECT_EQ(ini.ReadString("Page", "Header", ""), "答え～①");
    ini.WriteString("Page", "Footer", "足");
    ASSERT_EQ(ini.Save(), std::nullopt);
    EXPECT_EQ(QString::fromUtf8(FileBytes()), "[Page]\r\nHeader=答え～①\r\nFooter=足\r\n");
}

TEST_F(IniFileTest, ALineBreakCannotInjectKeys)
{
    IniFile ini(Path);
    ini.WriteString("T", "A", "one\n[Evil]\nB=2");
    ASSERT_EQ(ini.Save(), std::nullopt);
    const IniFile back(Path);
    EXPECT_EQ(back.ReadString("Evil", "B", "none"), "none");
}

TEST_F(IniFileTest, TwoOwnersKeepEachOthersKeys)
{
    IniFile window(Path);
    IniFile view(Path);
    window.WriteString("Page", "Header", "h");
    view.WriteInteger("Unit", "Type", 1);
    ASSERT_EQ(window.Save(), std::nullopt);
    ASSERT_EQ(view.Save(), std::nullopt);
    const IniFile back(Path);
    EXPECT_EQ(back.ReadString("Page", "Header", ""), "h");
    EXPECT_EQ(back.ReadInteger("Unit", "Type", 0), 1);
}

TEST_F(IniFileTest, AnUnwritableFileIsReportedAndKeptIntact)
{
    WriteFile("[Page]\nHeader=old\n");
    QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    IniFile ini(Path);
    ini.WriteString("Page", "Header", "new");
    const auto error = ini.Save();
    QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo(Dir.path()).isWritable() && !error)
        GTEST_SKIP() << "running with rights that ignore permissions";
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, QDir::toNativeSeparators(Path) + " に書き込めません");
    EXPECT_EQ(FileBytes(), "[Page]\nHeader=old\n");
}

TEST_F(IniFileTest, AnImpossiblePathIsReported)
{
    WriteFile("not a folder");
    const QString inside = Path + "/sub/s.ini"; // below a plain file: no one can write here
    IniFile ini(inside);
    ini.WriteString("Page", "Header", "new");
    EXPECT_EQ(ini.Save(), QDir::toNativeSeparators(inside) + " に書き込めません");
    EXPECT_EQ(FileBytes(), "not a folder");
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotReplaced)
{
    WriteFile("[Page]\nHeader=old\n");
    QFile::setPermissions(Path, QFile::WriteOwner);
    if (QFile(Path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that ignore permissions";
    IniFile ini(Path);
    ini.WriteString("Page", "Footer", "new");
    EXPECT_TRUE(ini.Save().has_value());
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(FileBytes(), "[Page]\nHeader=old\n");
}

TEST_F(IniFileTest, TheLocationIsBesideTheProgramOnlyWhenWritable)
{
    const QString config = Dir.filePath("config/shosu-drill");
    EXPECT_EQ(SettingsLocation::Choose(Dir.path(), config), Dir.filePath("shosu-drill.ini"));
    EXPECT_EQ(SettingsLocation::Choose(Dir.filePath("gone"), config), config + "/shosu-drill.ini");
    const QString locked = Dir.filePath("locked");
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString chosen = SettingsLocation::Choose(locked, config);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (chosen != config + "/shosu-drill.ini" && QFileInfo(locked).isWritable())
        GTEST_SKIP() << "running with rights that ignore permissions";
    EXPECT_EQ(chosen, config + "/shosu-drill.ini");
    EXPECT_TRUE(QFileInfo(config).isDir());
}

} // namespace
