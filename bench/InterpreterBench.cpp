// Speed of one rendering of a worksheet-sized command list onto the 96-dpi
// page image, and of splitting its lines alone.
#include "support/ScriptedPrompts.h"
#include "prevform/CommandSplit.h"
#include "prevform/Interpreter.h"
#include "prevform/QPainterSurface.h"
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QStringList SheetLines()
{
    QStringList lines{"INITPARAM", "FontName,\"ＭＳ 明朝\"", "FontSize,14", "Color,BLACK"};
    for (int i = 0; i < 20; ++i) {
        const double y = 30 + i * 12;
        lines << QString("TextOut, 1.00000000000000E+0001, %1,\"(%2)  123.45 + 6.789 =\",NIL")
                     .arg(y).arg(i + 1)
              << QString("Line,10,%1,190,%1").arg(y + 10)
              << QString("TextOut,150,%1,\"130.239\",5").arg(y);
    }
    lines << "Header,\"答え\",3,0,0" << "Footer,\"shosu\",2,0,0";
    return lines;
}

void ExecuteSheet(benchmark::State& state)
{
    PageGeometry g;
    g.ReadScreenCaps(96);
    QPainterSurface surface(g.OneToOneImageSize(), 96);
    DrawState st;
    TPageStr h, f, t, s, tmp, c;
    double hb = 0, ch = 0;
    std::array<QImage, 15> bmp;
    ScriptedPrompts prompts;
    PassContext ctx{surface, g, st, h, f, t, s, tmp, c, hb, ch, bmp, prompts};
    const QStringList lines = SheetLines();
    for (auto _ : state) {
        h.psDrawn = f.psDrawn = false;
        surface.BeginDoc();
        ResetDrawState(ctx);
        Interpreter(ctx).ExecuteList(lines, 2);
        surface.EndDoc();
    }
}
BENCHMARK(ExecuteSheet)->Unit(benchmark::kMillisecond);

void SplitSheet(benchmark::State& state)
{
    const QStringList lines = SheetLines();
    for (auto _ : state)
        for (const QString& line : lines)
            benchmark::DoNotOptimize(SplitCommandLine(line));
}
BENCHMARK(SplitSheet);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
