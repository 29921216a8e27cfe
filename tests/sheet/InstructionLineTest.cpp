// The instruction line and the name box for upper grades: where the line
// goes, that it never overlaps the name box and pushes the problem area
// down, and the 年・組・番 line with its score cell.
#include "support/FakeComposeEngine.h"
#include "support/QStringPrinter.h"
#include "sheet/InstructionLine.h"
#include "sheet/SheetComposer.h"
#include "sheet/StartingLayout.h"
#include <gtest/gtest.h>

namespace {

TPageStr Record(int pos, const char* x = "0", const char* y = "0")
{
    TPageStr record = UnconfiguredPageStr();
    record.psPos = pos;
    record.psX = QString::fromLatin1(x);
    record.psY = QString::fromLatin1(y);
    return record;
}

// A text 40 wide and 6 high on a page 190 wide whose page strings end at 42.
TEST(InstructionLine, BoxFollowsThePositionCode)
{
    struct Case { TPageStr Rec; std::optional<double> L, U; };
    const Case cases[] = {
        {Record(0, "10", "46"), std::nullopt, std::nullopt},
        {Record(1), 0, 42},
        {Record(2), 150, 42},
        {Record(3), 75, 42},
        {Record(4, "12.5", "50"), 12.5, 50},
        {Record(7, "12.5", "50"), 12.5, 50},   // codes above 4 act as 4
        {Record(4, "x", "50"), std::nullopt, std::nullopt},
        {Record(4, "10", ""), std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<LineBox> box = InstructionLineBox(c.Rec, 190, 42, 40, 6);
        ASSERT_EQ(box.has_value(), c.L.has_value()) << c.Rec.psPos << " " << c.Rec.psX.toStdString();
        if (!box)
            continue;
        EXPECT_DOUBLE_EQ(box->L, *c.L);
        EXPECT_DOUBLE_EQ(box->U, *c.U);
        EXPECT_DOUBLE_EQ(box->R - box->L, 40);
        EXPECT_DOUBLE_EQ(box->D - box->U, 6);
    }
}

TEST(InstructionLine, MovesBelowTheNameBoxOnlyWhenTheyMeet)
{
    const LineBox nameBox{80, 10, 140, 40};
    struct Case { const char* Name; LineBox Line; double Top; };
    const Case cases[] = {
        {"beside the box", {10, 30, 70, 36}, 30},
        {"under the box", {10, 46, 120, 52}, 46},
        {"touching its bottom edge", {10, 40, 120, 46}, 40},
        {"into its lower half", {10, 35, 120, 41}, 42},
        {"across it", {90, 12, 100, 18}, 42},
        {"reaching into its left edge", {10, 38, 81, 44}, 42},
    };
    for (const Case& c : cases) {
        const LineBox moved = ClearOfNameBox(c.Line, nameBox, 2);
        EXPECT_DOUBLE_EQ(moved.U, c.Top) << c.Name;
        EXPECT_DOUBLE_EQ(moved.D - moved.U, c.Line.D - c.Line.U) << c.Name;
        EXPECT_DOUBLE_EQ(moved.L, c.Line.L) << c.Name;
        EXPECT_FALSE(moved.Meets(nameBox)) << c.Name;
    }
    EXPECT_DOUBLE_EQ(ClearOfNameBox({90, 12, 100, 18}, std::nullopt, 2).U, 12);
}

TEST(InstructionLine, TypedTextStandsEmptyTakesTheMadeOne)
{
    TPageStr record = Record(4, "10", "46");
    EXPECT_EQ(InstructionLineText(record, "わりきれるまで計算しましょう。"),
              QStringLiteral("わりきれるまで計算しましょう。"));
    record.psStr = QStringLiteral("ていねいに書きましょう。");
    EXPECT_EQ(InstructionLineText(record, "わりきれるまで計算しましょう。"),
              QStringLiteral("ていねいに書きましょう。"));
}

TEST(InstructionLine, ShowingTurnsItOnWithoutMovingAPlacedLine)
{
    TPageStr fresh = UnconfiguredPageStr();
    ShowInstructionLine(fresh);
    EXPECT_EQ(fresh.psPos, 4);
    EXPECT_EQ(fresh.psX, QStringLiteral("10"));
    EXPECT_EQ(fresh.psY, QStringLiteral("46"));
    EXPECT_EQ(fresh.psSize, 12);

    TPageStr placedOff = Record(0, "20", "60");
    ShowInstructionLine(placedOff);
    EXPECT_EQ(placedOff.psPos, 4);
    EXPECT_EQ(placedOff.psY, QStringLiteral("60"));

    TPageStr centred = Record(3, "20", "60");
    ShowInstructionLine(centred);
    EXPECT_EQ(centred.psPos, 3);
}

// The reference sheet of the composer tests: heading box 80..140 × 10..40,
// page strings ending at 40, every text 5 high.
class SheetInstructionTest : public ::testing::Test {
protected:
    FakeComposeEngine Engine;
    SheetSettings Settings;
    SheetProblems Problems{{"7.4"}, {"0.3"}, {"24 あまり 0.2"}, OpDiv, {},
                           QStringLiteral("商は1/10の位まで求めて、あまりも出しましょう。")};
    PageFont CurFont;
    SheetLayout Layout;

    void SetUp() override
    {
        Engine.HeaderRec = Engine.FooterRec = UnconfiguredPageStr();
        Engine.TitleRec = Engine.SubTitleRec = UnconfiguredPageStr();
        GiveStartingLayout(Engine.TitleRec, StartingLayout::PageTitle);
        GiveStartingLayout(Engine.SubTitleRec, StartingLayout::SubTitle);
        Engine.Widths[QLatin1Char(' ') + Settings.sDateTime + QLatin1Char(' ')] = 60;
        Settings.ExamRowN = 1;
        Settings.ExamColN = 1;
        Engine.Widths[Problems.Instruction] = 100;
    }

    void Compose(int mode = ProblemSheet)
    {
        SheetComposer composer(Engine, Settings, Problems, CurFont);
        composer.ComposeSheet(mode);
        Layout = composer.Layout();
    }

    QStringList TextsWith(const QString& part) const { return Engine.Only("TextOut").filter(part); }
};

TEST_F(SheetInstructionTest, OffByDefaultSoSheetsStayAsTheyWere)
{
    Compose();
    EXPECT_TRUE(TextsWith(QStringLiteral("しましょう")).isEmpty());
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 40);
}

// At its starting place (10, 46) the line clears the box (bottom 40); the
// problem area starts below it on both sheets.
TEST_F(SheetInstructionTest, StandsUnderTheSubtitleOnBothSheets)
{
    ShowInstructionLine(Settings.Instruction);
    for (int mode : {ProblemSheet, AnswerSheet}) {
        Compose(mode);
        EXPECT_EQ(TextsWith(QStringLiteral("しましょう")),
                  QStringList{"TextOut,10,46,\"" + Problems.Instruction + "\",NIL"}) << mode;
        EXPECT_DOUBLE_EQ(Layout.WindowTop, 51) << mode;
        EXPECT_DOUBLE_EQ(Layout.WindowUpper, 56) << mode;
    }
}

TEST_F(SheetInstructionTest, TypedTextOrNothingToSay)
{
    ShowInstructionLine(Settings.Instruction);
    Settings.Instruction.psStr = QStringLiteral("ていねいに");
    Compose();
    EXPECT_EQ(TextsWith(QStringLiteral("ていねいに")).size(), 1);
    EXPECT_TRUE(TextsWith(QStringLiteral("しましょう")).isEmpty());

    Settings.Instruction.psStr.clear();
    Problems.Instruction.clear();  // a one-line sheet of exact answers
    Engine.MeasureFont.reset();    // as the pipeline starts every sheet
    Compose();
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 40);
}

