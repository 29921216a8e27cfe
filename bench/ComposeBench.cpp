// Composing cost of the worksheet composer alone: a 20-problem sheet in the
// column form, written into an engine that keeps the lines and answers
// measurements at once, so the time is the composer's own.
#include "sheet/SheetComposer.h"
#include <benchmark/benchmark.h>
#include <QStringList>

namespace {

class ListEngine : public ComposeEngine {
public:
    QStringList Lines;
    TPageStr Records[4];

    void ClearProgramList() override { Lines.clear(); }
    void PrevUpDateProgram() override {}
    void PrevInit() override { Lines << QStringLiteral("INITPARAM"); }
    void PrevTextOut(double x, double y, const QString& s, const QString& sw) override
    {
        Lines << QStringLiteral("TextOut,%1,%2,\"%3\",%4").arg(x).arg(y).arg(s, sw);
    }
    void PrevTextOutAngle(double, double, double, const QString& s) override { Lines << s; }
    void PrevLine(double x1, double y1, double x2, double y2) override
    {
        Lines << QStringLiteral("Line,%1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void PrevColor(uint32_t) override {}
    void PrevFontColor(uint32_t c) override { Lines << QString::number(c); }
    void PrevBrushColor(uint32_t) override {}
    void PrevPenColor(uint32_t) override {}
    void PrevFontSize(int sz) override { Lines << QString::number(sz); }
    void PrevFontName(const QString& name) override { Lines << name; }
    void PrevFontStyle(const QString& st) override { Lines << st; }
    void PrevPenWidth(double) override {}
    void PrevPenSize(int w) override { Lines << QString::number(w); }
    void PrevPenStyle(const QString& st) override { Lines << st; }
    void PrevPicture(const QString&, double, double, double, double) override {}
    void PrevHeader(const QString& s, int, double, double) override { Lines << s; }
    void PrevFooter(const QString& s, int, double, double) override { Lines << s; }
    void PrevpageTitle(const QString& s, int, double, double) override { Lines << s; }
    void PrevSubTitle(const QString& s, int, double, double) override { Lines << s; }
    void SetFontSets(const PageFont&) override {}
    double GetWidth(const QString& text) override { return 4.2 * text.size(); }
    double GetHeight(const QString&) override { return 8.5; }
    double Get_UnitWidth() const override { return 190; }
    double Get_UnitHeight() const override { return 277; }
    TPageStr& Header() override { return Records[0]; }
    TPageStr& Footer() override { return Records[1]; }
    TPageStr& PageTitle() override { return Records[2]; }
    TPageStr& SubTitle() override { return Records[3]; }
};

void BM_ComposeColumnFormSheet(benchmark::State& state)
{
    ListEngine engine;
    SheetSettings settings;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    settings.ExamType = true;
    SheetProblems problems;
    problems.Op = Operation(static_cast<int>(state.range(0)));
    for (int n = 1; n <= 20; ++n) {
        problems.Lines1 << QStringLiteral("%1.%2").arg(n * 37 % 1000).arg(n % 7);
        problems.Lines2 << QStringLiteral("%1.%2").arg(n * 13 % 100).arg(n * 11 % 1000);
        problems.Lines3 << QStringLiteral("0");
    }
    PageFont curFont;
    for (auto _ : state) {
        SheetComposer composer(engine, settings, problems, curFont);
        composer.ComposeSheet(ProblemSheet);
        benchmark::DoNotOptimize(engine.Lines.size());
    }
    state.counters["lines"] = static_cast<double>(engine.Lines.size());
}
BENCHMARK(BM_ComposeColumnFormSheet)->Arg(0)->Arg(2)->Arg(3);

} // namespace

BENCHMARK_MAIN();
