#include "sheet/TextbookSheet.h"
#include "sheet/SheetComposer.h"
#include "generation/OperationTable.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double kCellGapLines = 0.5;  // free room under the tallest working, in lines

// How many cells of need fit into room, 1 to most; counted before any
// conversion to int, so that an area of any size (or none) gives a count.
int FitCount(double room, double need, int most)
{
    const double count = std::floor(room / need);
    return count >= most ? most : count >= 1 ? static_cast<int>(count) : 1;
}

} // namespace

TextbookSheet::TextbookSheet(ComposeEngine& engine, const SheetSettings& settings,
                             const SheetProblems& problems)
    : Engine(engine), Settings(settings), Problems(problems), ExamFont(settings.FntExam)
{
    const GridSize grid = GridSize::Clamped(settings.ExamRowN, settings.ExamColN);
    Rows = grid.Rows;
    Cols = grid.Cols;
    // The grid stops at the first problem that first or the second list lacks.
    const int count = std::min<int>({Rows * Cols, int(problems.Lines1.size()), int(problems.Lines2.size())});
    for (int n = 1; n <= count; ++n)
        Calcs.push_back(BuildWrittenCalc(ListLine(problems.Lines1, n).trimmed().toStdString(),
                                         ListLine(problems.Lines2, n).trimmed().toStdString(),
                                         OperationOf(problems.Op).Calc, problems.Division));
    // The largest working decides the grid of every cell.
    Style.Pen = settings.HissanPen;
    Style.Squares = settings.fSquares;
    for (const std::optional<WrittenCalc>& calc : Calcs) {
        if (!calc)
            continue;
        Style.Columns = std::max(Style.Columns, calc->Columns);
        Style.Rows = std::max(Style.Rows, static_cast<int>(calc->Rows.size()));
        Style.DivisorColumns = std::max(Style.DivisorColumns, static_cast<int>(calc->Divisor.Digits.size()));
    }
    PrepareNotes();
}

void TextbookSheet::Lay(const TextbookArea& area, const std::function<double(int)>& offset)
{
    Offsets.clear();
    for (size_t i = 0; i < Calcs.size(); ++i)
        Offsets.push_back(offset(static_cast<int>(i) + 1));
    const double w = area.R - area.L;
    const double h = area.D - area.U;
    AreaWidth = w;
    auto fitsOnePage = [&](const Need& need) { return need.W * Cols <= w && need.H * Rows <= h; };
    if (Settings.HissanPitch > 0) {
        // Squares of the size asked for: the font follows the pitch, and
        // the grid runs on over as many pages as it needs.
        const Need need = Measure(SizeForPitch());
        Place(area, FitCount(h, need.H, Rows), FitCount(w, need.W, Cols));
        return;
    }

    // The largest whole point size from FntExam's down to the smallest at
    // which the whole grid fits; smaller sizes only fit more easily. A grid
    // that does not even fit at the smallest (a worked division sheet,
    // mostly) is known after two measurements.
    const int start = std::max(Settings.FntExam.Size, kSmallestSize);
    if (fitsOnePage(Measure(start))) {
        Place(area, Rows, Cols);
        return;
    }
    const Need smallest = Measure(kSmallestSize);
    if (!fitsOnePage(smallest)) {
        // At the smallest size the grid runs on over pages of as many rows
        // and columns as fit.
        const int rows = FitCount(h, smallest.H, Rows);
        const int cols = FitCount(w, smallest.W, Cols);
        Place(area, rows, cols);
        return;
    }
    int fits = kSmallestSize;
    int fails = start;
    while (fails - fits > 1) {
        const int size = fits + (fails - fits) / 2;
        (fitsOnePage(Measure(size)) ? fits : fails) = size;
    }
    if (ExamFont.Size != fits)
        Measure(fits);
    Place(area, Rows, Cols);
}

// Cells spread evenly over the area, numbered down each column and on from
// page to page.
void TextbookSheet::Place(const TextbookArea& area, int rows, int cols)
{
    CW = (area.R - area.L) / cols;
    CH = (area.D - area.U) / rows;
    Pages.clear();
    const int perPage = rows * cols;
    for (int k = 0; k < static_cast<int>(Calcs.size()); ++k) {
        if (k % perPage == 0)
            Pages.append(QList<TextbookPlace>());
        const int index = k % perPage;
        const double cx = area.L + (index / rows) * CW;
        const double cy = area.U + (index % rows) * CH;
        Pages.last().append({k + 1, cx, cy, cx + Offsets[size_t(k)]});
    }
    if (Pages.isEmpty())
        Pages.append(QList<TextbookPlace>());
}

