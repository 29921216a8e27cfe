#include "prevform/PassFixture.h"
#include <gtest/gtest.h>

namespace {

class InterpreterTest : public testing::Test, public PassFixture {};

TEST_F(InterpreterTest, KeywordsMatchWithoutRegardToCase)
{
    Exec({"textout,10,20,Hello", "TEXTOUT,10,20,Hello", "TextOut,10,20,Hello"});
    const auto texts = Calls("text");
    ASSERT_EQ(texts.size(), 3u);
    for (const auto& t : texts) {
        EXPECT_EQ(t.A, QPoint(38, 76));
        EXPECT_EQ(t.Text, "Hello");
    }
}

TEST_F(InterpreterTest, TextFieldsFollowTheSplit)
{
    Exec({"TextOut,10,20,Hello World", "TextOut,10,20,\"Hello World\"",
         "TextOut,10,20,\"say \"\"hi\"\"\""});
    const auto texts = Calls("text");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "Hello");
    EXPECT_EQ(texts[1].Text, "Hello World");
    EXPECT_EQ(texts[2].Text, "say \"hi\"");
}

TEST_F(InterpreterTest, PitchGivesAFixedAdvanceAndCutsTheText)
{
    const QString longText(300, u'x');
    Exec({"TextOut,10,20,abc,NIL", "TextOut,10,20,abc,nil", "TextOut,10,20,abc",
         "TextOut,10,20,abc,0", "TextOut,10,20,abc,-5", "TextOut,10,20,abc,zz",
         "TextOut,10,20,abc,250", "TextOut,10,20,abc,10", "TextOut,0,0," + longText + ",5",
         "TextOut,0,0," + longText});
    const auto t = Calls("text");
    ASSERT_EQ(t.size(), 10u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t[i].Advance, 0) << i;
    EXPECT_EQ(t[6].Advance, 378); // 100 mm at 96 dpi
    EXPECT_EQ(t[7].Advance, 38);
    EXPECT_EQ(t[8].Text.size(), 200);
    EXPECT_EQ(t[9].Text.size(), 300);
}

TEST_F(InterpreterTest, ANonNumberCountsAsZero)
{
    Exec({"Line,10,10,abc,50"});
    const auto lines = Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].A, QPoint(38, 38));
    EXPECT_EQ(lines[0].B, QPoint(0, 189));
}

TEST_F(InterpreterTest, NegativeCoordinatesCountFromTheFarEdges)
{
    Exec({"Line,-10,-10,0,0"});
    const auto line = Calls("line").at(0);
    EXPECT_EQ(line.A, QPoint(qRound((4724 * 25.4 / 600 - 10) * 96 / 25.4),
                             qRound((6780 * 25.4 / 600 - 10) * 96 / 25.4)));
}

struct FailureCase {
    QString Line;
    QString Message; // empty: none shown
};

class FailureTest : public testing::TestWithParam<FailureCase>, public PassFixture {};

