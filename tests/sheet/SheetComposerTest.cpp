#include "SheetComposerFixture.h"

namespace {

TEST_F(SheetComposerTest, ReferenceSheetComesOutLineForLine)
{
    Compose();
    const QStringList expected = {
        "INITPARAM",
        "FontName,\"ＭＳ 明朝\"",
        "Header,\"\",0,0,0",
        "Footer,\"\",0,0,0",
        "FontSize,24",
        "PageTitle,\"かずの計算\",4,10,10",
        "FontSize,12",
        "SubTitle,\"たしざんのもんだい\",4,10,36",
        "FontSize,11",
        "TextOut,80,12.5,\"" + HeadingLine + "\",NIL",
        "TextOut,80,27.5,\"　なまえ \",NIL",
        "PenSize,1",
        "Line,80,10,140,10",
        "Line,140,10,140,40",
        "Line,140,40,80,40",
        "Line,80,40,80,10",
        "Line,80,20,140,20",
        "PenSize,1",
        "PenStyle,psSolid",
        "FontSize,12",
        "TextOut,10,45,\"( 1)\",Nil",
        "FontName,\"ＭＳ Ｐゴシック\"",
        "FontSize,24",
        "TextOut,26,45,\"1.5 ＋ 2.25 = \",Nil",
        "FontName,\"ＭＳ 明朝\"",
        "FontSize,12",
        "TextOut,10,156,\"( 2)\",Nil",
        "FontName,\"ＭＳ Ｐゴシック\"",
        "FontSize,24",
        "TextOut,26,156,\"3 ＋ 4 = \",Nil",
    };
    EXPECT_EQ(Engine.Lines, expected);
    EXPECT_EQ(Engine.Clears, 1);
    EXPECT_EQ(Engine.Updates, 0);  // whoever shows the sheet renders it
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 40);
    EXPECT_DOUBLE_EQ(Layout.WindowUpper, 45);
    EXPECT_DOUBLE_EQ(Layout.WindowInner, 180);
    EXPECT_DOUBLE_EQ(Layout.WindowUnder, 267);
    EXPECT_EQ(CurFont, Settings.FntExam);  // kept for the next run
}

TEST_F(SheetComposerTest, AnswerSheetMarksSubtitleAndWritesAnswers)
{
    Settings.ExamType = true;  // answers are written as text in either form
    Problems.Lines3 = {"3.75"};  // the second answer is missing
    Compose(AnswerSheet);
    EXPECT_TRUE(Engine.Lines.contains("SubTitle,\"たしざんのもんだい (答)\",4,10,36"));
    EXPECT_EQ(CellLines().filter("TextOut"),
              QStringList({"TextOut,10,45,\"( 1)\",Nil", "TextOut,26,45,\"3.75\",Nil",
                           "TextOut,10,156,\"( 2)\",Nil", "TextOut,26,156,\"\",Nil"}));
}

struct ColumnCase {
    const char* Sign;
    int Tab;
    const char* A;
    const char* B;
    QStringList Drawing;
};

// SW 8, SH 9, digits 4.2 wide, ")" 2 wide; the cell at (26, 45).
TEST_F(SheetComposerTest, ColumnFormAlignment)
{
    const ColumnCase cases[] = {
        {"＋", 0, "12.5", "3.25",
         {"TextOut,34,45,\"125\",6", "TextOut,31.9,45.5,\"  .\",6", "TextOut,34,54,\" 325\",6",
          "TextOut,31.9,54.5,\"  .\",6", "TextOut,26,54,\"＋  \",Nil", "Line,26,63,63.4,63"}},
        {"×", 2, "3", "1.25",
         {"TextOut,34,45,\"   3\",6", "TextOut,34,54,\" 125\",6", "TextOut,31.9,54.5,\"  .\",6",
          "TextOut,26,54,\"×  \",Nil", "Line,26,63,63.4,63"}},
        // «4», «)» right after it, «12.6» right after that; the bar from the
        // middle of «)» to one blank past «12.6».
        {"÷", 3, "12.6", "4",
         {"TextOut,26,45,\"4\",Nil", "TextOut,30.2,45,\")\",Nil", "TextOut,32.2,45,\"12.6\",Nil",
          "Line,31.2,45,53.2,45"}},
    };
    for (const ColumnCase& c : cases) {
        SetUp();
        UseColumnForm(c.Sign, c.Tab);
        Problems.Lines1 = {c.A};
        Problems.Lines2 = {c.B};
        Settings.AnswerType = 2;  // never written in the column form
        Compose();
        EXPECT_EQ(FirstCellDrawing(), c.Drawing) << c.A << c.Sign << c.B;
    }
}

