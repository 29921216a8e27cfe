#pragma once
// The reference sheet the composer tests start from, on the fake engine.
#include "support/FakeComposeEngine.h"
#include "support/QStringPrinter.h"
#include "sheet/SheetComposer.h"
#include "sheet/StartingLayout.h"
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
        Problems = {{"1.5", "3"}, {"2.25", "4"}, {"3.75", "7"}, OpAdd};
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
        Problems.Op = Operation(tab);
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
        Problems.Lines1 = QStringList(count, a);
        Problems.Lines2 = QStringList(count, b);
        Problems.Lines3 = QStringList(count, answer);
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

} // namespace