TEST_P(FailureTest, AShortLineEndsOnlyItsList)
{
    Bmp[10] = QImage(4, 4, QImage::Format_RGB32);
    Exec({"Line,0,0,1,1", GetParam().Line, "Color,RED", "Line,0,0,2,2"}, 2);
    const QStringList expected = GetParam().Message.isEmpty() ? QStringList{}
                                                              : QStringList{GetParam().Message};
    EXPECT_EQ(Prompts.Messages, expected);
    EXPECT_EQ(Calls("line").size(), 1u);
    EXPECT_EQ(State.Pen.Color, 0u);
    Exec({"Line,0,0,3,3"}, 0); // the next list runs
    EXPECT_EQ(Calls("line").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailureTest,
    testing::Values(FailureCase{"TextOut,1,2", ""}, FailureCase{"TextOutAngle,1,2,abc", ""},
                    FailureCase{"Line,10,10,50", "LINE, FORMAT ERROR"},
                    FailureCase{"Color", ""}, FailureCase{"FontColor", ""},
                    FailureCase{"BrushColor", ""}, FailureCase{"PenColor", ""},
                    FailureCase{"FontSize", ""}, FailureCase{"FontName", ""},
                    FailureCase{"FontStyle", "FONTSTYLE FORMAT ERROR"},
                    FailureCase{"PenWidth", "PENWIDTH, NOT VALUE"},
                    FailureCase{"PenSize", "PENWIDTH, NOT VALUE"},
                    FailureCase{"PenStyle", "PENSTYLE FORMAT ERROR"},
                    FailureCase{"Picture,a.bmp,1,2,3", "PICTURE, FORMAT ERROR"},
                    FailureCase{"Header,\"x\"", "HEADER, FORMAT ERROR"},
                    FailureCase{"Footer,\"x\"", "FOOTER, FORMAT ERROR"},
                    FailureCase{"PageTitle,\"x\"", "PAGETITLE, FORMAT ERROR"},
                    FailureCase{"SubTitle,\"x\",1,0", "SUBTITLE, FORMAT ERROR"}));

TEST_F(InterpreterTest, UnknownKeywordsAreSkippedQuietly)
{
    Exec({"NIL", "INCLUDE,a.txt", "Bogus,1,2", "\"\",1", "Line,0,0,1,1"});
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    EXPECT_EQ(Calls("line").size(), 1u);
}

TEST_F(InterpreterTest, ColourCommandsSetTheirParts)
{
    Exec({"Color,Red", "TextOut,0,0,a", "Line,0,0,1,1", "PenColor,BLUE", "FontColor,LIME",
         "TextOut,0,0,b", "Line,0,0,1,1", "Color,255", "TextOut,0,0,c"});
    const auto t = Calls("text");
    const auto l = Calls("line");
    EXPECT_EQ(t[0].Font.Color, 0x0000FFu);
    EXPECT_EQ(l[0].Pen.Color, 0x0000FFu);
    EXPECT_EQ(t[1].Font.Color, 0x00FF00u);
    EXPECT_EQ(l[1].Pen.Color, 0xFF0000u);
    EXPECT_EQ(t[2].Font.Color, 0u);
}

TEST_F(InterpreterTest, BrushColourPutsTextOnBoxesUntilReset)
{
    Exec({"TextOut,0,0,a", "BrushColor,YELLOW", "TextOut,0,0,b", "INITPARAM", "TextOut,0,0,c"});
    const auto t = Calls("text");
    EXPECT_FALSE(t[0].Brush.Solid);
    EXPECT_EQ(t[1].Brush, (SurfaceBrush{0x00FFFF, true}));
    EXPECT_FALSE(t[2].Brush.Solid);
}

TEST_F(InterpreterTest, FontSizeChangesOnlyForPositiveNumbers)
{
    const std::vector<std::pair<QString, int>> cases{
        {"FontSize,0", 9}, {"FontSize,-3", 9}, {"FontSize,x", 9}, {"FontSize,10.5", 11},
        {"FontSize,12", 12}, {"FontSize,1E9", 1000}};
    for (const auto& [line, size] : cases) {
        State.InitParam(96);
        Screen.Calls.clear();
        Exec({line, "TextOut,0,0,x", "TextOutAngle,0,0,x,0"});
        // Upright and rotated text alike are drawn at the new size.
        const int pixels = -DrawState::FontHeight(size, 96);
        EXPECT_EQ(Calls("text").at(0).Font.PixelHeight, pixels) << line.toStdString();
        EXPECT_EQ(Calls("angle").at(0).Font.PixelHeight, pixels) << line.toStdString();
    }
    EXPECT_EQ(DrawState::FontHeight(11, 96), -15);
    EXPECT_EQ(DrawState::FontHeight(9, 600), -75);
}

TEST_F(InterpreterTest, PenSizeAndPenWidth)
{
    const std::vector<std::pair<QStringList, int>> cases{
        {{"PenSize,3", "PenSize,1.9"}, 1}, {{"PenSize,3", "PenSize,0.5"}, 0},
        {{"PenSize,3", "PenSize,0"}, 3},   {{"PenSize,3", "PenSize,-2"}, 3},
        {{"PenWidth,1"}, 4},               {{"PenSize,3", "PenWidth,0"}, 3},
        {{"PenWidth,0.1"}, 0}};
    for (const auto& [lines, width] : cases) {
        Exec(lines);
        EXPECT_EQ(State.Pen.Width, width) << lines.join(" ").toStdString();
    }
}

TEST_F(InterpreterTest, EveryListStartsWithAOnePixelPen)
{
    Exec({"PenSize,5", "PenStyle,psDot"}, 0);
    Exec({"Line,0,0,1,1"}, 1);
    EXPECT_EQ(Calls("line")[0].Pen, (SurfacePen{0, 1, PenStyle::Dot}));
}

TEST_F(InterpreterTest, FontStyleWordsSetAndClearOneBitEach)
{
    Exec({"FontStyle,Bold", "FontStyle,UNDERLINE"});
    EXPECT_TRUE(State.Font.Bold && State.Font.Underline && State.fBold && State.fUnderline);
    Exec({"FontStyle,UNDERLINE-", "FontStyle,whatever"});
    EXPECT_TRUE(State.Font.Bold);
    EXPECT_FALSE(State.Font.Underline || State.fUnderline);
    Exec({"FontStyle,italic", "FontStyle,strikeout", "FontStyle,NONE"});
    EXPECT_EQ(State.Font, PageFont{});
    EXPECT_FALSE(State.fBold || State.fItalic || State.fUnderline || State.fStrikeout);
}

TEST_F(InterpreterTest, PenStyleWords)
{
    const std::vector<std::pair<QString, PenStyle>> cases{
        {"psDot", PenStyle::Dot}, {"PSDOT", PenStyle::Dot}, {"psDash", PenStyle::Dash},
        {"PSDASHDOT", PenStyle::DashDot}, {"psDashDotDot", PenStyle::DashDotDot},
        {"dotted", PenStyle::DashDotDot}, {"psSolid", PenStyle::Solid}};
    for (const auto& [word, style] : cases) {
        Exec({"PenStyle," + word});
        EXPECT_EQ(State.Pen.Style, style) << word.toStdString();
    }
}

TEST_F(InterpreterTest, FontNameKeepsCaseAndIgnoresAnEmptyField)
{
    Exec({"FontName,\"ＭＳ 明朝\"", "FontName,,x"});
    EXPECT_EQ(State.Font.Name, "ＭＳ 明朝");
    Exec({"FontName,IPAMincho", "TextOut,0,0,a"});
    EXPECT_EQ(Calls("text")[0].Font.Face, "IPAMincho");
}

TEST_F(InterpreterTest, RotatedTextUsesCourierNewAndTheStyleFlags)
{
    Exec({"FontName,IPAMincho", "FontSize,12", "FontStyle,BOLD", "Color,NAVY",
         "TextOutAngle,50,100,Vertical,900", "TextOutAngle,0,0,a,3700",
         "TextOutAngle,0,0,b,899.9", "TextOutAngle,0,0,c,-10", "TextOutAngle,0,0,d,x"});
    const auto a = Calls("angle");
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].A, QPoint(189, 378));
    EXPECT_EQ(a[0].Advance, 900);
    EXPECT_EQ(a[0].Font, (DeviceFont{"CourierNew", 16, 0x800000, true, false, false, false}));
    EXPECT_EQ(a[1].Advance, 100);
    EXPECT_EQ(a[2].Advance, 899);
    EXPECT_EQ(a[3].Advance, 0);
    EXPECT_EQ(State.Font.Name, "IPAMincho");
}

