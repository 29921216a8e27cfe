// The textbook cell writer on the recording engine: where points, bars,
// brackets and rules fall relative to the digits, what the pen does, and
// that nothing leaves the size the cell reports.
#include "support/FakeComposeEngine.h"
#include "support/QStringPrinter.h"
#include "sheet/TextbookCell.h"

#include <gtest/gtest.h>

namespace {

struct Problem {
    const char* A;
    CalcOp Op;
    const char* B;
    const char* Sign;
    DivisionMode Mode;
};

const Problem kProblems[] = {
    {"4.594", CalcOp::Add, "13.27", "＋", {}},
    {"5", CalcOp::Sub, "2.4", "－", {}},
    {"0.38", CalcOp::Mul, "0.54", "×", {}},
    {"2.5", CalcOp::Mul, "3.4", "×", {}},
    {"6.42", CalcOp::Div, "0.2", "÷", {}},
    {"7.4", CalcOp::Div, "0.3", "÷", {DivisionMode::Remainder, 0}},
    {"13.6", CalcOp::Div, "3", "÷", {DivisionMode::Remainder, 1}},
    {"0.1", CalcOp::Div, "3.9", "÷", {DivisionMode::Significant, 0, 2}},
};

// Digit width, point width, line height at three sizes of one font.
const TextbookMetrics kSizes[] = {
    {0, 2.6, 1.3, 5.2, 4.4},
    {0, 4.2, 2.1, 8.4, 7.0},
    {0, 8.0, 2.2, 16, 14},
};

TextbookMetrics WithPitch(TextbookMetrics m, double pitch)
{
    m.Pitch = std::max(pitch, TextbookMetrics::MinimumPitch(m.DigitWidth, m.PointWidth));
    return m;
}

WrittenCalc Build(const Problem& p)
{
    return *BuildWrittenCalc(p.A, p.B, p.Op, p.Mode);
}

struct Written {
    FakeComposeEngine Engine;
    CellSize Size;
};

// Writes the cell at (x, y) = (20, 30) and its reported size.
void Write(Written& w, const Problem& p, const TextbookMetrics& m, bool worked, TextbookStyle style = {})
{
    const TextbookCell cell(Build(p), QString::fromUtf8(p.Sign), m, style);
    w.Engine.CharWidth = m.DigitWidth;
    w.Engine.Height = m.LineHeight;
    w.Engine.MeasureFont = PageFont{};
    if (worked) {
        cell.WriteWorked(w.Engine, 20, 30, QStringLiteral("答え"));
        w.Size = cell.WorkedSize(w.Engine, QStringLiteral("答え"));
    } else {
        cell.WriteProblem(w.Engine, 20, 30);
        w.Size = cell.ProblemSize();
    }
}

bool IsPoint(const QString& line)
{
    return line.contains(QStringLiteral(".\","));
}

// The pitched texts: digit rows and point lines.
QList<FakeComposeEngine::Box> Pitched(const FakeComposeEngine& e, bool points)
{
    QList<FakeComposeEngine::Box> boxes;
    for (const auto& box : e.Boxes) {
        const QString& line = e.Lines[box.Index];
        if (line.startsWith("TextOut") && !line.endsWith(",Nil") && IsPoint(line) == points)
            boxes << box;
    }
    return boxes;
}

TEST(TextbookCell, NothingLeavesTheReportedSize)
{
    for (const Problem& p : kProblems)
        for (const TextbookMetrics& m : kSizes)
            for (bool worked : {false, true})
                for (bool squares : {false, true}) {
                    SCOPED_TRACE(std::string(p.A) + p.Sign + p.B + (worked ? " worked" : "") +
                                 (squares ? " squares" : "") + " " + std::to_string(m.DigitWidth));
                    Written w;
                    Write(w, p, WithPitch(m, 1.5 * m.DigitWidth), worked, {0.3, squares});
                    ASSERT_FALSE(w.Engine.Boxes.isEmpty());
                    EXPECT_GT(w.Size.Width, 0);
                    for (const auto& box : w.Engine.Boxes) {
                        EXPECT_GE(box.Left, 20 - 1e-9) << w.Engine.Lines[box.Index].toStdString();
                        EXPECT_GE(box.Top, 30 - 1e-9) << w.Engine.Lines[box.Index].toStdString();
                        EXPECT_LE(box.Right, 20 + w.Size.Width + 1e-9);
                        EXPECT_LE(box.Bottom, 30 + w.Size.Height + 1e-9);
                    }
                }
}

TEST(TextbookCell, EveryPointStandsInTheGapBetweenTwoDigitsOnTheirLine)
{
    for (const Problem& p : kProblems)
        for (const TextbookMetrics& m : kSizes)
            for (double pitch : {0.0, 1.5 * m.DigitWidth, 3 * m.DigitWidth}) {
                SCOPED_TRACE(std::string(p.A) + p.Sign + p.B + " pitch " + std::to_string(pitch));
                const TextbookMetrics metrics = WithPitch(m, pitch);
                Written w;
                Write(w, p, metrics, true);
                const auto rows = Pitched(w.Engine, false);
                const auto points = Pitched(w.Engine, true);
                ASSERT_FALSE(points.isEmpty());
                for (const auto& point : points) {
                    // The "." is the last character of its line.
                    const double left = point.Right - metrics.Pitch;
                    const double right = left + metrics.PointWidth;
                    bool onARow = false;
                    for (const auto& row : rows) {
                        if (row.Top != point.Top)
                            continue;
                        // Every digit of a row on the same line keeps clear of the point.
                        for (double x = row.Left; x < row.Right - 1e-9; x += metrics.Pitch) {
                            const double digitRight = x + metrics.DigitWidth;
                            EXPECT_TRUE(right < x || left > digitRight)
                                << "point " << left << ".." << right << " digit " << x << ".." << digitRight;
                        }
                        onARow = true;
                    }
                    EXPECT_TRUE(onARow) << "a point on a line of its own";
                }
            }
}

TEST(TextbookCell, DigitRowsAreOneTextEachOnTheSharedGrid)
{
    for (const Problem& p : kProblems) {
        SCOPED_TRACE(std::string(p.A) + p.Sign + p.B);
        const WrittenCalc calc = Build(p);
        const TextbookMetrics m = WithPitch(kSizes[1], 0);
        Written problem, worked;
        Write(problem, p, m, false);
        Write(worked, p, m, true);
        const bool division = p.Op == CalcOp::Div;
        // Worked: every row, plus the divisor; the problem: the two operands.
        EXPECT_EQ(Pitched(worked.Engine, false).size(), qsizetype(calc.Rows.size() + (division ? 1 : 0)));
        EXPECT_EQ(Pitched(problem.Engine, false).size(), 2);
        // The given digits stand in the same place on both sheets.
        for (const auto& box : Pitched(problem.Engine, false)) {
            const QString line = problem.Engine.Lines[box.Index];
            const QString where = line.section(',', 0, 2);
            bool found = false;
            for (const QString& other : worked.Engine.Only("TextOut"))
                found = found || other.section(',', 0, 2) == where;
            EXPECT_TRUE(found) << line.toStdString();
        }
        // The answer text stands under the working, unchanged.
        const QStringList texts = worked.Engine.Only("TextOut");
        EXPECT_TRUE(texts.last().contains("\"答え\",Nil"));
        double lowest = 0;
        for (const auto& box : worked.Engine.Boxes)
            if (box.Index != worked.Engine.Lines.indexOf(texts.last()))
                lowest = std::max(lowest, box.Top);
        EXPECT_GT(worked.Engine.Boxes.last().Top, lowest);
    }
}

TEST(TextbookCell, DivisionBarLiesBetweenQuotientAndDividendDigits)
{
    for (const TextbookMetrics& size : kSizes) {
        const TextbookMetrics m = WithPitch(size, 0);
        Written w;
        Write(w, kProblems[6], m, true);  // 13.6 ÷ 3
        const auto rows = Pitched(w.Engine, false);
        const auto quotient = rows[0], dividend = rows[1];  // rows as the model lists them
        // The bar: the one horizontal line reaching furthest right.
        const FakeComposeEngine::Box* bar = nullptr;
        for (const auto& box : w.Engine.Boxes)
            if (w.Engine.Lines[box.Index].startsWith("Line") && box.Top == box.Bottom &&
                (!bar || box.Right > bar->Right))
                bar = &box;
        ASSERT_TRUE(bar);
        EXPECT_GT(bar->Top, quotient.Top + 0.8 * m.LineHeight) << "below the quotient's baseline";
        EXPECT_LT(bar->Top, dividend.Top + 0.25 * m.LineHeight) << "above the dividend's digits";
        EXPECT_LE(bar->Left, dividend.Left - 0.3 * m.Pitch) << "room for the bracket";
        EXPECT_GE(bar->Right, dividend.Right - (m.Pitch - m.DigitWidth));
        // The bracket: several segments from the bar's left end down past the dividend.
        int joined = 0;
        double bottom = 0, x = bar->Left, y = bar->Top;
        for (const auto& box : w.Engine.Boxes) {
            const QStringList f = w.Engine.Lines[box.Index].split(',');
            const bool fromHere = std::abs(f[1].toDouble() - x) < 1e-9 && std::abs(f[2].toDouble() - y) < 1e-9;
            if (f[0] == "Line" && fromHere && f[4].toDouble() > y) {
                x = f[3].toDouble();
                y = f[4].toDouble();
                bottom = y;
                ++joined;
            }
        }
        EXPECT_GE(joined, 4);
        EXPECT_GE(bottom, dividend.Top + 0.8 * m.LineHeight);
        // The divisor stands left of the bracket, on the dividend's line.
        const auto divisor = rows.last();
        EXPECT_EQ(divisor.Top, dividend.Top);
        EXPECT_LT(divisor.Left + m.DigitWidth, bar->Left);
    }
}

TEST(TextbookCell, PenIsSetForTheLinesAndRestoredAfterwards)
{
    const struct {
        bool Squares;
        double Pen;
        QStringList Pens;  // the pen lines, in order
    } cases[] = {
        {false, 0.3, {"PenWidth,0.3", "PenSize,1"}},
        {false, 0.5, {"PenWidth,0.5", "PenSize,1"}},
        {true, 0.3, {"PenColor,12632256", "PenWidth,0.1", "PenColor,0", "PenWidth,0.3", "PenSize,1"}},
    };
    for (const auto& c : cases)
        for (bool worked : {false, true}) {
            Written w;
            Write(w, kProblems[5], WithPitch(kSizes[1], 0), worked, {c.Pen, c.Squares});
            // Every black line is drawn with the pen, every grey one thin.
            const QString pen = "PenWidth," + QString::number(c.Pen);
            QStringList pens;
            QString width, color = "PenColor,0";
            for (const QString& line : w.Engine.Lines) {
                if (line.startsWith("PenColor"))
                    color = line;
                else if (line.startsWith("Pen"))
                    width = line;
                if (line.startsWith("Pen"))
                    pens << line;
                else if (line.startsWith("Line")) {
                    EXPECT_EQ(width, color == "PenColor,0" ? pen : "PenWidth,0.1") << line.toStdString();
                }
            }
            EXPECT_EQ(pens, c.Pens);
        }
}

TEST(TextbookCell, SquaresCoverEveryColumnOfTheWorkingOnBothSheets)
{
    const Problem& p = kProblems[2];  // 0.38 × 0.54
    const WrittenCalc calc = Build(p);
    const TextbookMetrics m = WithPitch(kSizes[1], 0);
    Written problem, worked;
    Write(problem, p, m, false, {0.3, true});
    Write(worked, p, m, true, {0.3, true});
    const auto grey = [](const FakeComposeEngine& e) {
        QStringList lines;
        bool inGrey = false;
        for (const QString& line : e.Lines) {
            if (line.startsWith("PenColor"))
                inGrey = line != "PenColor,0";
            else if (inGrey && line.startsWith("Line"))
                lines << line;
        }
        return lines;
    };
    EXPECT_EQ(grey(problem.Engine), grey(worked.Engine));
    int verticals = 0;
    for (const QString& line : grey(worked.Engine)) {
        const QStringList f = line.split(',');
        verticals += f[1] == f[3];
    }
    EXPECT_EQ(verticals, calc.Columns + 1);  // the rows touch: one band
    // The squares come first, under every digit.
    EXPECT_LT(worked.Engine.Lines.indexOf(grey(worked.Engine).first()),
              worked.Engine.Lines.indexOf(worked.Engine.Only("TextOut").first()));
}

TEST(TextbookCell, StruckDigitsAndMovedPointsAreMarked)
{
    const TextbookMetrics m = WithPitch(kSizes[1], 0);
    const auto shortLines = [&](const FakeComposeEngine& e) {
        int n = 0;
        for (const auto& box : e.Boxes)
            if (e.Lines[box.Index].startsWith("Line") && box.Right - box.Left < 2 * m.Pitch &&
                box.Bottom - box.Top > 0.5 * m.LineHeight)
                ++n;
        return n;
    };
    Written product, noStrike;
    Write(product, kProblems[3], m, true);   // 2.5 × 3.4 = 8.5(0)
    Write(noStrike, kProblems[2], m, true);  // 0.38 × 0.54 = 0.2052
    EXPECT_EQ(shortLines(product.Engine), 1);
    EXPECT_EQ(shortLines(noStrike.Engine), 0);

    // 6.42 ÷ 0.2: both old points drawn and crossed, two arrows.
    Written moved, problem;
    Write(moved, kProblems[4], m, true);
    Write(problem, kProblems[4], m, false);
    EXPECT_EQ(Pitched(moved.Engine, true).size(), 4);   // old and new point of the dividend,
                                                         // the divisor's old one, the quotient's
    EXPECT_EQ(Pitched(problem.Engine, true).size(), 2);  // as written
    EXPECT_GT(moved.Engine.Only("Line").size(), problem.Engine.Only("Line").size() + 2 * 8);
}

TEST(TextbookCell, MeasuredPitchLeavesThePointItsGap)
{
    FakeComposeEngine engine;
    engine.MeasureFont = PageFont{};
    engine.Widths = {{"8", 4}, {".", 3}, {"×", 5}};
    engine.Heights = {{"8", 7}};
    const TextbookMetrics wide = TextbookMetrics::Measure(engine, "×", 10);
    EXPECT_EQ(wide.Pitch, 10);
    EXPECT_EQ(wide.SignWidth, 5);
    EXPECT_EQ(wide.LineHeight, 7);
    const TextbookMetrics narrow = TextbookMetrics::Measure(engine, "×", 5);
    EXPECT_GT(narrow.Pitch - narrow.DigitWidth, narrow.PointWidth);
    const TextbookMetrics fallback = TextbookMetrics::Measure(engine, "×");
    EXPECT_EQ(fallback.Pitch, TextbookMetrics::MinimumPitch(4, 3));
}

} // namespace
