#include "sheet/SheetComposer.h"
#include "sheet/AnswerNotes.h"
#include "sheet/ColumnLayout.h"
#include "sheet/HeadingText.h"
#include "common/RealText.h"
#include "sheet/RemainderBreak.h"
#include "generation/OperationTable.h"
#include <algorithm>
#include <cmath>

namespace {

const QString kNil = QStringLiteral("Nil");

// Face names go into "FontName" quoted, so that a blank inside survives.
QString QuotedFace(QString face)
{
    face.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + face + QLatin1Char('"');
}

} // namespace

QString SheetProblems::Sign() const
{
    return QString::fromUtf8(OperationOf(Op).Sign);
}

GridSize GridSize::Clamped(int rows, int cols)
{
    GridSize grid{std::clamp(rows, 1, 10), std::clamp(cols, 1, 4)};
    if (grid.Rows * grid.Cols > 20)
        grid.Cols = 20 / grid.Rows;
    return grid;
}

SheetLayout SheetLayout::Of(const SheetSettings& settings)
{
    return {settings.WindowTop, settings.WindowBottom, settings.WindowUpper, settings.WindowInner,
            settings.WindowUnder};
}

void SheetLayout::StoreIn(SheetSettings& settings) const
{
    settings.WindowTop = WindowTop;
    settings.WindowBottom = WindowBottom;
    settings.WindowUpper = WindowUpper;
    settings.WindowInner = WindowInner;
    settings.WindowUnder = WindowUnder;
}

SheetComposer::SheetComposer(ComposeEngine& engine, const SheetSettings& settings,
                             const SheetProblems& problems, PageFont& curFont)
    : Engine(engine), Settings(settings), Result(SheetLayout::Of(settings)), Problems(problems),
      CurFont(curFont),
      Clock([] { return QDateTime::currentDateTime(); }), Locale(QLocale::system())
{
}

void SheetComposer::SetClock(std::function<QDateTime()> clock, const QLocale& locale)
{
    Clock = std::move(clock);
    Locale = locale;
}

void SheetComposer::ResetCurFont()
{
    CurFont = PageFont{};
}

void SheetComposer::SetPageStrFont(const TPageStr& record, PageFont& font)
{
    SetPageStr2Font(record, font);
    font.Color = 0x000000;
}

void SheetComposer::EmitFontChange(const PageFont& font)
{
    if (CurFont.Name != font.Name)
        Engine.PrevFontName(QuotedFace(font.Name));
    if (CurFont.Size != font.Size)
        Engine.PrevFontSize(font.Size);
    if (CurFont.Color != font.Color)
        Engine.PrevFontColor(font.Color);
    if (CurFont.Bold != font.Bold)
        Engine.PrevFontStyle(font.Bold ? QStringLiteral("BOLD") : QStringLiteral("BOLD-"));
    if (CurFont.Italic != font.Italic)
        Engine.PrevFontStyle(font.Italic ? QStringLiteral("ITALIC") : QStringLiteral("ITALIC-"));
    CurFont = font;
}

void SheetComposer::ComposeSheet(int mode, int page)
{
    if (Problems.Lines1.isEmpty())
        return;
    Engine.ClearProgramList();
    Engine.PrevInit();
    PageFont f;
    ResetCurFont();
    NameBox.reset();
    SubTitleBox.reset();
    PageStrings(mode, f);
    DateHeading(f);
    InstructionLine(f);
    const Area area = ProblemArea();
    if (Settings.Textbook())
        TextbookCells(mode, area, page, f);
    else
        Cells(mode, area, page, f);
}

// Numbers in the subtitle's face, size and style, in black.
void SheetComposer::NumberLabel(int n, double x, double y, PageFont& f)
{
    if (!Settings.fExNum)
        return;
    SetPageStrFont(Engine.SubTitle(), f);
    EmitFontChange(f);
    Engine.PrevTextOut(x, y, Label(n), kNil);
}