TEST_F(SheetComposerTest, DigitPitchKeepsDecimalsWhenUnitsAreLarge)
{
    UseColumnForm(QStringLiteral("＋"), 0);
    Engine.CharWidth = 0.17;  // inches: «88» is 0.34, so 0.75 · 0.34 = 0.255
    Compose();
    EXPECT_TRUE(FirstCellDrawing().first().endsWith(",0.255"));
}

struct OneLineCase {
    const char* A;
    const char* B;
    int AnswerType;
    const char* Expected;
};

TEST_F(SheetComposerTest, OneLineForm)
{
    const OneLineCase cases[] = {
        {"1.5", "2.25", 1, "1.5 ＋ 2.25 = "},
        {"1.5", "-2.25", 1, "1.5 ＋(-2.25)= "},
        {"-1.5", "2.25", 1, "-1.5 ＋ 2.25 = "},
        {"1.5", "2.25", 2, "1.5 ＋ 2.25 = 3.75"},
    };
    for (const OneLineCase& c : cases) {
        SetUp();
        Problems.Lines1 = {c.A};
        Problems.Lines2 = {c.B};
        Problems.Lines3 = {"3.75"};
        Settings.AnswerType = c.AnswerType;
        Compose();
        EXPECT_EQ(Engine.Lines.last(),
                  QStringLiteral("TextOut,26,45,\"%1\",Nil").arg(QString::fromUtf8(c.Expected)));
    }
}

TEST_F(SheetComposerTest, EmptyFirstListDoesNothing)
{
    Engine.Lines = {"earlier sheet"};
    Problems.Lines1.clear();
    Compose();
    EXPECT_EQ(Engine.Lines, QStringList({"earlier sheet"}));
    EXPECT_EQ(Engine.Updates, 0);
}

TEST_F(SheetComposerTest, CellsRunDownEachColumnAndStopAtMissingProblem)
{
    Settings.ExamRowN = 10;
    Settings.ExamColN = 2;
    Problems.Lines1.clear();
    for (int n = 1; n <= 20; ++n)
        Problems.Lines1 << QString::number(n);
    Problems.Lines2 = Problems.Lines1.mid(0, 19);
    Compose();
    // CW = 85, CH = 22.2.
    EXPECT_TRUE(Engine.Lines.contains("TextOut,95,45,\"(11)\",Nil"));
    EXPECT_TRUE(Engine.Lines.contains("TextOut,111,45,\"11 ＋ 11 = \",Nil"));
    EXPECT_TRUE(Engine.Lines.contains("TextOut,10,244.8,\"(10)\",Nil"));
    EXPECT_EQ(CellLines().filter("TextOut").size(), 2 * 19);
}

