#include "sheet/TextbookCell.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Step = TextbookCell::Step;

// Vertical places within a text line, in line heights from its top.
constexpr double kDigitTop = 0.22;   // top of a digit
constexpr double kBaseline = 0.80;   // the digits' baseline
constexpr double kRuleGap = 0.22;    // extra room under a row with a rule
// The division bar stands this far (in millimetres) above the ink of its
// pen's lower edge to the top of the dividend's text line, which no digit
// reaches above: white between bar and digits at every size.
constexpr double kBarGap = 0.35;
constexpr double kSmallDigits = 0.6;  // zeros brought down, against the digits' size
constexpr double kShortestArrow = 2;  // millimetres: shorter ones read as a blot
constexpr double kAnswerGap = 0.35;  // between the working and the answer text
// Straight pieces of a curve: few, since every piece is a command line to
// write and draw, enough for strokes a few millimetres long.
constexpr int kBracketSegments = 6;
constexpr int kArrowSegments = 4;

constexpr uint32_t kSquareColor = 0xC0C0C0;  // a colour word of the command language
constexpr uint32_t kBlack = 0x000000;
constexpr double kSquarePen = 0.1;

QString PitchText(double pitch)
{
    return QString::number(pitch, 'f', 3);
}

// Lays one cell out into steps. Grid column c of the calculation starts at
// ColumnX(c); the slot before it is centred at SlotX(c).
class Planner {
public:
    Planner(const TextbookMetrics& m, std::vector<Step>& out) : M(m), Out(out) {}

    double Gx = 0;  // left edge of grid column 0
    double RuleGap = kRuleGap;  // extra room under a row with a rule, in lines

    double ColumnX(int c) const { return Gx + c * M.Pitch; }
    double SlotX(int c) const { return ColumnX(c) - (M.Pitch - M.DigitWidth) / 2; }
    double H() const { return M.LineHeight; }

    void Text(double x, double y, const QString& text, double width, bool pitched)
    {
        Out.push_back({Step::Text, x, y, x + width, y + H(), text,
                       pitched ? PitchText(M.Pitch) : QStringLiteral("Nil"), 0});
    }
    void Line(double x1, double y1, double x2, double y2)
    {
        Out.push_back({Step::Line, x1, y1, x2, y2, {}, {}, 0});
    }
    void Pen(double mm) { Out.push_back({Step::PenWidth, 0, 0, 0, 0, {}, {}, mm}); }
    void Color(uint32_t c) { Out.push_back({Step::PenColor, 0, 0, 0, 0, {}, {}, double(c)}); }
    void Dot() { Out.push_back({Step::PenSize, 0, 0, 0, 0, {}, {}, 1}); }
    void FontSize(int size) { Out.push_back({Step::FontSize, 0, 0, 0, 0, {}, {}, double(size)}); }

    // A row of digits on the pitch, then its points; digits of the grid
    // start at gx (the divisor has a grid of its own).
    void Digits(const WorkedRow& row, double y)
    {
        QString text = QString::fromStdString(row.Digits);
        const int small = row.SmallFrom - row.Column;
        if (M.FontSize > 0 && small > 0 && small < text.size()) {
            SmallDigits(row.SmallFrom, text.mid(small), y);
            text.truncate(small);
        }
        Text(ColumnX(row.Column), y, text, M.Pitch * text.size(), true);
        if (row.Point >= 0)
            Point(row, row.Point, y);
        if (row.OldPoint >= 0) {
            // Crossed out both ways, over more than the point, so that a
            // row never reads as a number with two points.
            Point(row, row.OldPoint, y);
            const double cx = SlotX(row.OldPoint), cy = y + (kBaseline - 0.08) * H();
            const double r = std::max(0.22 * M.Pitch, M.PointWidth);
            Line(cx - r, cy + 0.6 * r, cx + r, cy - 0.6 * r);
            Line(cx - r, cy - 0.6 * r, cx + r, cy + 0.6 * r);
        }
    }