TEST_F(InterpreterTest, PicturesDrawFromTheListsFiveSlots)
{
    for (int i = 5; i < 10; ++i)
        Bmp[i] = QImage(i, i, QImage::Format_RGB32);
    Bmp[6] = QImage();
    QStringList lines;
    for (int i = 0; i < 6; ++i)
        lines << QString("Picture,p%1.bmp,0,0,10,10").arg(i);
    lines << "Picture,x,1"; // beyond the fifth: not even read
    Exec(lines, 1);
    const auto p = Calls("picture");
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].PictureSize, QSize(5, 5));
    EXPECT_EQ(p[1].PictureSize, QSize(7, 7)); // slot 6 empty: counted, nothing drawn
    EXPECT_EQ(p[3].B, QPoint(38, 38));
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

TEST_F(InterpreterTest, AnEmptySlotReadsNoFields)
{
    Exec({"Picture,a.bmp", "Line,0,0,1,1"}, 0);
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    EXPECT_EQ(Calls("line").size(), 1u);
}

TEST_F(InterpreterTest, CoordinatesBeyondThe32BitRangeSkipOnlyTheirCommand)
{
    Exec({"Line,1E300,0,1,1", "TextOut,0,-1E200,a", "TextOut,0,0,b,1E300", "Line,0,0,1,1"});
    EXPECT_EQ(Calls("line").size(), 1u);
    const auto t = Calls("text");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].Advance, 378); // pitch above 100 taken as 100
}