// A textbook sheet (a まちがいさがし sheet is one) prints its frames with
// the pen of its column form; a classic sheet keeps its one-dot lines.
TEST_F(SheetComposerTest, TextbookSheetsFrameWithTheirPen)
{
    const struct {
        bool Textbook, FindMistake;
        const char* Pen;
    } cases[] = {{false, false, "PenSize,1"}, {true, false, "PenWidth,0.4"}, {false, true, "PenWidth,0.4"}};
    for (const auto& c : cases) {
        SetUp();
        Settings.fTextbook = c.Textbook;
        Settings.fFindMistake = c.FindMistake;
        Settings.fClassBox = Settings.WindowFrame = true;
        Settings.HissanPen = 0.4;
        Compose();
        const QString pen = QString::fromLatin1(c.Pen);
        const int box = Engine.Lines.indexOf("Line,80,10,140,10");
        const int frame = Engine.Lines.indexOf("PenStyle,psDot");
        ASSERT_GT(box, 0);
        ASSERT_GT(frame, 0);
        EXPECT_EQ(Engine.Lines.mid(0, box).filter(QRegularExpression("^Pen(Size|Width)")).last(), pen);
        EXPECT_EQ(Engine.Lines[frame - 1], pen);
    }
}

TEST_F(SheetComposerTest, NumbersOffFrameOn)
{
    Settings.fExNum = false;
    Settings.WindowFrame = true;
    Compose();
    EXPECT_EQ(Engine.Lines.mid(Engine.Lines.indexOf("PenStyle,psDot") - 1, 9),
              QStringList({"PenSize,1", "PenStyle,psDot", "Line,10,45,180,45",
                           "Line,180,45,180,267", "Line,180,267,10,267", "Line,10,267,10,45",
                           "PenSize,1", "PenStyle,psSolid", "FontName,\"ＭＳ Ｐゴシック\""}));
    EXPECT_TRUE(CellLines().filter("( 1)").isEmpty());
    EXPECT_EQ(CellLines().filter("TextOut").first(), "TextOut,20,45,\"1.5 ＋ 2.25 = \",Nil");
}

// --- margins ---

struct MarginCase {
    const char* Name;
    std::function<void(FakeComposeEngine&, SheetSettings&)> Arrange;
    double Top, Bottom;
};

TEST_F(SheetComposerTest, MarginRules)
{
    const auto noSubtitleNoHeading = [](FakeComposeEngine& e, SheetSettings& s) {
        e.SubTitleRec.psY = "0";
        s.sDateTime.clear();
    };
    const MarginCase cases[] = {
        {"bottom at least 10", [](FakeComposeEngine&, SheetSettings& s) { s.WindowBottom = 5; }, 40, 10},
        {"top never shrinks", [](FakeComposeEngine&, SheetSettings& s) { s.WindowTop = 60; }, 60, 10},
        {"title bottom by the early height",
         [&](FakeComposeEngine& e, SheetSettings& s) { noSubtitleNoHeading(e, s); e.EarlyHeight = 8; }, 18, 10},
        {"footer at the bottom leaves the top",
         [&](FakeComposeEngine& e, SheetSettings& s) {
             noSubtitleNoHeading(e, s);
             e.FooterRec.psPos = 4;
             e.FooterRec.psY = "265";
         }, 14, 10},
        {"header counts",
         [&](FakeComposeEngine& e, SheetSettings& s) {
             noSubtitleNoHeading(e, s);
             e.HeaderRec.psPos = 4;
             e.HeaderRec.psY = "20";
         }, 24, 10},
        {"unplaceable subtitle neither drawn nor counted",
         [](FakeComposeEngine& e, SheetSettings&) { e.SubTitleRec.psY = "abc"; }, 20, 10},
    };
    for (const MarginCase& c : cases) {
        SetUp();
        c.Arrange(Engine, Settings);
        Compose();
        EXPECT_DOUBLE_EQ(Layout.WindowTop, c.Top) << c.Name;
        EXPECT_DOUBLE_EQ(Layout.WindowUpper, c.Top + 5) << c.Name;
        EXPECT_DOUBLE_EQ(Layout.WindowBottom, c.Bottom) << c.Name;
    }
    EXPECT_TRUE(Engine.Lines.contains("SubTitle,\"たしざんのもんだい\",0,10,0"));
}

TEST_F(SheetComposerTest, CodesAboveFourAtNoNumberAreWrittenUndrawn)
{
    // codes above 4 act as 4: without a numeric X or Y the command gets code 0
    Engine.SubTitleRec.psPos = 7;
    Engine.SubTitleRec.psY = "abc";
    Compose();
    EXPECT_TRUE(Engine.Lines.contains("SubTitle,\"たしざんのもんだい\",0,10,0"));
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 20);
}

