// The textbook column form on whole sheets, in the installed fonts: every
// cell, with its working, stays inside its own cell and the page, problems
// never go below 14 points, a grid too large for one page runs on over
// further pages with its numbers running on, and a problem line that is no
// number gets the one-line cell.
#include "support/QStringPrinter.h"
#include "support/ScriptedPrompts.h"
#include "prevform/CommandSplit.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/SheetPipeline.h"
#include "sheet/StartingLayout.h"
#include "sheet/TextbookSheet.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace {

// Twenty problems of an operation, of the widths the generator makes.
SheetProblems TwentyProblems(int tab, DivisionMode division = {DivisionMode::Remainder, 1})
{
    SheetProblems p;
    p.Op = Operation(tab);
    p.Division = division;
    for (int n = 1; n <= 20; ++n) {
        p.Lines1 << QStringLiteral("%1.%2").arg(n * 37 % 100).arg(n * 7 % 100 + 1);
        p.Lines2 << (tab == 3 ? QStringLiteral("%1.%2").arg(n % 9 + 1).arg(n * 3 % 10)
                             : QStringLiteral("%1.%2").arg(n * 13 % 50).arg(n * 11 % 100 + 1));
        p.Lines3 << QStringLiteral("12.34 あまり 0.056");
    }
    return p;
}

struct Box {
    double L, U, R, D;
};

class TextbookSheetTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};
    SheetSettings Settings;

    void SetUp() override
    {
        Settings.ExamType = true;
        Settings.fTextbook = true;
        Settings.fWorked = true;
    }

    // What one cell writes, measured: pitched texts by their pitch, others
    // in the measuring font, lines by their ends.
    Box CellBox(TextbookSheet& sheet, int mode, const TextbookPlace& place)
    {
        Engine.ClearProgramList();
        sheet.MeasureInExam();
        sheet.WriteCell(mode, place.N, place.EX, place.CY);
        Box box{1e9, 1e9, -1e9, -1e9};
        auto reach = [&](double x1, double y1, double x2, double y2) {
            box = {std::min({box.L, x1, x2}), std::min({box.U, y1, y2}), std::max({box.R, x1, x2}),
                   std::max({box.D, y1, y2})};
        };
        for (const QString& line : Engine.ListbyProgram) {
            const QStringList f = SplitCommandLine(line);
            const QString key = CommandKeyword(f);
            if (key == QLatin1String("LINE"))
                reach(f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble());
            if (key == QLatin1String("TEXTOUT")) {
                const double x = f[1].toDouble(), y = f[2].toDouble();
                bool pitched = false;
                const double pitch = f[4].toDouble(&pitched);
                const double w = pitched ? pitch * f[3].size() : Engine.GetWidth(f[3]);
                reach(x, y, x + w, y + Engine.GetHeight(f[3]));
            }
        }
        return box;
    }
};

struct GridCase {
    int Tab;
    int Rows;
    int Cols;
    bool Squares;
};

TEST_F(TextbookSheetTest, CellsWithTheirWorkingStayInTheirOwnCellAndOnThePage)
{
    const GridCase cases[] = {{0, 10, 2, false}, {1, 5, 4, true}, {2, 10, 2, false},
                              {2, 5, 4, false},  {3, 5, 2, true}, {3, 10, 2, false},
                              {3, 5, 4, false},  {3, 1, 1, false}};
    const TextbookArea area{10, 50, Engine.Get_UnitWidth() - 10, Engine.Get_UnitHeight() - 10};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.Tab << " grid " << c.Rows << "x" << c.Cols);
        Settings.ExamRowN = c.Rows;
        Settings.ExamColN = c.Cols;
        Settings.fSquares = c.Squares;
        const SheetProblems problems = TwentyProblems(c.Tab);
        TextbookSheet sheet(Engine, Settings, problems);
        sheet.Lay(area, [](int) { return 20.0; });
        EXPECT_GE(sheet.Exam().Size, TextbookSheet::kSmallestSize);
        int expected = 1;
        for (int page = 0; page < sheet.PageCount(); ++page)
            for (const TextbookPlace& place : sheet.Places(page)) {
                EXPECT_EQ(place.N, expected++);  // numbers run on from page to page
                for (const int mode : {int(ProblemSheet), int(AnswerSheet)}) {
                    const Box b = CellBox(sheet, mode, place);
                    const Box cell{place.CX, place.CY, place.CX + sheet.CellWidth(),
                                   place.CY + sheet.CellHeight()};
                    EXPECT_GE(b.L, cell.L) << "cell " << place.N;
                    EXPECT_GE(b.U, cell.U - 0.01) << "cell " << place.N;
                    EXPECT_LE(b.R, std::min(cell.R, area.R)) << "cell " << place.N;
                    EXPECT_LE(b.D, std::min(cell.D, area.D)) << "cell " << place.N;
                }
            }
        EXPECT_EQ(expected - 1, std::min(20, c.Rows * c.Cols));
    }
}