// Placed where the box stands, the line goes just below the box (40 + half
// its height), and the problem area below both.
TEST_F(SheetInstructionTest, NeverOverlapsTheNameBox)
{
    Settings.Instruction = Record(4, "60", "30");
    Compose();
    EXPECT_EQ(TextsWith(QStringLiteral("しましょう")),
              QStringList{"TextOut,60,42.5,\"" + Problems.Instruction + "\",NIL"});
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 47.5);
    for (const FakeComposeEngine::Box& box : Engine.Boxes)
        if (Engine.Lines.at(box.Index).contains(QStringLiteral("しましょう"))) {
            EXPECT_GE(box.Top, 40);
        }
}

// A subtitle that would run through the name box (a long unit name, or
// the answer sheet's 「(答)」) goes below the box, with or without the
// instruction line, and the line below the subtitle; a short one stays.
TEST_F(SheetInstructionTest, LongSubtitleMovesBelowTheNameBox)
{
    Settings.sSubTitle = QStringLiteral("4年　小数のたし算（1/100・1/1000の位）");
    Engine.Widths[Settings.sSubTitle] = 100;
    Compose();
    EXPECT_EQ(Engine.Only("SubTitle").first().section(',', 3, 4), "10,42.5");
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 46.5);  // the problems start below it

    ShowInstructionLine(Settings.Instruction);
    Engine.MeasureFont.reset();
    Compose();
    EXPECT_EQ(Engine.Only("SubTitle").first().section(',', 3, 4), "10,42.5");
    EXPECT_EQ(TextsWith(QStringLiteral("しましょう")).first().section(',', 1, 2), "10,50");
    EXPECT_DOUBLE_EQ(Layout.WindowTop, 55);

    Settings.sSubTitle = QStringLiteral("短い");
    Engine.MeasureFont.reset();
    Compose();
    EXPECT_EQ(Engine.Only("SubTitle").first().section(',', 3, 4), "10,36");
    EXPECT_EQ(TextsWith(QStringLiteral("しましょう")).first().section(',', 1, 2), "10,46");
}