    // Digits from column c on in a smaller size, on the row's baseline and
    // centred in their columns.
    void SmallDigits(int c, const QString& digits, double y)
    {
        const int size = std::max(1, static_cast<int>(std::lround(M.FontSize * kSmallDigits)));
        const double ratio = double(size) / M.FontSize;
        FontSize(size);
        Text(ColumnX(c) + (1 - ratio) * M.DigitWidth / 2, y + (1 - ratio) * kBaseline * H(), digits,
             M.Pitch * digits.size(), true);
        Out.back().Y2 = y + H();
        FontSize(M.FontSize);
    }

    // The point of slot c, written on the row's pitch so that it moves with
    // the digits when a device rounds the pitch.
    void Point(const WorkedRow& row, int c, double y)
    {
        const int first = std::min(row.Column, c - 1);
        const double offset = M.Pitch - (M.Pitch - M.DigitWidth) / 2 - M.PointWidth / 2;
        const QString text = QString(c - 1 - first, QLatin1Char(' ')) + QLatin1Char('.');
        Text(ColumnX(first) + offset, y, text, M.Pitch * (c - first), true);
    }

    // A slash through each struck digit.
    void Strikes(const WorkedRow& row, double y)
    {
        for (int c : row.Struck)
            Line(ColumnX(c) - 0.1 * M.DigitWidth, y + (kBaseline + 0.05) * H(),
                 ColumnX(c) + 1.1 * M.DigitWidth, y + (kDigitTop - 0.05) * H());
    }

    // A rule under columns [from, to) of a row at y.
    void RuleUnder(double left, int to, double y)
    {
        Line(left, y + (1 + RuleGap / 2) * H(), SlotX(to), y + (1 + RuleGap / 2) * H());
    }

    // The curved arrow under a row from slot `from` to slot `to`.
    void Arrow(double xFrom, double xTo, double y)
    {
        // Never shorter than kShortestArrow: lengthened at both ends.
        const double grow = std::max(0.0, kShortestArrow - std::abs(xTo - xFrom)) / 2;
        const double dir = xTo >= xFrom ? 1 : -1;
        xFrom -= dir * grow;
        xTo += dir * grow;
        const double base = y + kBaseline * H() + 0.08 * H();
        const double depth = 0.12 * H();
        double px = xFrom, py = base;
        for (int i = 1; i <= kArrowSegments; ++i) {
            const double t = double(i) / kArrowSegments;
            const double nx = xFrom + (xTo - xFrom) * t;
            const double ny = base + depth * std::sin(std::numbers::pi * t);
            Line(px, py, nx, ny);
            px = nx;
            py = ny;
        }
        const double head = std::max(std::min(0.25 * M.Pitch, 0.12 * H()), 0.3 * kShortestArrow);
        Line(xTo, base, xTo - dir * head, base + 0.4 * head);
        Line(xTo, base, xTo + dir * 0.25 * head, base + head);
    }

    // The bracket: a curve bulging right from the bar's left end down past
    // the dividend's row.
    void Bracket(double x, double top, double bottom, double bulge)
    {
        double px = x, py = top;
        for (int i = 1; i <= kBracketSegments; ++i) {
            const double t = double(i) / kBracketSegments;
            const double nx = x + bulge * std::sin(std::numbers::pi * t) - 0.35 * bulge * t;
            const double ny = top + (bottom - top) * t;
            Line(px, py, nx, ny);
            px = nx;
            py = ny;
        }
    }

    // Light grey squares behind columns [0, columns): a line at the top of
    // every row and under the last.
    void Squares(int columns, const std::vector<double>& tops, double bottom)
    {
        if (columns <= 0 || tops.empty())
            return;
        Color(kSquareColor);
        Pen(kSquarePen);
        const double left = SlotX(0), right = SlotX(columns);
        for (int c = 0; c <= columns; ++c)
            Line(SlotX(c), tops.front(), SlotX(c), bottom);
        for (double top : tops)
            Line(left, top, right, top);
        Line(left, bottom, right, bottom);
        Color(kBlack);
    }

private:
    const TextbookMetrics& M;
    std::vector<Step>& Out;
};