// Writes one page-string command with the record's position and font and
// returns the Y that the top margin is checked against. A record placed at a
// position that is not a number is written with code 0, so that it stays
// undrawn as the record itself would, and does not move the margin.
std::optional<double> SheetComposer::PlacePageStr(
    const TPageStr& record, const QString& text,
    void (ComposeEngine::*builder)(const QString&, int, double, double), PageFont& f)
{
    const std::optional<double> x = PositionValue(record.psX);
    const std::optional<double> y = PositionValue(record.psY);
    const bool unplaceable = record.psPos >= 4 && !(x && y); // codes above 4 act as 4
    SetPageStrFont(record, f);
    EmitFontChange(f);
    (Engine.*builder)(text, unplaceable ? 0 : record.psPos, x.value_or(0), y.value_or(0));
    if (unplaceable)
        return std::nullopt;
    return y.value_or(0);
}

void SheetComposer::RaiseTop(std::optional<double> y, double h)
{
    if (y && Result.WindowTop < *y + h)
        Result.WindowTop = *y + h;
}

void SheetComposer::PageStrings(int mode, PageFont& f)
{
    const QDateTime now = Clock();
    const std::optional<double> headerY =
        PlacePageStr(Engine.Header(), HeadingText(Settings.sHeader, now, Locale),
                     &ComposeEngine::PrevHeader, f);
    PlacePageStr(Engine.Footer(), HeadingText(Settings.sFooter, now, Locale),
                 &ComposeEngine::PrevFooter, f);

    // The height of the heading line, in the font the engine holds from its
    // last work, stands for the height of every page string at the top.
    const double h = Engine.GetHeight(QLatin1Char(' ') + Settings.sDateTime + QLatin1Char(' '));
    Engine.SetFontSets(f);
    // Only the header stands at the top; a footer near the bottom must not
    // push the problem area off the page.
    RaiseTop(headerY, h);

    RaiseTop(PlacePageStr(Engine.PageTitle(), Settings.sPageTitle, &ComposeEngine::PrevpageTitle, f), h);
    Engine.SetFontSets(f);

    QString subTitle = Settings.sSubTitle;
    if (mode == AnswerSheet)
        subTitle += QStringLiteral(" (答)");
    const TPageStr subTitleRecord = SubTitleClearOfNameBox(subTitle);
    RaiseTop(PlacePageStr(subTitleRecord, subTitle, &ComposeEngine::PrevSubTitle, f), h);
    Engine.SetFontSets(f);
}

// The date-and-time line and the name line in a box six lines high, with a
// rule between them.
void SheetComposer::DateHeading(PageFont& f)
{
    const TPageStr& record = Settings.DateTime;
    if (Settings.sDateTime.isEmpty() || record.psPos == 0)
        return;
    const std::optional<double> x = PositionValue(record.psX);
    const std::optional<double> y = PositionValue(record.psY);
    if (!x || !y)
        return;
    const double x0 = *x, y0 = *y;
    const QString t = QLatin1Char(' ') + Settings.sDateTime + QLatin1Char(' ');
    // The box and its line spacing are measured in the subtitle's font, the
    // one set for measuring last; the heading is then written in its own.
    const double w = Engine.GetWidth(t);
    const double h = Engine.GetHeight(t);
    SetPageStrFont(record, f);
    EmitFontChange(f);
    Engine.PrevTextOut(x0, y0 + h / 2, t, QStringLiteral("NIL"));
    Engine.SetFontSets(f);
    const QString nameLine = (Settings.fClassBox ? QStringLiteral("　年　　組　　番　")
                                                 : QStringLiteral("　"))
        + Settings.sName + QLatin1Char(' ');
    if (!Settings.sName.isEmpty() || Settings.fClassBox)
        Engine.PrevTextOut(x0, y0 + 3.5 * h, nameLine, QStringLiteral("NIL"));
    FramePen();
    Outline({x0, y0, x0 + w, y0 + 6 * h});
    Engine.PrevLine(x0, y0 + 2 * h, x0 + w, y0 + 2 * h);
    NameBox = Area{x0, y0, x0 + w, y0 + 6 * h};
    if (Settings.fClassBox)
        ScoreCell(x0 + w, y0, h);
    // The name part of the box may reach into the problem area's margin;
    // only the separator has to stay above it.
    RaiseTop(y0, 2 * h);
}