TEST(InstructionLine, ClearOfSeveralObstaclesMovesPastEach)
{
    const std::vector<LineBox> obstacles{{80, 10, 140, 40}, {10, 42, 110, 47}};
    const LineBox moved = ClearOf({10, 38, 120, 43}, obstacles, 1);
    EXPECT_DOUBLE_EQ(moved.U, 48);
    for (const LineBox& obstacle : obstacles)
        EXPECT_FALSE(moved.Meets(obstacle));
    EXPECT_DOUBLE_EQ(ClearOf({10, 60, 20, 65}, obstacles, 1).U, 60);
    EXPECT_DOUBLE_EQ(ClearOf({10, 60, 20, 65}, {}, 1).U, 60);
}

// With the class box the name line reads 年・組・番 and the name part of
// the box ends in a square score cell (4 lines high: 120..140 × 20..40),
// so the box keeps its size and place.
TEST_F(SheetInstructionTest, ClassBoxWithScoreCell)
{
    Settings.fClassBox = true;
    Settings.Instruction = Record(4, "60", "30");
    Engine.Widths[QStringLiteral("点 ")] = 6;
    Compose();
    EXPECT_EQ(TextsWith(QStringLiteral("番")),
              QStringList{"TextOut,80,27.5,\"　年　　組　　番　なまえ \",NIL"});
    const QStringList lines = Engine.Only("Line");
    EXPECT_TRUE(lines.contains("Line,120,20,120,40"));
    EXPECT_TRUE(lines.contains("Line,140,10,140,40"));
    for (const QString& line : lines)
        EXPECT_LE(line.section(',', 1, 1).toDouble(), 140) << line.toStdString();
    EXPECT_EQ(TextsWith(QStringLiteral("点")), QStringList{"TextOut,134,32.5,\"点 \",NIL"});
    EXPECT_EQ(TextsWith(QStringLiteral("しましょう")).first().section(',', 2, 2), "42.5");

    Settings.fClassBox = false;
    Compose();
    EXPECT_TRUE(TextsWith(QStringLiteral("点")).isEmpty());
    EXPECT_EQ(TextsWith(QStringLiteral("なまえ")), QStringList{"TextOut,80,27.5,\"　なまえ \",NIL"});
}

}  // namespace