TextbookSheet::Need TextbookSheet::Measure(int size)
{
    ExamFont.Size = size;
    MeasureInExam();
    Need need;
    const double gap = Engine.GetWidth(QStringLiteral(" "));
    AnswerSizes.clear();
    for (size_t i = 0; i < Calcs.size(); ++i) {
        const QString answer = Answer(static_cast<int>(i) + 1);
        AnswerSizes.push_back({Engine.GetWidth(answer), Engine.GetHeight(answer)});
    }
    MeasureNotes(AreaWidth / Cols - gap);
    for (size_t i = 0; i < Calcs.size(); ++i) {
        const CellSize content = ContentSize(static_cast<int>(i) + 1);
        need.W = std::max(need.W, Offsets[i] + content.Width + gap);
        need.H = std::max(need.H, content.Height + kCellGapLines * Metrics.LineHeight);
    }
    return need;
}

void TextbookSheet::MeasureInExam()
{
    Engine.SetFontSets(ExamFont);
    Metrics = TextbookMetrics::Measure(Engine, Problems.Sign(), Settings.HissanPitch);
    Metrics.FontSize = ExamFont.Size;
}

// The largest whole point size whose digits and lines fit squares of
// HissanPitch: a text line no taller than the pitch, and the pitch not
// raised to make room for a point.
int TextbookSheet::SizeForPitch()
{
    const auto fits = [&](int size) {
        ExamFont.Size = size;
        MeasureInExam();
        return Metrics.LineHeight <= Settings.HissanPitch
            && Metrics.Pitch <= Settings.HissanPitch + 1e-9;
    };
    int good = kSmallestPitchSize;
    int bad = kLargestPitchSize + 1;
    while (bad - good > 1) {
        const int size = good + (bad - good) / 2;
        (fits(size) ? good : bad) = size;
    }
    return good;
}

// The room cell n takes on either sheet: its problem, and below it the whole
// worked calculation with the answer, or the one-line cell with its answer.
CellSize TextbookSheet::ContentSize(int n)
{
    if (!Calcs[size_t(n - 1)]) {
        const QString text = OneLine(n, true);
        return WithNotes(n, {Engine.GetWidth(text), Engine.GetHeight(text)});
    }
    const TextbookCell cell = CellOf(n);
    const CellSize answer = AnswerSizes[size_t(n - 1)];
    const CellSize problem = cell.ProblemSize();
    const CellSize worked = cell.WorkedSize(Answer(n), answer);
    const CellSize content{std::max({problem.Width, worked.Width, answer.Width}),
                           std::max(problem.Height, worked.Height)};
    return WithNotes(n, FindMistakeSize(n, content));
}

void TextbookSheet::WriteCell(int mode, int n, double ex, double ey)
{
    if (mode == AnswerSheet)
        WriteNotes(n, ex, ey);
    if (!Calcs[size_t(n - 1)]) {
        Engine.PrevTextOut(ex, ey, OneLine(n, mode == AnswerSheet), QStringLiteral("Nil"));
        return;
    }
    if (WriteFindMistake(mode, n, ex, ey))
        return;
    if (mode != AnswerSheet)
        CellOf(n).WriteProblem(Engine, ex, ey);
    else if (Settings.fWorked)
        CellOf(n).WriteWorked(Engine, ex, ey, Answer(n), AnswerSizes[size_t(n - 1)]);
    else
        Engine.PrevTextOut(ex, ey, Answer(n), QStringLiteral("Nil"));
}

double TextbookSheet::FirstOperandTop(int n) const
{
    return Calcs[size_t(n - 1)] ? CellOf(n).FirstOperandTop() : 0;
}

// «a ÷ b = », with the answer on the answer sheet.
QString TextbookSheet::OneLine(int n, bool withAnswer) const
{
    QString text = ListLine(Problems.Lines1, n) + QLatin1Char(' ') + Problems.Sign() + QLatin1Char(' ')
        + ListLine(Problems.Lines2, n) + QStringLiteral(" = ");
    if (withAnswer)
        text += Answer(n);
    return text;
}

QString TextbookSheet::Answer(int n) const
{
    return ListLine(Problems.Lines3, n);
}

TextbookCell TextbookSheet::CellOf(int n) const
{
    return CellOf(*Calcs[size_t(n - 1)]);
}

TextbookCell TextbookSheet::CellOf(const WrittenCalc& calc) const
{
    return TextbookCell(calc, Problems.Sign(), Metrics, Style);
}