// Frames and rules: one device dot on classic sheets; a textbook sheet
// prints them with the pen of its column form, since a dot of a fine
// printer nearly vanishes on paper.
void SheetComposer::FramePen()
{
    if (Settings.Textbook())
        Engine.PrevPenWidth(Settings.HissanPen);
    else
        Engine.PrevPenSize(1);
}

// Four lines clockwise from the top left corner.
void SheetComposer::Outline(const Area& box)
{
    Engine.PrevLine(box.L, box.U, box.R, box.U);
    Engine.PrevLine(box.R, box.U, box.R, box.D);
    Engine.PrevLine(box.R, box.D, box.L, box.D);
    Engine.PrevLine(box.L, box.D, box.L, box.U);
}

SheetComposer::Area SheetComposer::ProblemArea()
{
    Result.WindowUpper = Result.WindowTop + 5;
    if (Result.WindowBottom < 10)
        Result.WindowBottom = 10;
    Result.WindowInner = Engine.Get_UnitWidth() - Settings.WindowRight;
    Result.WindowUnder = Engine.Get_UnitHeight() - Result.WindowBottom;
    const Area area{Settings.WindowLeft, Result.WindowUpper, Result.WindowInner,
                    Result.WindowUnder};
    if (Settings.WindowFrame) {
        FramePen();
        Engine.PrevPenStyle(QStringLiteral("psDot"));
        Outline(area);
    }
    Engine.PrevPenSize(1);
    Engine.PrevPenStyle(QStringLiteral("psSolid"));
    return area;
}

void SheetComposer::Cells(int mode, const Area& area, int page, PageFont& f)
{
    const GridSize grid = GridSize::Clamped(Settings.ExamRowN, Settings.ExamColN);
    const double cw = (area.R - area.L) / grid.Cols;
    const double ch = (area.D - area.U) / grid.Rows;
    QList<CellPlace> places = CellPlaces(area, grid, cw, ch, 1, f);
    MeasureIn(FittingExamFont(places, cw, ch));
    NarrowSeparation(places, cw, ch);
    QList<CellNotes> notes;
    if (mode == AnswerSheet && WritesAnswerNotes(Settings))
        places = NotedPlaces(area, grid, places, page, notes, f);
    else if (page > 0)
        return;
    ProgramCellWriter out(Engine);
    for (qsizetype k = 0; k < places.size(); ++k) {
        const CellPlace& place = places.at(k);
        NumberLabel(place.N, place.CX, place.CY, f);
        EmitFontChange(Exam);
        Cell(mode, place.N, place.EX, place.CY, CellEnd(place, cw), out);
        if (k < notes.size())
            Notes(place, notes.at(k));
    }
}

// Cells are numbered down each column from first; the grid stops at the
// first problem that the first or the second list lacks. Labels are
// measured in the subtitle's font.
QList<SheetComposer::CellPlace> SheetComposer::CellPlaces(const Area& area, const GridSize& grid,
                                                          double cw, double ch, int first,
                                                          PageFont& f)
{
    if (Settings.fExNum) {
        SetPageStrFont(Engine.SubTitle(), f);
        Engine.SetFontSets(f);
    }
    QList<CellPlace> places;
    double cx = area.L;
    for (int i = 1; i <= grid.Cols; ++i) {
        double cy = area.U;
        for (int j = 1; j <= grid.Rows; ++j) {
            const int n = first - 1 + (i - 1) * grid.Rows + j;
            if (Problems.Lines1.size() < n || Problems.Lines2.size() < n)
                return places;
            const double nw = Settings.fExNum ? Engine.GetWidth(Label(n)) : 0;
            places.append({n, cx, cy, cx + nw + Settings.ExamSeparate});
            cy += ch;
        }
        cx += cw;
    }
    return places;
}

// «( 1)» … «(20)» with the default brackets.
QString SheetComposer::Label(int n) const
{
    return Settings.ExNumLeft + QString::asprintf("%2d", n) + Settings.ExNumRight;
}

