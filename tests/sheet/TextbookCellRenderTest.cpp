// Textbook cells drawn by the real preview engine with the installed fonts:
// the pen of the rules is its width in millimetres on the page image, and a
// point drawn in its slot leaves blank paper between it and both digits.
// With SHOSU_SHOTS_DIR set, the cells are also saved there as PNG pictures.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/StartingLayout.h"
#include "sheet/TextbookCell.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 200;

class TextbookCellRenderTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), kDpi};
    PageFont Font{QStringLiteral("ＭＳ Ｐゴシック"), 14};

    void SetUp() override
    {
        Engine.PageTitle() = UnconfiguredPageStr();
        Engine.SubTitle() = UnconfiguredPageStr();
        Engine.ClearProgramList();
        Engine.PrevInit();
        Engine.PrevFontName(QLatin1Char('"') + Font.Name + QLatin1Char('"'));
        Engine.PrevFontSize(Font.Size);
        Engine.SetFontSets(Font);
    }

    int Px(double mm) const { return static_cast<int>(std::lround(mm * kDpi / 25.4)); }

    static bool Dark(const QImage& image, int x, int y)
    {
        return qGray(image.pixel(x, y)) < 128;
    }

    // Writes the problem at (5, 5) and its worked form at (5 + gap, 5).
    QImage Draw(const char* a, CalcOp op, const char* b, const QString& sign, DivisionMode mode,
                const QString& answer, TextbookStyle style, CellSize* problemSize = nullptr)
    {
        const auto calc = BuildWrittenCalc(a, b, op, mode);
        EXPECT_TRUE(calc);
        const TextbookCell cell(*calc, sign, TextbookMetrics::Measure(Engine, sign), style);
        const CellSize problem = cell.ProblemSize();
        const CellSize worked = cell.WorkedSize(Engine, answer);
        cell.WriteProblem(Engine, 5, 5);
        cell.WriteWorked(Engine, 5 + problem.Width + 10, 5, answer);
        if (problemSize)
            *problemSize = problem;
        const QImage page = Engine.RenderImage();
        const QRect area(0, 0, Px(problem.Width + worked.Width + 25),
                         Px(std::max(problem.Height, worked.Height) + 10));
        const QImage image = page.copy(area);
        const QString dir = qEnvironmentVariable("SHOSU_SHOTS_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            const QString name = QString::fromUtf8(a) + QLatin1Char('_') + QString::number(int(op)) +
                                 QLatin1Char('_') + QString::fromUtf8(b) + (style.Squares ? "_sq" : "");
            image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
        return image;
    }
};