// No cell of a problem sheet gives its answer's length away: bar, bracket
// and squares are the same in every cell, those of the largest working;
// only the digits differ. With a square pitch the digits stand on it.
TEST_F(TextbookSheetTest, EveryCellSharesTheGridOfTheLargestWorking)
{
    Settings.ExamRowN = 5;
    Settings.ExamColN = 4;
    Settings.fSquares = true;
    const TextbookArea area{10, 50, Engine.Get_UnitWidth() - 10, Engine.Get_UnitHeight() - 10};
    const SheetProblems problems = TwentyProblems(3);
    for (double pitch : {0.0, 8.0}) {
        SCOPED_TRACE(pitch);
        Settings.HissanPitch = pitch;
        TextbookSheet sheet(Engine, Settings, problems);
        sheet.Lay(area, [](int) { return 20.0; });
        std::vector<std::array<double, 4>> first;
        int cells = 0;
        for (int page = 0; page < sheet.PageCount(); ++page)
            for (const TextbookPlace& place : sheet.Places(page)) {
                Engine.ClearProgramList();
                sheet.MeasureInExam();
                sheet.WriteCell(ProblemSheet, place.N, place.EX, place.CY);
                std::vector<std::array<double, 4>> lines;  // relative to the cell
                for (const QString& line : Engine.ListbyProgram) {
                    const QStringList f = SplitCommandLine(line);
                    if (CommandKeyword(f) == QLatin1String("LINE"))
                        lines.push_back({f[1].toDouble() - place.EX, f[2].toDouble() - place.CY,
                                         f[3].toDouble() - place.EX, f[4].toDouble() - place.CY});
                    if (pitch > 0 && CommandKeyword(f) == QLatin1String("TEXTOUT")) {
                        EXPECT_EQ(f[4], "8.000") << line.toStdString();
                    }
                }
                if (first.empty())
                    first = lines;
                ASSERT_EQ(lines.size(), first.size()) << "cell " << place.N;
                for (size_t i = 0; i < lines.size(); ++i)
                    for (int k = 0; k < 4; ++k)
                        EXPECT_NEAR(lines[i][k], first[i][k], 1e-6) << "cell " << place.N;
                ++cells;
            }
        EXPECT_EQ(cells, 20);
    }
}

TEST_F(TextbookSheetTest, ARoomyGridTakesTheLargestSizeThatFitsOnOnePage)
{
    Settings.ExamRowN = 2;
    Settings.ExamColN = 1;
    const SheetProblems problems = TwentyProblems(0);
    TextbookSheet sheet(Engine, Settings, problems);
    sheet.Lay({10, 50, 200, 287}, [](int) { return 20.0; });
    EXPECT_EQ(sheet.PageCount(), 1);
    EXPECT_EQ(sheet.Exam().Size, Settings.FntExam.Size);

    Settings.FntExam.Size = 9;  // a small stored size still writes at least 14 points
    TextbookSheet small(Engine, Settings, problems);
    small.Lay({10, 50, 200, 287}, [](int) { return 20.0; });
    EXPECT_EQ(small.Exam().Size, TextbookSheet::kSmallestSize);
}