// FntExam when every problem fits its cell; otherwise the same font at the
// largest whole point size at which all of them fit, but not below
// kSmallestProblemSize. The stored font stays as it is, so a roomier grid
// gets the user's size back.
PageFont SheetComposer::FittingExamFont(const QList<CellPlace>& places, double cw, double ch)
{
    PageFont font = Settings.FntExam;
    if (font.Size <= kSmallestProblemSize)
        return font;
    MeasureIn(font);
    if (AllCellsFit(places, cw, ch))
        return font;
    // Smaller sizes only fit more easily: halve the range between a size
    // that fits (or the smallest) and one that does not, so that a huge size
    // from a hand-edited file costs a few measurements, not one per point.
    int fits = kSmallestProblemSize;
    int fails = font.Size;
    while (fails - fits > 1) {
        font.Size = fits + (fails - fits) / 2;
        MeasureIn(font);
        (AllCellsFit(places, cw, ch) ? fits : fails) = font.Size;
    }
    font.Size = fits;
    return font;
}

// How far the widest cell's problem, measured in Exam, reaches past a
// blank's width before its cell's right edge (0 or less when all end in
// time), and whether one reaches below its cell. The answer sheet's cells
// count on the problem sheet too, and the other way round, so that the two
// sheets of the same problems take one size and line up.
SheetComposer::Overrun SheetComposer::CellsOverrun(const QList<CellPlace>& places, double cw,
                                                   double ch)
{
    const double gap = Engine.GetWidth(QStringLiteral(" "));
    QList<int> modes{ProblemSheet};
    if (Settings.AnswerType != 0)
        modes << AnswerSheet;
    Overrun overrun;
    for (const CellPlace& place : places)
        for (const int mode : modes) {
            CellExtent extent(Engine);
            Cell(mode, place.N, place.EX, place.CY, CellEnd(place, cw), extent);
            if (extent.Empty())
                continue;
            overrun.Right = std::max(overrun.Right, extent.Right() - (place.CX + cw - gap));
            overrun.Below = overrun.Below || extent.Bottom() > place.CY + ch;
        }
    return overrun;
}

bool SheetComposer::AllCellsFit(const QList<CellPlace>& places, double cw, double ch)
{
    const Overrun overrun = CellsOverrun(places, cw, ch);
    return overrun.Right <= 0 && !overrun.Below;
}

// Even at the smallest size the widest problems of a crowded sheet (four
// columns with answers on it) can lack a little room. Then this sheet's
// problems move closer to their labels by what the widest lacks, keeping at
// least a blank after the label; the stored separation is unchanged, and
// both sheets of the same problems move alike.
void SheetComposer::NarrowSeparation(QList<CellPlace>& places, double cw, double ch)
{
    // A larger size was only chosen because every cell fits in it.
    if (Exam.Size > kSmallestProblemSize)
        return;
    const double lack = CellsOverrun(places, cw, ch).Right;
    const double room = Settings.ExamSeparate - Engine.GetWidth(QStringLiteral(" "));
    const double shift = std::min(lack, room);
    if (shift <= 0)
        return;
    for (CellPlace& place : places)
        place.EX -= shift;
}

// Makes exam the font that cells are measured and written in.
void SheetComposer::MeasureIn(const PageFont& exam)
{
    Exam = exam;
    Engine.SetFontSets(Exam);
    const QString sign8 = Problems.Sign() + QLatin1Char('8');
    SW = Engine.GetWidth(sign8);
    SH = Engine.GetHeight(sign8);
}

// Where a cell's text has to end: a blank before the cell's right edge.
double SheetComposer::CellEnd(const CellPlace& place, double cw)
{
    return place.CX + cw - Engine.GetWidth(QStringLiteral(" "));
}

void SheetComposer::Cell(int mode, int n, double ex, double ey, double end, CellWriter& out)
{
    if (mode == AnswerSheet)
        Answer(ex, ey, QString(), ListLine(Problems.Lines3, n), end, out);
    else if (!Settings.ColumnForm())
        OneLine(n, ex, ey, end, out);
    else if (Problems.Op == OpDiv)
        Division(n, ex, ey, out);
    else
        ColumnForm(n, ex, ey, out);
}