TEST_F(InterpreterTest, NumbersBeyondADoubleCountAsHuge)
{
    Exec({"Line,1e400,50,100,50", "Line,0,-1e400,1,1", "TextOut,10,20,\"II\",1e400",
          "TextOutAngle,0,0,a,1e400", "TextOutAngle,0,0,b,-1e400", "FontSize,1e400",
          "PenWidth,1e9", "Line,0,0,1,1"});
    const auto lines = Calls("line");
    ASSERT_EQ(lines.size(), 1u); // the huge coordinates skip their lines
    EXPECT_EQ(lines[0].Pen.Width, 32767);
    const auto t = Calls("text");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].Advance, 378); // pitch 100
    EXPECT_EQ(Calls("angle").size(), 1u);
    EXPECT_EQ(State.Font.Size, 1000);
    Exec({"PenWidth,1e400", "Line,0,0,1,1"});
    EXPECT_EQ(Calls("line").back().Pen.Width, 32767);
}

TEST_F(InterpreterTest, OnlyCodesUpTo32TrimWordsAndNumbers)
{
    const QString ideographic(QChar(0x3000));
    Exec({"Color,RED\t", "TextOut,0,0,a", "Color,RED" + ideographic, "TextOut,0,0,b",
          "Line," + ideographic + "50,0,1,1", "FontSize," + ideographic + "20"});
    const auto t = Calls("text");
    EXPECT_EQ(t[0].Font.Color, 0x0000FFu);
    EXPECT_EQ(t[1].Font.Color, 0u); // no colour word: black
    EXPECT_EQ(Calls("line").at(0).A.x(), 0); // no number: 0
    EXPECT_EQ(State.Font.Size, 9);
}

TEST_F(InterpreterTest, HeaderCommandDrawsOnceAndLeavesTheRecordAlone)
{
    Header.SetSets("stored", "ＭＳ 明朝", 20, 1, "0", "0", true, false);
    Exec({"FontSize,12", "Header,\"答え\",3,0,0", "Header,\"again\",1,0,0"});
    const auto t = Calls("text");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].Text, "答え");
    EXPECT_EQ(t[0].Font.PixelHeight, 16);
    EXPECT_NEAR(t[0].A.x(), (755 - 32) / 2.0, 0.6); // the fake measures 16 px per character
    EXPECT_EQ(t[0].A.y(), 0);
    EXPECT_TRUE(Header.psDrawn);
    EXPECT_EQ(Header.psStr, "stored");
    EXPECT_EQ(Header.psSize, 20);
    EXPECT_EQ(State.Font.Size, 12);
    EXPECT_EQ(State.Font.Name, "ＭＳ Ｐゴシック");
}

TEST_F(InterpreterTest, PageStringCommandCodes)
{
    // header below 1 never draws; other kinds take a negative code as 1, above 4 as 4
    Exec({"Header,\"h\",-1,0,0", "Footer,\"f\",-3,0,0", "PageTitle,\"t\",7,10,20",
         "SubTitle,\"s\",x,0,0", "SubTitle,\"s\",4,abc,0"});
    const auto t = Calls("text");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].Text, "f");
    EXPECT_EQ(t[0].A.x(), 0);
    EXPECT_EQ(t[1].A, QPoint(38, 76));
    EXPECT_FALSE(SubTitle.psDrawn);
}

} // namespace