// A problem line edited by hand into something that is no plain number.
TEST_F(TextbookSheetTest, ALineThatIsNoNumberGetsTheOneLineCell)
{
    const struct {
        QString A, B;
        int Tab;
    } cases[] = {{"abc", "3", 3},  {"1.2.3", "4", 2}, {"", "2", 0},
                 {"5", "0", 3},    {"-1.5", "2", 1},  {"2", "3.5", 1}};
    Settings.ExamRowN = 1;
    Settings.ExamColN = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.A.toStdString() + " / " + c.B.toStdString());
        SheetProblems p{{c.A}, {c.B}, {QStringLiteral("?")}, Operation(c.Tab), {}};
        TextbookSheet sheet(Engine, Settings, p);
        sheet.Lay({10, 50, 200, 287}, [](int) { return 20.0; });
        ASSERT_EQ(sheet.PageCount(), 1);
        Engine.ClearProgramList();
        sheet.WriteCell(AnswerSheet, 1, 30, 50);
        ASSERT_EQ(Engine.ListbyProgram.size(), 1);
        const QStringList f = SplitCommandLine(Engine.ListbyProgram.first());
        EXPECT_EQ(f.value(3), c.A + QLatin1Char(' ') + p.Sign() + QLatin1Char(' ') + c.B
                                  + QStringLiteral(" = ?"));
        EXPECT_EQ(f.value(4), QStringLiteral("Nil"));
    }
}

class TextbookPipelineTest : public TextbookSheetTest {
protected:
    PageStrRecords Records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};

    SheetDocument Compose(const SheetProblems& problems, int mode, const SheetMarks& marks = {})
    {
        GiveStartingLayout(Records.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(Records.SubTitle, StartingLayout::SubTitle);
        return SheetPipeline(Engine).Compose(problems, Settings, Records, mode, marks);
    }
};

// The 10 × 2 division sheet does not fit one page at 14 points with its
// working: it runs on, each page with the title, the subtitle and the
// heading, the numbers running on, nothing smaller than 14 points; the
// pupil, the number in the set and the code stand on every page.
TEST_F(TextbookPipelineTest, ALargeDivisionGridRunsOnOverPagesInsteadOfShrinking)
{
    Settings.ExamRowN = 10;
    Settings.ExamColN = 2;
    for (const int mode : {int(ProblemSheet), int(AnswerSheet)}) {
        const SheetDocument document =
            Compose(TwentyProblems(3), mode, {QStringLiteral("K7Q2-9XW4"), 3, QStringLiteral("青木")});
        ASSERT_GE(document.PageCount(), 2);
        QStringList labels;
        for (const QStringList& page : document.Pages) {
            EXPECT_EQ(page.filter(QRegularExpression("^PageTitle,\"かずの計算\",")).size(), 1);
            EXPECT_EQ(page.filter(QRegularExpression("^SubTitle,")).size(), 1);
            EXPECT_EQ(page.filter(QStringLiteral("なまえ　青木")).size(), 1);
            EXPECT_EQ(page.filter(QStringLiteral("No.3　K7Q2-9XW4")).size(), 1);
            for (const QString& line : page) {
                const QStringList f = SplitCommandLine(line);
                // Labels 12, heading 11, marks 9, title 24: problems 14 or
                // more, and the small zeros brought down 8 (0.6 of 14).
                if (CommandKeyword(f) == QLatin1String("FONTSIZE")) {
                    EXPECT_TRUE(f[1].toInt() >= TextbookSheet::kSmallestSize || f[1].toInt() == 12
                                || f[1].toInt() == 11 || f[1].toInt() == 9
                                || (mode == AnswerSheet && f[1].toInt() == 8))
                        << line.toStdString();
                }
                if (CommandKeyword(f) == QLatin1String("TEXTOUT")
                    && f[3].contains(QRegularExpression("^\\(\\s*\\d+\\)$")))
                    labels << f[3];
            }
        }
        QStringList expected;
        for (int n = 1; n <= 20; ++n)
            expected << QString::asprintf("(%2d)", n);
        EXPECT_EQ(labels, expected);
    }
}