// Rows of a calculation and where each one stands.
std::vector<double> RowTops(const std::vector<WorkedRow>& rows, double y, double h, size_t start,
                            double ruleGap)
{
    std::vector<double> tops;
    for (size_t i = start; i < rows.size(); ++i) {
        tops.push_back(y);
        y += h * (1 + (rows[i].RuleBelow ? ruleGap : 0));
    }
    return tops;
}

} // namespace

double TextbookMetrics::MinimumPitch(double digitWidth, double pointWidth)
{
    return digitWidth + 1.4 * pointWidth;
}

TextbookMetrics TextbookMetrics::Measure(ComposeEngine& engine, const QString& sign, double pitch)
{
    TextbookMetrics m;
    m.DigitWidth = engine.GetWidth(QStringLiteral("8"));
    m.PointWidth = engine.GetWidth(QStringLiteral("."));
    m.LineHeight = engine.GetHeight(QStringLiteral("8"));
    m.SignWidth = engine.GetWidth(sign);
    m.Pitch = std::max(pitch > 0 ? pitch : 1.5 * m.DigitWidth, MinimumPitch(m.DigitWidth, m.PointWidth));
    return m;
}

TextbookCell::TextbookCell(const WrittenCalc& calc, const QString& sign, const TextbookMetrics& metrics,
                           const TextbookStyle& style)
    : Calc(calc), Sign(sign), M(metrics), Style(style)
{
}

// Division rows start under the quotient's row, the dividend's digits just
// under the bar.
double TextbookCell::DividendTop() const
{
    return M.LineHeight + Style.Pen / 2 + kBarGap;
}

CellSize TextbookCell::ProblemSize() const
{
    return Extent(Plan(false, 0, 0, {}, 0, 0), 0, 0);
}

CellSize TextbookCell::WorkedSize(ComposeEngine& measure, const QString& answer) const
{
    return WorkedSize(answer, {measure.GetWidth(answer), measure.GetHeight(answer)});
}

CellSize TextbookCell::WorkedSize(const QString& answer, const CellSize& answerSize) const
{
    return Extent(Plan(true, 0, 0, answer, answerSize.Width, answerSize.Height), 0, 0);
}

void TextbookCell::WriteProblem(ComposeEngine& engine, double x, double y) const
{
    Emit(engine, Plan(false, x, y, {}, 0, 0));
}

void TextbookCell::WriteWorked(ComposeEngine& engine, double x, double y, const QString& answer) const
{
    WriteWorked(engine, x, y, answer, {engine.GetWidth(answer), engine.GetHeight(answer)});
}

void TextbookCell::WriteWorked(ComposeEngine& engine, double x, double y, const QString& answer,
                               const CellSize& answerSize) const
{
    Emit(engine, Plan(true, x, y, answer, answerSize.Width, answerSize.Height));
}

double TextbookCell::FirstOperandTop() const
{
    return Calc.Op == CalcOp::Div ? DividendTop() : 0;
}

