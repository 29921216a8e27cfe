#include "FakeComposeEngine.h"
#include "QStringPrinter.h"
#include "worksheet/SheetComposer.h"
#include "worksheet/StartingLayout.h"
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A reference sheet: page 190 × 277, title at 10/10, subtitle at 10/36, the
// heading at 80/10, two addition problems in 2 rows × 1 column.
class SheetComposerTest : public ::testing::Test {
protected:
    FakeComposeEngine Engine;
    SheetSettings Settings;
    SheetProblems Problems;
    PageFont CurFont;
    SheetLayout Layout;  // the results of the last Compose
    QString HeadingLine;

    void SetUp() override
    {
        Engine = FakeComposeEngine();
        Settings = SheetSettings();
        CurFont = PageFont();
        Engine.HeaderRec = UnconfiguredPageStr();
        Engine.FooterRec = UnconfiguredPageStr();
        Engine.TitleRec = UnconfiguredPageStr();
        Engine.SubTitleRec = UnconfiguredPageStr();
        GiveStartingLayout(Engine.TitleRec, StartingLayout::PageTitle);
        GiveStartingLayout(Engine.SubTitleRec, StartingLayout::SubTitle);
        Settings.ExamRowN = 2;
        Settings.ExamColN = 1;
        Problems = {{"1.5", "3"}, {"2.25", "4"}, {"3.75", "7"}, QStringLiteral("＋"), 0};
        HeadingLine = QLatin1Char(' ') + Settings.sDateTime + QLatin1Char(' ');
        Engine.Widths[HeadingLine] = 60;
        for (int n = 1; n <= 20; ++n)
            Engine.Widths[QString::asprintf("(%2d)", n)] = 6;
    }

    void Compose(int mode = ProblemSheet)
    {
        SheetComposer composer(Engine, Settings, Problems, CurFont);
        composer.ComposeSheet(mode);
        Layout = composer.Layout();
    }

    // The lines after the last "PenStyle": the cells.
    QStringList CellLines() const
    {
        qsizetype start = Engine.Lines.size();
        while (start > 0 && !Engine.Lines.at(start - 1).startsWith("PenStyle,"))
            --start;
        return Engine.Lines.mid(start);
    }

    // Column-form numbers: SW 8, SH 9, every digit 4.2; cell at (26, 45).
    void UseColumnForm(const QString& sign, int tab)
    {
        Settings.ExamType = true;
        Problems.LblKigou = sign;
        Problems.TabIndex = tab;
        Engine.Widths[sign + "8"] = 8;
        Engine.Heights[sign + "8"] = 9;
        Engine.Widths[")"] = 2;
    }

    // Metrics that follow the font: a character pointWidth wide per point, a
    // line pointHeight high per point (by default 6 and 9.6 at 24 points).
    void UseScaledMetrics(double pointWidth = 0.25, double pointHeight = 0.4)
    {
        Engine.PointWidth = pointWidth;
        Engine.PointHeight = pointHeight;
    }

    // count copies of one problem, on the grid given.
    void FillGrid(int rows, int cols, const QString& a, const QString& b, const QString& answer,
                  int count = 20)
    {
        Settings.ExamRowN = rows;
        Settings.ExamColN = cols;
        Problems.Memo1 = QStringList(count, a);
        Problems.Memo2 = QStringList(count, b);
        Problems.Memo3 = QStringList(count, answer);
    }

    // The size the last cell's problem is written in.
    int ProblemSize() const { return Engine.Boxes.last().Size; }

    // Every text and rule of the cells stays inside its own cell, and so
    // inside the problem area.
    void ExpectCellsInside(const std::string& what) const
    {
        const double l = Settings.WindowLeft, u = Layout.WindowUpper;
        const double r = Layout.WindowInner, d = Layout.WindowUnder;
        const GridSize grid = GridSize::Clamped(Settings.ExamRowN, Settings.ExamColN);
        const double cw = (r - l) / grid.Cols, ch = (d - u) / grid.Rows, eps = 1e-9;
        const qsizetype first = Engine.Lines.size() - CellLines().size();
        for (const FakeComposeEngine::Box& box : Engine.Boxes) {
            if (box.Index < first)
                continue;
            const double col = std::floor((box.Left - l) / cw + eps);
            const double row = std::floor((box.Top - u) / ch + eps);
            const std::string line = Engine.Lines.at(box.Index).toStdString();
            EXPECT_GE(box.Left, l - eps) << what << ": " << line;
            EXPECT_LE(box.Right, std::min(r, l + (col + 1) * cw) + eps) << what << ": " << line;
            EXPECT_LE(box.Bottom, std::min(d, u + (row + 1) * ch) + eps) << what << ": " << line;
        }
    }