// The worked answer sheet writes each row of the working as one text on
// the digit pitch: the quotient, every product and the remainder.
TEST_F(TextbookPipelineTest, WorkedRowsAreTextsOnTheDigitPitch)
{
    Settings.ExamRowN = 3;
    Settings.ExamColN = 1;
    SheetProblems p{{"7.4", "13.6", "6.42"}, {"0.3", "3", "0.2"},
                    {"24 あまり 0.2", "4.5 あまり 0.1", "32.1"}, OpDiv,
                    {DivisionMode::Remainder, 0}};
    const SheetDocument document = Compose(p, AnswerSheet);
    ASSERT_EQ(document.PageCount(), 1);
    QStringList pitched;
    for (const QString& line : document.Pages.first()) {
        const QStringList f = SplitCommandLine(line);
        bool isNumber = false;
        f.value(4).toDouble(&isNumber);
        if (CommandKeyword(f) == QLatin1String("TEXTOUT") && isNumber)
            pitched << f[3];
    }
    // 7.4 ÷ 0.3 worked as 74 ÷ 3: quotient 24, products 6 and 12, remainder 2 (0.2).
    for (const char* row : {"24", "74", "6", "14", "12", "02"})
        EXPECT_TRUE(pitched.contains(QString::fromLatin1(row))) << row;
    for (const char* answer : {"24 あまり 0.2", "4.5 あまり 0.1", "32.1"})
        EXPECT_EQ(document.Pages.first().filter(QString::fromUtf8(answer)).size(), 1) << answer;
}

// A problem's number stands level with the row the pupil reads first: the
// first operand, and for a division the dividend (not the empty quotient
// row above the bar), on the problem sheet and the worked answer sheet.
TEST_F(TextbookPipelineTest, TheNumberStandsLevelWithTheFirstOperandRow)
{
    Settings.ExamRowN = 1;
    Settings.ExamColN = 1;
    const struct { int Tab; const char* A; const char* B; const char* Answer; const char* Row; } cases[] = {
        {3, "7.4", "0.3", "24 あまり 0.2", "74"},
        {3, "13.6", "3", "4.5 あまり 0.1", "136"},
        {0, "1.2", "3.5", "4.7", "12"},
        {2, "2.7", "12", "32.4", "27"},
    };
    for (const auto& c : cases) {
        for (const int mode : {int(ProblemSheet), int(AnswerSheet)}) {
            SCOPED_TRACE(std::string(c.A) + " mode " + std::to_string(mode));
            SheetProblems p{{c.A}, {c.B}, {QString::fromUtf8(c.Answer)}, Operation(c.Tab),
                            {DivisionMode::Remainder, 1}};
            const SheetDocument document = Compose(p, mode);
            std::optional<double> label, row;
            for (const QString& line : document.Pages.first()) {
                const QStringList f = SplitCommandLine(line);
                if (CommandKeyword(f) != QLatin1String("TEXTOUT"))
                    continue;
                if (f[3] == QStringLiteral("( 1)"))
                    label = f[2].toDouble();
                else if (f[3] == QLatin1String(c.Row) && !row)
                    row = f[2].toDouble();
            }
            ASSERT_TRUE(label && row);
            EXPECT_DOUBLE_EQ(*label, *row);
        }
    }
}

// Without "Textbook" the column form is the classic one, one page.
TEST_F(TextbookPipelineTest, TheClassicColumnFormStaysOnOnePage)
{
    Settings.fTextbook = false;
    Settings.ExamRowN = 10;
    Settings.ExamColN = 2;
    const SheetDocument document = Compose(TwentyProblems(3), AnswerSheet);
    EXPECT_EQ(document.PageCount(), 1);
    EXPECT_TRUE(document.Pages.first().filter(QStringLiteral("PenWidth")).isEmpty());
}

} // namespace