std::vector<Step> TextbookCell::Plan(bool worked, double x, double y, const QString& answer,
                                     double answerWidth, double answerHeight) const
{
    std::vector<Step> steps;
    Planner p(M, steps);
    // On squares every row is one square high and a rule runs on the line
    // between two squares, so that every cell shows the same squares.
    p.RuleGap = Style.Squares ? 0 : kRuleGap;
    const double h = M.LineHeight;
    const bool division = Calc.Op == CalcOp::Div;
    const WorkedRow& divisor = worked ? Calc.Divisor : Calc.GivenDivisor;
    // Division: divisor, a gap holding its moved point, the bracket; else the sign.
    const double bulge = 0.4 * M.Pitch;
    const int divisorColumns = std::max(static_cast<int>(divisor.Digits.size()), Style.DivisorColumns);
    const double divisorX = x + (divisorColumns - static_cast<int>(divisor.Digits.size())) * M.Pitch;
    const double bracketX = x + divisorColumns * M.Pitch + 0.15 * M.Pitch;
    p.Gx = division ? bracketX + bulge + 0.3 * M.Pitch : x + M.SignWidth + 0.3 * M.Pitch;

    const double barY = y + h;
    const double firstY = division ? y + DividendTop() : y;
    std::vector<double> tops = RowTops(Calc.Rows, firstY, h, division ? 1 : 0, p.RuleGap);
    if (division)
        tops.insert(tops.begin(), y);
    const size_t shown = worked ? Calc.Rows.size() : 2;

    // The sheet's shared grid: rows past this working's last one.
    std::vector<double> gridTops = tops;
    while (static_cast<int>(gridTops.size()) < Style.Rows)
        gridTops.push_back(gridTops.back() + h);
    const double gridBottom = gridTops.back() + h;
    if (Style.Squares)
        p.Squares(std::max(Calc.Columns, Style.Columns), gridTops, gridBottom);
    p.Pen(Style.Pen);

    for (size_t i = 0; i < shown; ++i) {
        const bool given = division && !worked && i == 1;
        if (division && !worked && i == 0)
            continue;  // the quotient's row is left for the pupil
        const WorkedRow& row = given ? Calc.GivenDividend : Calc.Rows[i];
        p.Digits(row, tops[i]);
    }

    if (division) {
        Planner d(M, steps);
        d.Gx = divisorX;
        d.Digits(divisor, tops[1]);
        // Over the shared grid: a bar cut to this working would tell its length.
        p.Line(bracketX, barY, p.SlotX(std::max(Calc.Columns, Style.Columns)), barY);
        p.Bracket(bracketX, barY, tops[1] + h, bulge);
    } else {
        p.Text(x, tops[1], Sign, M.SignWidth, false);
        p.RuleUnder(x, Calc.Columns, tops[1]);
    }
    if (worked) {
        for (size_t i = 0; i < Calc.Rows.size(); ++i) {
            const WorkedRow& row = Calc.Rows[i];
            p.Strikes(row, tops[i]);
            if (row.RuleBelow && (division || i >= 2))
                p.RuleUnder(division ? p.SlotX(row.Column) : x, division ? row.End() : Calc.Columns,
                            tops[i]);
        }
        for (const PointMove& move : Calc.Moves) {
            if (move.Row < 0) {
                Planner d(M, steps);
                d.Gx = divisorX;
                d.Arrow(d.SlotX(move.From), d.SlotX(move.To), tops[1]);
            } else {
                p.Arrow(p.SlotX(move.From), p.SlotX(move.To), tops[static_cast<size_t>(move.Row)]);
            }
        }
    }
    p.Dot();
    if (worked && !answer.isEmpty()) {
        p.Text(x, gridBottom + kAnswerGap * h, answer, answerWidth, false);
        steps.back().Y2 = gridBottom + kAnswerGap * h + answerHeight;
    }
    return steps;
}

CellSize TextbookCell::Extent(const std::vector<Step>& steps, double x, double y)
{
    CellSize size;
    for (const Step& s : steps)
        if (s.Kind == Step::Text || s.Kind == Step::Line) {
            size.Width = std::max({size.Width, s.X1 - x, s.X2 - x});
            size.Height = std::max({size.Height, s.Y1 - y, s.Y2 - y});
        }
    return size;
}

void TextbookCell::Emit(ComposeEngine& engine, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        switch (s.Kind) {
        case Step::Text:
            engine.PrevTextOut(s.X1, s.Y1, s.Str, s.Pitch);
            break;
        case Step::Line:
            engine.PrevLine(s.X1, s.Y1, s.X2, s.Y2);
            break;
        case Step::PenWidth:
            engine.PrevPenWidth(s.Value);
            break;
        case Step::PenColor:
            engine.PrevPenColor(static_cast<uint32_t>(s.Value));
            break;
        case Step::PenSize:
            engine.PrevPenSize(static_cast<int>(s.Value));
            break;
        case Step::FontSize:
            engine.PrevFontSize(static_cast<int>(s.Value));
            break;
        }
    }
}