    // Cell lines of problem 1 without its label and font lines.
    QStringList FirstCellDrawing() const
    {
        QStringList result;
        for (const QString& line : CellLines())
            if (!line.startsWith("Font") && !line.contains("( 1)"))
                result << line;
        return result.mid(0, result.indexOf(QRegularExpression("\"\\( 2\\)\"")));
    }
};

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
    Problems.Memo3 = {"3.75"};  // the second answer is missing
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
        Problems.Memo1 = {c.A};
        Problems.Memo2 = {c.B};
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
        Problems.Memo1 = {c.A};
        Problems.Memo2 = {c.B};
        Problems.Memo3 = {"3.75"};
        Settings.AnswerType = c.AnswerType;
        Compose();
        EXPECT_EQ(Engine.Lines.last(),
                  QStringLiteral("TextOut,26,45,\"%1\",Nil").arg(QString::fromUtf8(c.Expected)));
    }
}

TEST_F(SheetComposerTest, EmptyFirstListDoesNothing)
{
    Engine.Lines = {"earlier sheet"};
    Problems.Memo1.clear();
    Compose();
    EXPECT_EQ(Engine.Lines, QStringList({"earlier sheet"}));
    EXPECT_EQ(Engine.Updates, 0);
}

TEST_F(SheetComposerTest, CellsRunDownEachColumnAndStopAtMissingProblem)
{
    Settings.ExamRowN = 10;
    Settings.ExamColN = 2;
    Problems.Memo1.clear();
    for (int n = 1; n <= 20; ++n)
        Problems.Memo1 << QString::number(n);
    Problems.Memo2 = Problems.Memo1.mid(0, 19);
    Compose();
    // CW = 85, CH = 22.2.
    EXPECT_TRUE(Engine.Lines.contains("TextOut,95,45,\"(11)\",Nil"));
    EXPECT_TRUE(Engine.Lines.contains("TextOut,111,45,\"11 ＋ 11 = \",Nil"));
    EXPECT_TRUE(Engine.Lines.contains("TextOut,10,244.8,\"(10)\",Nil"));
    EXPECT_EQ(CellLines().filter("TextOut").size(), 2 * 19);
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

// --- problems that fit their cells ---

struct FitForm {
    const char* Name;
    bool ColumnForm;
    int AnswerType;
    const char* Sign;
    int Tab;
    const char* A;
    const char* B;
    const char* Answer;
};

// Long problems on grids of two to four columns, a character 3.6 wide at 24
// points: on both sheets and in every form each text stays inside its cell,
// and three or four columns need a smaller size.
TEST_F(SheetComposerTest, CrowdedGridsShrinkProblemsIntoTheirCells)
{
    const FitForm forms[] = {
        {"one line", false, 1, "＋", 0, "99.99", "99.99", "199.98"},
        {"answers on the sheet", false, 2, "－", 1, "9.99", "-9.99", "0"},
        {"column addition", true, 1, "＋", 0, "-99.99", "99.99", "0"},
        {"column multiplication", true, 1, "×", 2, "99.99", "9.999", "999.80001"},
        {"division", true, 1, "÷", 3, "999.9", "99.99", "10 あまり 0.09"},
    };
    const std::pair<int, int> grids[] = {{10, 2}, {6, 3}, {5, 4}};  // 7 × 3 would be 21 cells
    for (const FitForm& form : forms)
        for (const auto& [rows, cols] : grids)
            for (const int mode : {ProblemSheet, AnswerSheet}) {
                SetUp();
                UseScaledMetrics(0.15);
                FillGrid(rows, cols, form.A, form.B, form.Answer);
                Settings.ExamType = form.ColumnForm;
                Settings.AnswerType = form.AnswerType;
                Problems.LblKigou = form.Sign;
                Problems.TabIndex = form.Tab;
                Compose(mode);
                const std::string what = std::string(form.Name) + " " + std::to_string(rows) + "x"
                    + std::to_string(cols) + (mode == AnswerSheet ? " answers" : "");
                ExpectCellsInside(what);
                if (cols > 2) {
                    EXPECT_LT(ProblemSize(), 24) << what;
                }
                EXPECT_GE(ProblemSize(), SheetComposer::kSmallestProblemSize) << what;
                EXPECT_EQ(Settings.FntExam, SheetSettings::DefaultExamFont()) << what;
                for (const FakeComposeEngine::Box& box : Engine.Boxes) {
                    if (Engine.Lines.at(box.Index).contains(QRegularExpression("\"\\([ \\d]\\d\\)\""))) {
                        EXPECT_EQ(box.Size, 12) << what << ": labels keep the subtitle's size";
                    }
                }
            }
}

struct SizeCase {
    const char* Name;
    int Rows, Cols;
    bool ColumnForm;
    double PointHeight;
    const char* A;
    int StoredSize;
    int Expected;
};

// A character is 0.25 · size wide; a problem starts 16 into its cell and
// must end one blank (0.25 · size) before the cell's right edge.
TEST_F(SheetComposerTest, ProblemSizeIsTheLargestThatFits)
{
    const QString wide(40, QLatin1Char('9'));
    const SizeCase cases[] = {
        // «9.76 ＋ 9.48 = », 14 characters: 3.75 · size ≤ 85 − 16.
        {"two columns", 10, 2, false, 0.4, "9.76", 24, 18},
        {"one column is left alone", 10, 1, false, 0.4, "9.76", 24, 24},
        // The point line reaches 0.5 below the second row: size + 0.5 ≤ 22.2.
        {"column form too tall", 10, 1, true, 0.5, "9.76", 24, 21},
        {"never below 8", 5, 4, false, 0.4, "", 24, 8},
        {"a small stored size is not raised", 5, 4, false, 0.4, "", 6, 6},
    };
    for (const SizeCase& c : cases) {
        SetUp();
        UseScaledMetrics(0.25, c.PointHeight);
        const QString a = *c.A ? QString::fromUtf8(c.A) : wide;
        FillGrid(c.Rows, c.Cols, a, *c.A ? QStringLiteral("9.48") : wide, QStringLiteral("19.24"));
        Settings.ExamType = c.ColumnForm;
        Settings.FntExam.Size = c.StoredSize;
        Compose();
        EXPECT_EQ(ProblemSize(), c.Expected) << c.Name;
        EXPECT_EQ(Settings.FntExam.Size, c.StoredSize) << c.Name;
    }
}

TEST_F(SheetComposerTest, RoomierGridGetsTheStoredSizeBack)
{
    UseScaledMetrics();
    FillGrid(10, 2, "9.76", "9.48", "19.24");
    Compose();
    EXPECT_EQ(ProblemSize(), 18);
    EXPECT_EQ(CurFont.Size, 18);  // what the list ends with, for the next run
    Settings.ExamColN = 1;
    Compose();
    EXPECT_EQ(ProblemSize(), 24);
    EXPECT_TRUE(CellLines().contains("FontSize,24"));
}

struct AnswerFitCase {
    const char* Name;
    int AnswerType;
    const char* Answer;
    int Expected;  // on both sheets
};

// «1.5» × «2» stacks in 45 at 24 points; a 16-character answer needs
// 4.25 · size ≤ 69, so both sheets take 16 when there is an answer sheet.
TEST_F(SheetComposerTest, AnswerSheetTakesItsProblemSheetsSize)
{
    const AnswerFitCase cases[] = {
        {"short answers", 1, "3", 24},
        {"answers wider than the problems", 1, "1234567890.12345", 16},
        {"no answer sheet", 0, "1234567890.12345", 24},
    };
    for (const AnswerFitCase& c : cases) {
        int sizes[2] = {};
        for (const int mode : {ProblemSheet, AnswerSheet}) {
            SetUp();
            UseScaledMetrics();
            Settings.ExamType = true;
            Problems.LblKigou = QStringLiteral("×");
            Problems.TabIndex = 2;
            FillGrid(10, 2, "1.5", "2", c.Answer);
            Settings.AnswerType = c.AnswerType;
            Compose(mode);
            sizes[mode] = ProblemSize();
            if (mode == AnswerSheet && c.AnswerType != 0)
                ExpectCellsInside(c.Name);
        }
        EXPECT_EQ(sizes[ProblemSheet], c.Expected) << c.Name;
        if (c.AnswerType != 0) {
            EXPECT_EQ(sizes[AnswerSheet], c.Expected) << c.Name;
        }
    }
}

} // namespace