// --- date-and-time heading ---

TEST_F(SheetComposerTest, HeadingBoxNeedsTextAndPositionNotName)
{
    struct Case { const char* Name; std::function<void(SheetSettings&)> Arrange; int Lines; bool NameLine; };
    const Case cases[] = {
        {"no name", [](SheetSettings& s) { s.sName.clear(); }, 5, false},
        {"no text", [](SheetSettings& s) { s.sDateTime.clear(); }, 0, false},
        {"code 0", [](SheetSettings& s) { s.DateTime.psPos = 0; }, 0, false},
    };
    for (const Case& c : cases) {
        SetUp();
        c.Arrange(Settings);
        Compose();
        EXPECT_EQ(Engine.Only("Line").size(), c.Lines) << c.Name;
        EXPECT_EQ(Engine.Lines.filter("なまえ").size(), c.NameLine ? 1 : 0) << c.Name;
    }
}

// The box is measured in the subtitle's font, which the subtitle leaves set
// for measuring; the heading text itself is written in the heading's font.
TEST_F(SheetComposerTest, HeadingBoxIsMeasuredInTheSubtitleFont)
{
    struct Case { int SubTitleSize; const char* SubTitleFace; int HeadingSize; };
    const Case cases[] = {{12, "ＭＳ 明朝", 11}, {9, "ＭＳ ゴシック", 20}};
    for (const Case& c : cases) {
        SetUp();
        Engine.SubTitleRec.psSize = c.SubTitleSize;
        Engine.SubTitleRec.psName = QString::fromUtf8(c.SubTitleFace);
        Settings.DateTime.psSize = c.HeadingSize;
        Compose();
        ASSERT_TRUE(Engine.WidthFonts.contains(HeadingLine));
        EXPECT_EQ(Engine.WidthFonts[HeadingLine].Size, c.SubTitleSize);
        EXPECT_EQ(Engine.WidthFonts[HeadingLine].Name, QString::fromUtf8(c.SubTitleFace));
        EXPECT_TRUE(Engine.Lines.contains(QStringLiteral("FontSize,%1").arg(c.HeadingSize)));
        EXPECT_EQ(Engine.FontSets.last(), Settings.FntExam);
    }
}

TEST_F(SheetComposerTest, HeaderTakesDateMacroFromClock)
{
    Settings.sHeader = "%d";
    SheetComposer composer(Engine, Settings, Problems, CurFont);
    composer.SetClock([] { return QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)); }, QLocale::c());
    composer.ComposeSheet(ProblemSheet);
    const QString date = QLocale::c().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    EXPECT_TRUE(Engine.Lines.contains("Header,\"" + date + "\",0,0,0"));
}

// --- guards ---

TEST_F(SheetComposerTest, HandEditedGridCountsAreClamped)
{
    struct Case { int Rows, Cols, ExpectRows, ExpectCols; };
    const Case cases[] = {{0, 0, 1, 1}, {-3, 2, 1, 2}, {50, 1, 10, 1},
                          {10, 4, 10, 2}, {7, 9, 7, 2}, {5, 4, 5, 4}};
    for (const Case& c : cases) {
        const GridSize grid = GridSize::Clamped(c.Rows, c.Cols);
        EXPECT_EQ(grid.Rows, c.ExpectRows) << c.Rows << "x" << c.Cols;
        EXPECT_EQ(grid.Cols, c.ExpectCols) << c.Rows << "x" << c.Cols;
    }
    Settings.ExamRowN = 0;
    Settings.ExamColN = 0;
    Compose();
    EXPECT_EQ(CellLines().filter("TextOut"),
              QStringList({"TextOut,10,45,\"( 1)\",Nil", "TextOut,26,45,\"1.5 ＋ 2.25 = \",Nil"}));
}

} // namespace