// «1.5 ＋ 2.25 = », a negative second operand in parentheses: «1.5 ＋(-2.25)= ».
void SheetComposer::OneLine(int n, double ex, double ey, double end, CellWriter& out)
{
    const QString b = ListLine(Problems.Lines2, n);
    QString text = ListLine(Problems.Lines1, n) + QLatin1Char(' ') + Problems.Sign();
    if (b.contains(QLatin1Char('-')))
        text += QLatin1Char('(') + b + QStringLiteral(")= ");
    else
        text += QLatin1Char(' ') + b + QStringLiteral(" = ");
    if (Settings.AnswerType == 2)
        Answer(ex, ey, text, ListLine(Problems.Lines3, n), end, out);
    else
        out.Text(ex, ey, text, kNil);
}

// The problem's text, if any, and its answer on one line; a remainder
// answer that would reach past end breaks before « あまり ».
void SheetComposer::Answer(double ex, double ey, const QString& problem, const QString& answer,
                           double end, CellWriter& out)
{
    const std::optional<RemainderLines> lines = BreakBeforeRemainder(answer);
    if (!lines || ex + Engine.GetWidth(problem + answer) <= end) {
        out.Text(ex, ey, problem + answer, kNil);
        return;
    }
    out.Text(ex, ey, problem + lines->First, kNil);
    // Under the answer, or as far left as it has to go to end in time.
    const double second = Engine.GetWidth(lines->Second);
    double x = ex + (problem.isEmpty() ? 0 : Engine.GetWidth(problem));
    if (x + second > end)
        x = std::max(ex, end - second);
    out.Text(x, ey + SH, lines->Second, kNil);
}

// One and a half digit widths, cut to whole drawing units. Where a whole unit
// is wider than that (the inch unit), the pitch keeps three decimals instead
// of falling to 0, which would drop the fixed pitch and misalign the digits.
QString SheetComposer::DigitPitch()
{
    const double pitch = 0.75 * Engine.GetWidth(QStringLiteral("88"));
    const double whole = std::trunc(pitch);
    if (whole >= 1 || pitch <= 0)
        return QString::number(static_cast<long long>(whole));
    return QString::number(std::trunc(pitch * 1000) / 1000, 'g', 15);
}

// The operands stacked on the digit pitch, the sign at the left of the
// second row and a rule underneath. Never writes the answer.
void SheetComposer::ColumnForm(int n, double ex, double ey, CellWriter& out)
{
    const QString pitch = DigitPitch();
    const double digit = Engine.GetWidth(QStringLiteral("8"));
    const double hd = digit / 2;
    const QString a = ListLine(Problems.Lines1, n);
    const QString b = ListLine(Problems.Lines2, n);
    const ColumnLayout layout = Problems.Op == OpMul ? ColumnLayout::RightAligned(a, b)
                                                       : ColumnLayout::PointAligned(a, b);
    const double lw = digit + SW
        + 1.5 * Engine.GetWidth(QString(layout.LongerLength(), QLatin1Char('8')));
    out.Text(ex + SW, ey, layout.A, pitch);
    if (!layout.DotA.isEmpty())
        out.Text(ex + SW - hd, ey + 0.5, layout.DotA, pitch);
    out.Text(ex + SW, ey + SH, layout.B, pitch);
    if (!layout.DotB.isEmpty())
        out.Text(ex + SW - hd, ey + SH + 0.5, layout.DotB, pitch);
    out.Text(ex, ey + SH, Problems.Sign() + QStringLiteral("  "), kNil);
    out.Rule(ex, ey + 2 * SH, ex + lw, ey + 2 * SH);
}

// Divisor, ")" and the dividend under a bar that runs from the middle of the
// ")" to one blank past the dividend.
void SheetComposer::Division(int n, double ex, double ey, CellWriter& out)
{
    const QString a = ListLine(Problems.Lines1, n);
    const QString b = ListLine(Problems.Lines2, n);
    out.Text(ex, ey, b, kNil);
    const double x1 = ex + Engine.GetWidth(b);
    out.Text(x1, ey, QStringLiteral(")"), kNil);
    const double pw = Engine.GetWidth(QStringLiteral(")"));
    const double x2 = x1 + pw;
    out.Text(x2, ey, a, kNil);
    out.Rule(x1 + pw / 2, ey, x2 + Engine.GetWidth(a + QLatin1Char(' ')), ey);
}

QString ListLine(const QStringList& lines, int n)
{
    return n >= 1 && n <= lines.size() ? lines.at(n - 1) : QString();
}
