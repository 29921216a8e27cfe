// The main window's sections of the settings file: defaults, kinds, the
// forms reals are written in, key order, and what must survive a save.
#include "support/QStringPrinter.h"
#include "support/ScratchFile.h"
#include "common/IniFile.h"
#include "sheet/MainSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MainSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath("shosu-drill.ini");
    ExamSettings Exam;
    SheetSettings Sheet;

    void WriteFile(const QByteArray& bytes) { ASSERT_TRUE(WriteScratchFile(Path, bytes)); }
    QString FileText() const { return QString::fromUtf8(ReadScratchFile(Path)); }
    void Load() { LoadMainSettings(IniFile(Path), Exam, Sheet); }
    void Save(const PageTexts& boxes = {})
    {
        IniFile ini(Path);
        SaveMainSettings(ini, Exam, Sheet, boxes);
        ASSERT_EQ(ini.Save(), std::nullopt);
    }
    // One "Key=Value" line of the saved file.
    QString SavedLine(const QString& key) const
    {
        for (const QString& line : FileText().split('\n'))
            if (line.startsWith(key + '='))
                return line;
        return {};
    }
};

TEST_F(MainSettingsTest, NoFileGivesTheDefaults)
{
    Exam.ExamRowN = 3;
    Sheet.WindowTop = 40;
    Sheet.FntExam.Size = 9;  // as the first show leaves it
    Load();
    EXPECT_EQ(Sheet.sPageTitle, "かずの計算");
    EXPECT_EQ(Sheet.sSubTitle, "たしざんのもんだい");
    EXPECT_EQ(Sheet.sName, "なまえ");
    EXPECT_EQ(Sheet.sHeader, "");
    EXPECT_EQ(Exam.ExamRowN, 10);
    EXPECT_EQ(Exam.ExamColN, 1);
    EXPECT_EQ(Sheet.ExamRowN, 10);
    for (double margin : {Sheet.WindowTop, Sheet.WindowLeft, Sheet.WindowRight, Sheet.WindowBottom})
        EXPECT_EQ(margin, 10);
    EXPECT_TRUE(Sheet.fExNum);
    EXPECT_EQ(Sheet.ExNumLeft, "(");
    EXPECT_EQ(Sheet.ExNumRight, ")");
    EXPECT_EQ(Sheet.AnswerType, 1);
    EXPECT_FALSE(Sheet.fCode);
    EXPECT_EQ(Sheet.FntExam.Name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(Sheet.FntExam.Size, 24);
    EXPECT_TRUE(Exam.fZero && Exam.fOne && Exam.fDelZero);
    EXPECT_FALSE(Exam.fRoundSig || Exam.fDecOnly || Exam.fYaku || Exam.fFullDec);
    EXPECT_EQ(Exam.nRound, 2);
    EXPECT_EQ(Exam.Operation, OpAdd);
    EXPECT_EQ(Exam.Ranges, ExamSettings::DefaultRanges());
    EXPECT_FALSE(Sheet.fClassBox);
    EXPECT_EQ(Sheet.Instruction.psPos, 0);  // an old file's sheets stay as they were
    EXPECT_EQ(Sheet.Instruction.psStr, "");
}

// The tab and the eight range texts survive a restart; a file without
// them gives the window's starting ones, and eight texts the window's range
// check refuses (or a tab it lacks) keep what the record holds.
TEST_F(MainSettingsTest, TabAndRangesRoundTripOrKeepTheRecords)
{
    Exam.Operation = OpDiv;
    Exam.Ranges = {"1", "0", "99", "9", "0", "1", "9", "9"};
    Save();
    EXPECT_TRUE(FileText().contains("[Range]\nMin1=1\nMin1e=0\nMax1=99\nMax1e=9\nMin2=0\n"
                                    "Min2e=1\nMax2=9\nMax2e=9\n"));
    ExamSettings loaded;
    SheetSettings sheet;
    LoadMainSettings(IniFile(Path), loaded, sheet);
    EXPECT_EQ(loaded.Operation, OpDiv);
    EXPECT_EQ(loaded.Ranges, Exam.Ranges);

    struct Case { const char* File; int Tab; RangeTexts Ranges; };
    const RangeTexts mine{"2", "5", "30", "5", "1", "", "8", ""};
    const Case cases[] = {
        {"[Exam]\nTab=2\n[Range]\nMax1=40\n", OpMul, {"2", "5", "40", "5", "1", "", "8", ""}},
        {"[exam]\ntab=9\n[range]\nmin1= 7 \n", OpSub, {"7", "5", "30", "5", "1", "", "8", ""}},
        {"[Exam]\nTab=x\n[Range]\nMin1=50\nMax1=20\n", OpSub, mine},
        {"[Range]\nMin2e=abc\n", OpSub, mine},
    };
    for (const Case& c : cases) {
        WriteFile(c.File);
        ExamSettings exam;
        exam.Operation = OpSub;
        exam.Ranges = mine;
        LoadMainSettings(IniFile(Path), exam, sheet);
        EXPECT_EQ(exam.Operation, c.Tab) << c.File;
        EXPECT_EQ(exam.Ranges, c.Ranges) << c.File;
    }
}

TEST_F(MainSettingsTest, InstructionRecordKeepsItsTextAndPlace)
{
    Sheet.Instruction.psStr = "ていねいに";
    Sheet.Instruction.psPos = 4;
    Sheet.Instruction.psX = "12";
    Sheet.Instruction.psY = "48.5";
    Sheet.Instruction.psSize = 14;
    Sheet.fClassBox = true;
    Exam.fFullDec = Exam.fJustExact = true;
    Save();
    ExamSettings exam;
    SheetSettings sheet;
    LoadMainSettings(IniFile(Path), exam, sheet);
    EXPECT_EQ(sheet.Instruction.psStr, "ていねいに");
    EXPECT_EQ(sheet.Instruction.psPos, 4);
    EXPECT_EQ(sheet.Instruction.psX, "12");
    EXPECT_EQ(sheet.Instruction.psY, "48.5");
    EXPECT_EQ(sheet.Instruction.psSize, 14);
    EXPECT_TRUE(sheet.fClassBox && exam.fFullDec && exam.fJustExact);
    // Switches read as switches: anything but 0 or 1 is the default.
    WriteFile("[Page]\nClassBox=2\n[Exam]\nFullDec=-1\nJustExact=2\n");
    LoadMainSettings(IniFile(Path), exam, sheet);
    EXPECT_FALSE(sheet.fClassBox || exam.fFullDec || exam.fJustExact);
}

TEST_F(MainSettingsTest, TheDateTimeDefaultCharacterByCharacter)
{
    Load();
    const char16_t expected[] = {0x3000, 0x3000, u'月', 0x3000, 0x3000, u'日', 0x3000, 0x3000,
                                 0x3000, u'時', 0x3000, 0x3000, u'分', u' ', 0xFF5E, 0x3000,
                                 0x3000, 0x3000, u'時', 0x3000, 0x3000, u'分', 0};
    EXPECT_EQ(Sheet.sDateTime, QString::fromUtf16(expected));
}

TEST_F(MainSettingsTest, TheTitleIsFoundWithoutRegardToCaseAndWrittenPageTitle)
{
    WriteFile("[page]\npagetitle=計算れんしゅう\n");
    Load();
    EXPECT_EQ(Sheet.sPageTitle, "計算れんしゅう");
    Save({"", "", Sheet.sPageTitle, Sheet.sSubTitle});
    EXPECT_TRUE(FileText().startsWith("[page]\npagetitle=計算れんしゅう\n")) << FileText().toStdString();

    QFile::remove(Path);
    Save({"", "", "題", ""});
    EXPECT_EQ(SavedLine("PageTitle"), "PageTitle=題");
}

TEST_F(MainSettingsTest, RealsRoundTripInTheGeneralForm)
{
    struct Case { const char* Stored; double Read; const char* Written; };
    const Case cases[] = {{"12.5", 12.5, "Top=12.5"}, {"10.0", 10, "Top=10"},
                          {"0.1", 0.1, "Top=0.1"}, {"0.00001", 0.00001, "Top=0.00001"},
                          {"0.000001", 1e-6, "Top=1E-6"}, {"1E-6", 1e-6, "Top=1E-6"},
                          {"abc", 10, "Top=10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stored);
        WriteFile(QByteArray("[Window]\nTop=") + c.Stored + "\n");
        Load();
        EXPECT_DOUBLE_EQ(Sheet.WindowTop, c.Read);
        Save();
        EXPECT_EQ(SavedLine("Top"), QString::fromUtf8(c.Written));
    }
}

TEST_F(MainSettingsTest, StyleBitsReadAsIntegersAndTouchOnlyTheirOwnBit)
{
    struct Case { const char* Bold; bool Read; };
    const Case cases[] = {{"yes", false}, {"0x1", true}, {"1", true}, {"0", false}, {"$10", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bold);
        Sheet.FntExam.Underline = true;
        WriteFile(QByteArray("[ExamFont]\nBold=") + c.Bold + "\nItalic=1\n");
        Load();
        EXPECT_EQ(Sheet.FntExam.Bold, c.Read);
        EXPECT_TRUE(Sheet.FntExam.Italic);
        EXPECT_TRUE(Sheet.FntExam.Underline);
    }
}

// What the window or the style dialog would refuse reads as the default,
// and the keys are named; what they take, and an answer type of 0, stay.
TEST_F(MainSettingsTest, ValuesTheWindowWouldRefuseReadAsTheirDefaults)
{
    struct Case {
        QByteArray File;
        QStringList Refused;
    };
    const Case cases[] = {
        {"[Window]\nRight=143958333333333\nTop=-1\nLeft=60.5\nBottom=60\n",
         {"Window/Top", "Window/Left", "Window/Right"}},
        {"[Exam]\nRow=50\nCol=-3\nRoundPos=9\nMinus=3\nSeparate=-2\n",
         {"Exam/Row", "Exam/Col", "Exam/Separate", "Exam/Minus", "Exam/RoundPos"}},
        {"[Exam]\nRow=10\nCol=3\n", {"Exam/Col"}},
        {"[Exam]\nRow=5\nCol=4\nRoundPos=6\nMinus=2\n[Answer]\nType=0\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File.toStdString());
        WriteFile(c.File);
        Exam = ExamSettings();
        Sheet = SheetSettings();
        EXPECT_EQ(LoadMainSettings(IniFile(Path), Exam, Sheet), c.Refused);
        const bool fileGrid = c.Refused.isEmpty();
        EXPECT_EQ(Exam.ExamRowN, fileGrid ? 5 : 10);
        EXPECT_EQ(Exam.ExamColN, fileGrid ? 4 : 1);
        EXPECT_EQ(Exam.nRound, fileGrid ? 6 : 2);
        for (double margin : {Sheet.WindowTop, Sheet.WindowLeft, Sheet.WindowRight})
            EXPECT_DOUBLE_EQ(margin, 10);
        EXPECT_DOUBLE_EQ(Sheet.WindowBottom, c.File.contains("Bottom=60") ? 60 : 10);
        EXPECT_DOUBLE_EQ(Sheet.ExamSeparate, 10);
    }
    EXPECT_EQ(Sheet.AnswerType, 0);
}

TEST_F(MainSettingsTest, EveryKeyRoundTripsAndIsWrittenInTableOrder)
{
    Exam.ExamRowN = 5;
    Exam.ExamColN = 2;
    Exam.rnd_D = -3;
    Exam.nMinus = 2;
    Exam.fRound = true;
    Exam.nRound = 4;
    Exam.fRest = true;
    Exam.fJust = false;
    Exam.fZero = false;
    Exam.fOne = false;
    Exam.fDelZero = false;
    Exam.fRoundSig = true;
    Exam.fDecOnly = true;
    Exam.fYaku = true;
    Exam.fNoRepeat = Exam.fFewSame = true;
    Sheet.sDateTime = "";
    Sheet.sName = "名前：";
    Sheet.fCode = true;
    Sheet.AnswerType = 2;
    Sheet.WindowTop = 12.5;
    Sheet.WindowLeft = 0.1;
    Sheet.WindowRight = 60;
    Sheet.WindowBottom = 1e-6;
    Sheet.WindowFrame = true;
    Sheet.ExamSeparate = 7.25;
    Sheet.ExamType = true;
    Sheet.fExNum = false;
    Sheet.ExNumLeft = "";
    Sheet.ExNumRight = " ]";
    Sheet.FntExam = {"IPAMincho", 18, 0x0000FF, true, true};
    Sheet.fTextbook = true;
    Sheet.fSquares = true;
    Sheet.fFindMistake = true;
    Sheet.fMistakes = true;
    Sheet.HissanPen = 0.45;
    Sheet.HissanPitch = 8.5;
    const PageTexts boxes{"%d", "足", "題", "副題"};
    Save(boxes);

    EXPECT_EQ(FileText(),
              "[Page]\nHeader=%d\nFooter=足\nPageTitle=題\nSubTitle=副題\nDateTime=\n"
              "Name=名前：\nCode=1\nClassBox=0\n[Answer]\nType=2\nMistakes=1\nCheck=0\n[Window]\nTop=12.5\nLeft=0.1\nRight=60\n"
              "Bottom=1E-6\nFrame=1\n[Exam]\nRow=5\nCol=2\nSeparate=7.25\nType=1\nNumber=0\n"
              "Rand=-3\nMinus=2\nRound=1\nRoundPos=4\nRest=1\nJust=0\nJustExact=0\nZero=0\nOne=0\nLeft=\n"
              "Right=\" ]\"\nDel0=0\nRoundSig=1\nDecOnly=1\nYaku=1\nFullDec=0\n"
              "NoRepeat=1\nUnitOnly=0\nFewSame=1\nTab=0\n"
              "[Range]\nMin1=1\nMin1e=00\nMax1=10\nMax1e=00\nMin2=1\nMin2e=00\nMax2=10\nMax2e=00\n"
              "[ExamFont]\nName=IPAMincho\nSize=18\nColor=255\nBold=1\n"
              "Italic=1\n[Hissan]\nTextbook=1\nWorked=0\nSquares=1\nFindMistake=1\nPen=0.45\nPitch=8.5\n"
              "[Instruction]\nString=\nPos=0\nBold=0\nItalic=0\nSize=9\nName=ＭＳ 明朝\nX=0\nY=0\n");

    ExamSettings exam;
    SheetSettings sheet;
    LoadMainSettings(IniFile(Path), exam, sheet);
    EXPECT_EQ(sheet.sHeader, "%d");
    EXPECT_EQ(sheet.sFooter, "足");
    EXPECT_EQ(sheet.sPageTitle, "題");
    EXPECT_EQ(sheet.sSubTitle, "副題");
    EXPECT_EQ(sheet.sDateTime, "");
    EXPECT_EQ(sheet.sName, Sheet.sName);
    EXPECT_EQ(sheet.ExNumLeft, "");
    EXPECT_EQ(sheet.ExNumRight, " ]");
    EXPECT_EQ(sheet.FntExam, Sheet.FntExam);
    for (auto field : {&SheetSettings::WindowTop, &SheetSettings::WindowLeft,
                       &SheetSettings::WindowRight, &SheetSettings::WindowBottom,
                       &SheetSettings::ExamSeparate})
        EXPECT_DOUBLE_EQ(sheet.*field, Sheet.*field);
    for (auto field : {&SheetSettings::WindowFrame, &SheetSettings::ExamType, &SheetSettings::fExNum,
                       &SheetSettings::fTextbook, &SheetSettings::fWorked, &SheetSettings::fSquares,
                       &SheetSettings::fCode, &SheetSettings::fFindMistake,
                       &SheetSettings::fMistakes, &SheetSettings::fCheck})
        EXPECT_EQ(sheet.*field, Sheet.*field);
    EXPECT_DOUBLE_EQ(sheet.HissanPen, 0.45);
    EXPECT_DOUBLE_EQ(sheet.HissanPitch, 8.5);
    EXPECT_EQ(sheet.AnswerType, 2);
    for (auto field : {&ExamSettings::ExamRowN, &ExamSettings::ExamColN, &ExamSettings::rnd_D,
                       &ExamSettings::nMinus, &ExamSettings::nRound})
        EXPECT_EQ(exam.*field, Exam.*field);
    for (auto field : {&ExamSettings::fRound, &ExamSettings::fRest, &ExamSettings::fJust,
                       &ExamSettings::fZero, &ExamSettings::fOne, &ExamSettings::fDelZero,
                       &ExamSettings::fRoundSig, &ExamSettings::fDecOnly, &ExamSettings::fYaku,
                       &ExamSettings::fNoRepeat, &ExamSettings::fUnitOnly, &ExamSettings::fFewSame})
        EXPECT_EQ(exam.*field, Exam.*field);
}

TEST_F(MainSettingsTest, HissanValuesOutsideTheirRangeReadAsTheDefaults)
{
    const struct {
        const char* File;
        bool Textbook, Worked, Squares;
        double Pen;
    } cases[] = {
        {"", false, false, false, 0.3},
        {"[hissan]\ntextbook=1\nworked=1\nsquares=1\npen=0.5\n", true, true, true, 0.5},
        {"[Hissan]\nTextbook=2\nWorked=-1\nSquares=yes\nPen=0\n", false, false, false, 0.3},
        {"[Hissan]\nTextbook=0x1\nPen=-0.3\n", true, false, false, 0.3},
        {"[Hissan]\nPen=abc\n", false, false, false, 0.3},
        {"[Hissan]\nPen=1E9\n", false, false, false, 0.3},
        {"[Hissan]\nPen=nan\n", false, false, false, 0.3},
        {"[Hissan]\nPen=2\n", false, false, false, 2},
        {"[Hissan]\nPen=0.05\n", false, false, false, 0.05},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        WriteFile(c.File);
        Sheet = SheetSettings();
        Sheet.fTextbook = Sheet.fWorked = Sheet.fSquares = true;  // left over from before
        Sheet.HissanPen = 1;
        Load();
        EXPECT_EQ(Sheet.fTextbook, c.Textbook);
        EXPECT_EQ(Sheet.fWorked, c.Worked);
        EXPECT_EQ(Sheet.fSquares, c.Squares);
        EXPECT_DOUBLE_EQ(Sheet.HissanPen, c.Pen);
    }
}

TEST_F(MainSettingsTest, ForeignSectionsAndLinesSurviveASave)
{
    WriteFile("; written by hand\n[Header]\nString=\nPos=3\n[Page]\nNote=mine\nHeader=old\n"
              "[PageView]\nView=2\n");
    Load();
    Save({"new", "", "t", "s"});
    const QString text = FileText();
    EXPECT_TRUE(text.startsWith("; written by hand\n[Header]\nString=\nPos=3\n[Page]\nNote=mine\n"
                                "Header=new\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[PageView]\nView=2\n"));
}

} // namespace