TEST_F(TextbookCellRenderTest, RulesAreAsThickAsThePen)
{
    for (double pen : {0.3, 0.6}) {
        SCOPED_TRACE(pen);
        SetUp();
        CellSize size;
        const QImage image = Draw("4.594", CalcOp::Add, "13.27", QStringLiteral("＋"), {}, "17.864",
                                  {pen, false}, &size);
        // The operands' rule: the longest dark run down a column just right of the sign.
        const int x = Px(5 + 0.3);
        int longest = 0, run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = Dark(image, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        EXPECT_GE(longest, Px(pen) - 1);
        EXPECT_LE(longest, Px(pen) + 2);
    }
}

TEST_F(TextbookCellRenderTest, PointsKeepClearOfTheDigits)
{
    // Across the first row, «1.1», a scan at the point's height crosses the
    // stem of a 1, the point and the other stem as three separate dark runs;
    // a point touching a digit would leave two. At 14 points, the smallest
    // problem size, and larger.
    for (int size : {14, 24}) {
        SCOPED_TRACE(size);
        Font.Size = size;
        SetUp();
        const double height = Engine.GetHeight(QStringLiteral("8"));  // before a pass resets the font
        CellSize problem;
        const QImage image = Draw("1.1", CalcOp::Add, "1.1", QStringLiteral("＋"), {}, "2.2", {},
                                  &problem);
        const int top = Px(5), left = Px(5), right = Px(5 + problem.Width);
        const int bottom = top + Px(height) - 1;
        int most = 0;
        for (int y = (top + bottom) / 2; y <= bottom; ++y) {  // below the 1's flag
            int runs = 0;
            bool dark = false;
            for (int x = left; x < right; ++x) {
                const bool d = Dark(image, x, y);
                runs += d && !dark;
                dark = d;
            }
            most = std::max(most, runs);
        }
        EXPECT_EQ(most, 3);
    }
}

// White paper between the division bar and the dividend's digits: at
// least 0.3 mm under the bar's ink at every size, with thin and thick pens.
TEST_F(TextbookCellRenderTest, TheBarKeepsClearOfTheDividend)
{
    for (int size : {14, 24, 40})
        for (double pen : {0.3, 0.8}) {
            SCOPED_TRACE(testing::Message() << size << " pt, pen " << pen);
            Font.Size = size;
            SetUp();
            const TextbookMetrics m = TextbookMetrics::Measure(Engine, QStringLiteral("÷"));
            CellSize problem;
            const QImage image = Draw("888.8", CalcOp::Div, "8", QStringLiteral("÷"), {}, "111.1",
                                      {pen, false}, &problem);
            const int right = Px(5 + problem.Width);
            // The bar: the row with the longest dark run in the problem cell.
            int barRow = 0, barLeft = 0, longest = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0, run = 0; x < right; ++x) {
                    run = Dark(image, x, y) ? run + 1 : 0;
                    if (run > longest) {
                        longest = run;
                        barRow = y;
                        barLeft = x - run + 1;
                    }
                }
            int y = barRow;
            while (Dark(image, barLeft + longest / 2, y))
                ++y;
            // Under the bar, right of the bracket's curve: white rows, then the digits.
            int white = 0;
            for (bool clear = true; clear && y < image.height(); ++y, white += clear)
                for (int x = barLeft + Px(m.Pitch); x < right && clear; ++x)
                    clear = !Dark(image, x, y);
            EXPECT_GE(white, Px(0.3));
            EXPECT_LT(y, image.height()) << "no digits under the bar";
        }
}

// Assorted cells keep within their reported width on paper (and give
// pictures to look at with SHOSU_SHOTS_DIR).
TEST_F(TextbookCellRenderTest, AssortedCellsKeepWithinTheirWidth)
{
    const struct {
        const char* A;
        CalcOp Op;
        const char* B;
        const char* Sign;
        DivisionMode Mode;
        const char* Answer;
        bool Squares;
    } cells[] = {
        {"9", CalcOp::Div, "1.5", "÷", {}, "6", false},
        {"6.42", CalcOp::Div, "0.2", "÷", {}, "32.1", false},
        {"7.4", CalcOp::Div, "0.3", "÷", {DivisionMode::Remainder, 0}, "24 あまり 0.2", false},
        {"13.6", CalcOp::Div, "3", "÷", {DivisionMode::Remainder, 1}, "4.5 あまり 0.1", true},
        {"64.8", CalcOp::Div, "36", "÷", {}, "1.8", false},
        {"0.1", CalcOp::Div, "3.9", "÷", {DivisionMode::Significant, 0, 2}, "約 0.026", false},
        {"2.5", CalcOp::Mul, "3.4", "×", {}, "8.5", true},
        {"4.05", CalcOp::Mul, "36", "×", {}, "145.8", false},
        {"5", CalcOp::Sub, "2.4", "－", {}, "2.6", false},
        {"1.6", CalcOp::Add, "2.4", "＋", {}, "4", false},
    };
    for (const auto& c : cells) {
        SetUp();
        CellSize problem;
        const QImage image = Draw(c.A, c.Op, c.B, QString::fromUtf8(c.Sign), c.Mode,
                                  QString::fromUtf8(c.Answer), {0.3, c.Squares}, &problem);
        ASSERT_FALSE(image.isNull());
        // The gap between the problem and its worked form is blank paper.
        int inked = 0;
        for (int x = Px(5 + problem.Width) + 2; x < Px(5 + problem.Width + 10) - 2; ++x)
            for (int y = 0; y < image.height(); ++y)
                inked += image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(inked, 0) << c.A << " " << c.B;
    }
}

} // namespace
