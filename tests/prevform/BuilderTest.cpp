#include "EngineFixture.h"
#include "prevform/CommandSplit.h"

#include <QFile>

#include <functional>

namespace {

using BuilderTest = EngineFixture;

struct BuilderCase {
    std::function<void(PrevEngine&)> Build;
    const char* Line;
};

TEST_F(BuilderTest, EachBuilderAppendsExactlyItsLine)
{
    const BuilderCase cases[] = {
        {[](PrevEngine& e) { e.PrevInit(); }, "INITPARAM"},
        {[](PrevEngine& e) { e.PrevTextOut(10, 20, QStringLiteral("答え"), QStringLiteral("NIL")); },
         "TextOut, 1.00000000000000E+0001, 2.00000000000000E+0001,\"答え\",NIL"},
        {[](PrevEngine& e) { e.PrevTextOut(-2.5, 0, QStringLiteral("a\"b"), QStringLiteral("5")); },
         "TextOut,-2.50000000000000E+0000, 0.00000000000000E+0000,\"a\"\"b\",5"},
        {[](PrevEngine& e) { e.PrevTextOutAngle(1, 2, 900, QStringLiteral("縦")); },
         "TextOutAngle, 1.00000000000000E+0000, 2.00000000000000E+0000,\"縦\", "
         "9.00000000000000E+0002"},
        {[](PrevEngine& e) { e.PrevLine(10, 10, 100, 10.5); },
         "Line, 1.00000000000000E+0001, 1.00000000000000E+0001, 1.00000000000000E+0002, "
         "1.05000000000000E+0001"},
        {[](PrevEngine& e) { e.PrevColor(0x123456); }, "Color,BLACK"},
        {[](PrevEngine& e) { e.PrevColor(0x0000FF); }, "Color,RED"},
        {[](PrevEngine& e) { e.PrevFontColor(0xFF0000); }, "FontColor,BLUE"},
        {[](PrevEngine& e) { e.PrevBrushColor(0x00FFFF); }, "BrushColor,YELLOW"},
        {[](PrevEngine& e) { e.PrevPenColor(0xC0C0C0); }, "PenColor,SILVER"},
        {[](PrevEngine& e) { e.PrevPenColor(0x80000005); }, "PenColor,BLACK"}, // a system colour
        {[](PrevEngine& e) { e.PrevFontSize(12); }, "FontSize,12"},
        {[](PrevEngine& e) { e.PrevFontSize(-3); }, "FontSize,-3"},
        {[](PrevEngine& e) { e.PrevFontName(QStringLiteral("\"ＭＳ Ｐゴシック\"")); },
         "FontName,\"ＭＳ Ｐゴシック\""},
        {[](PrevEngine& e) { e.PrevFontStyle(QStringLiteral("BOLD")); }, "FontStyle,BOLD"},
        {[](PrevEngine& e) { e.PrevPenWidth(0.25); }, "PenWidth,0.25"},
        {[](PrevEngine& e) { e.PrevPenWidth(2); }, "PenWidth,2"},
        {[](PrevEngine& e) { e.PrevPenSize(3); }, "PenSize,3"},
        {[](PrevEngine& e) { e.PrevPenStyle(QStringLiteral("psDot")); }, "PenStyle,psDot"},
        {[](PrevEngine& e) { e.PrevPicture(QStringLiteral("logo.bmp"), 0, 0, 50, -10); },
         "Picture,logo.bmp, 0.00000000000000E+0000, 0.00000000000000E+0000, "
         "5.00000000000000E+0001,-1.00000000000000E+0001"},
        {[](PrevEngine& e) { e.PrevHeader(QStringLiteral("答え"), 3, 0, 0); },
         "Header,\"答え\",3, 0.00000000000000E+0000, 0.00000000000000E+0000"},
        {[](PrevEngine& e) { e.PrevFooter(QStringLiteral("f"), -1, 1, 2); },
         "Footer,\"f\",-1, 1.00000000000000E+0000, 2.00000000000000E+0000"},
        {[](PrevEngine& e) { e.PrevpageTitle(QStringLiteral("t"), 4, 10, 10); },
         "PageTitle,\"t\",4, 1.00000000000000E+0001, 1.00000000000000E+0001"},
        {[](PrevEngine& e) { e.PrevSubTitle(QString(), 0, 0, 36); },
         "SubTitle,\"\",0, 0.00000000000000E+0000, 3.60000000000000E+0001"},
    };
    for (const BuilderCase& c : cases) {
        Engine->ClearProgramList();
        c.Build(*Engine);
        ASSERT_EQ(Engine->ListbyProgram.size(), 1) << c.Line;
        EXPECT_EQ(Engine->ListbyProgram[0], QString::fromUtf8(c.Line));
    }
}

TEST_F(BuilderTest, TextsAndNumbersSurviveTheLineSplit)
{
    const QString texts[] = {
        QStringLiteral("a, b"), QStringLiteral("  lead and trail  "), QStringLiteral("say \"hi\""),
        QStringLiteral("\"\""), QStringLiteral(",,,"), QStringLiteral("答え：1,234.5"), QString(),
    };
    for (const QString& text : texts) {
        Engine->ClearProgramList();
        Engine->PrevTextOut(12.345, -0.001, text, QStringLiteral("NIL"));
        Engine->PrevHeader(text, 2, 7, 8);
        const QStringList textOut = SplitCommandLine(Engine->ListbyProgram[0]);
        ASSERT_EQ(textOut.size(), 5) << text.toStdString();
        EXPECT_EQ(textOut[3], text);
        EXPECT_EQ(CommandNumber(textOut[1]), 12.345);
        EXPECT_EQ(CommandNumber(textOut[2]), -0.001);
        const QStringList header = SplitCommandLine(Engine->ListbyProgram[1]);
        ASSERT_EQ(header.size(), 5) << text.toStdString();
        EXPECT_EQ(header[1], text);
        EXPECT_EQ(CommandInteger(header[2]), 2);
    }
}

TEST_F(BuilderTest, MeasuresInTheFontSetLast)
{
    PageFont small;
    small.Size = 10;
    PageFont large = small;
    large.Size = 20;
    Engine->SetFontSets(small);
    const double smallWidth = Engine->GetWidth(QStringLiteral("12.345"));
    const double smallHeight = Engine->GetHeight(QStringLiteral("12.345"));
    Engine->SetFontSets(large);
    EXPECT_GT(Engine->GetWidth(QStringLiteral("12.345")), 1.5 * smallWidth);
    EXPECT_GT(Engine->GetHeight(QStringLiteral("12.345")), 1.5 * smallHeight);
    EXPECT_NEAR(Engine->Get_UnitWidth(), 200.0, 0.2); // A4 less 5 mm margins, in mm
    EXPECT_NEAR(Engine->Get_UnitHeight(), 287.0, 0.2);
}

} // namespace