namespace {

// A remainder answer too wide for its cell breaks before « あまり » onto a
// second line of the cell before the problems shrink; one that fits stays
// on one line. Characters are 6 wide at 24 points, cells 85 wide.
TEST_F(SheetComposerTest, RemainderAnswersBreakBeforeTheyShrink)
{
    const struct {
        const char* Name;
        int AnswerType;
        int Mode;
        const char* Answer;
        QStringList Expected;
    } cases[] = {
        {"on the problem sheet", 2, ProblemSheet, "2 あまり 1", {"7 ÷ 3 = 2", "あまり 1"}},
        {"answer sheet", 1, AnswerSheet, "2.33 あまり 0.001", {"2.33", "あまり 0.001"}},
        {"fits on one line", 2, ProblemSheet, "2", {"7 ÷ 3 = 2"}},
        {"answer fits", 1, AnswerSheet, "2 あまり 1", {"2 あまり 1"}},
    };
    for (const auto& c : cases) {
        SetUp();
        UseScaledMetrics();
        FillGrid(10, 2, "7", "3", QString::fromUtf8(c.Answer));
        Problems.LblKigou = QStringLiteral("÷");
        Problems.TabIndex = 3;
        Settings.AnswerType = c.AnswerType;
        Compose(c.Mode);
        ExpectCellsInside(c.Name);
        EXPECT_EQ(ProblemSize(), 24) << c.Name;
        QStringList texts;
        for (const QString& line : CellLines())
            if (line.startsWith("TextOut,"))
                texts << line.section('"', 1, 1);
        EXPECT_EQ(texts.mid(1, c.Expected.size() + 1), c.Expected + QStringList{"( 2)"}) << c.Name;
    }
}

} // namespace