namespace {

class PictureSlotTest : public EngineFixture {
protected:
    void SetUp() override
    {
        QImage red(4, 3, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(Path("red.png")));
        QImage blue(6, 2, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        ASSERT_TRUE(blue.save(Path("blue.bmp")));
    }
    QString PictureLine(const char* name) const
    {
        return QStringLiteral("Picture,%1,0,0,10,10").arg(Path(name));
    }
};

TEST_F(PictureSlotTest, PreloadsTheFirstFiveEligibleLinesOfAList)
{
    Engine->Bmp[0] = QImage(1, 1, QImage::Format_RGB32);
    Engine->ListbyProgram = {QStringLiteral("Picture,only-two-fields"), PictureLine("red.png"),
                             QStringLiteral("TextOut,0,0,x"), PictureLine("blue.bmp"),
                             PictureLine("missing.png"), PictureLine("red.png"),
                             PictureLine("red.png"), PictureLine("blue.bmp"),
                             PictureLine("blue.bmp")};
    Engine->Bmp[14] = QImage(9, 9, QImage::Format_RGB32);
    Engine->LoadListPictures(2);
    EXPECT_EQ(Engine->Bmp[10].size(), QSize(4, 3));
    EXPECT_EQ(Engine->Bmp[11].size(), QSize(6, 2));
    EXPECT_TRUE(Engine->Bmp[12].isNull()); // a missing file empties its slot
    EXPECT_EQ(Engine->Bmp[13].size(), QSize(4, 3));
    EXPECT_EQ(Engine->Bmp[14].size(), QSize(4, 3)); // the fifth; the sixth and seventh are not loaded
    EXPECT_EQ(Engine->Bmp[0].size(), QSize(1, 1)); // other lists' slots keep their pictures
}

TEST_F(PictureSlotTest, SlotsNotReachedKeepTheirPicture)
{
    Engine->ListbyProgram = {PictureLine("red.png"), PictureLine("blue.bmp")};
    Engine->LoadListPictures(2);
    Engine->ListbyProgram = {PictureLine("blue.bmp")};
    Engine->LoadListPictures(2);
    EXPECT_EQ(Engine->Bmp[10].size(), QSize(6, 2));
    EXPECT_EQ(Engine->Bmp[11].size(), QSize(6, 2));
}

TEST_F(PictureSlotTest, ReadListFileLoadsTheListAndItsPicturesAndReportsCyclesOnce)
{
    QFile pointer(Path("PrevForm.prv"));
    ASSERT_TRUE(pointer.open(QIODevice::WriteOnly));
    pointer.write((PictureLine("red.png") + "\n\nINCLUDE," + Path("PrevForm.prv") + "\n").toUtf8());
    pointer.close();
    Engine->ListIniFile = Path("PrevForm.prv");
    Engine->ListByFile = {QStringLiteral("stale")};
    Engine->ReadListFile();
    EXPECT_EQ(Engine->ListByFile.first(), PictureLine("red.png"));
    EXPECT_EQ(Engine->Bmp[0].size(), QSize(4, 3));
    EXPECT_EQ(Prompt.Messages.size(), 1);

    Engine->ListIniFile = Path("none.prv");
    Engine->ReadListFile();
    EXPECT_TRUE(Engine->ListByFile.isEmpty());
    EXPECT_EQ(Prompt.Messages.size(), 1);
}

} // namespace
