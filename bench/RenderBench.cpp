// Speed of one full rendering pass (DrawGraphics) of a 20-problem sheet,
// written through the builders, onto the 1:1 page image and onto a PDF page,
// beside the same texts and lines drawn directly with QPainter as the floor.
#include "support/ScriptedPrompts.h"
#include "prevform/FontMap.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Problems = 20;

QString ProblemText(int i)
{
    return QStringLiteral("(%1)  %2 + %3 =").arg(i + 1).arg(123.45 + i, 0, 'f', 2).arg(6.789, 0, 'f', 3);
}

double RowY(int i)
{
    return 40 + (i / 2) * 24.0;
}

double ColumnX(int i)
{
    return i % 2 == 0 ? 10.0 : 105.0;
}

// The composer's calling order: clear, reset, builder calls.
void ComposeSheet(PrevEngine& engine)
{
    engine.ClearProgramList();
    engine.PrevInit();
    engine.PrevFontName(QStringLiteral("\"ＭＳ 明朝\""));
    engine.PrevpageTitle(QStringLiteral("小数のたし算"), 4, 10, 10);
    engine.PrevSubTitle(QStringLiteral("名前"), 4, 10, 26);
    engine.PrevFontSize(14);
    for (int i = 0; i < Problems; ++i) {
        engine.PrevTextOut(ColumnX(i), RowY(i), ProblemText(i), QStringLiteral("NIL"));
        engine.PrevPenWidth(0.3);
        engine.PrevLine(ColumnX(i), RowY(i) + 12, ColumnX(i) + 85, RowY(i) + 12);
    }
    engine.PrevFooter(QStringLiteral("shosu-drill"), 2, 0, 0);
}

struct Bench {
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("b.pdf"))), 96};
    Bench()
    {
        Engine.SetCopyright(QStringLiteral("shosu-drill"));
        ComposeSheet(Engine);
    }
};

void PassToPageImage(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state)
        bench.Engine.DrawGraphics();
}
BENCHMARK(PassToPageImage)->Unit(benchmark::kMillisecond);

void PassToPdf(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state)
        bench.Engine.PrintOut();
}
BENCHMARK(PassToPdf)->Unit(benchmark::kMillisecond);

// The same page drawn straight with QPainter at dpi dots per inch.
void DrawFloor(QPainter& p, int dpi, QSize page)
{
    const double px = dpi / 25.4;
    p.fillRect(QRect(QPoint(0, 0), page), Qt::white);
    DeviceFont font{QStringLiteral("ＭＳ 明朝"), qRound(14 * dpi / 72.0)};
    const QFont qfont = FontMap::MakeFont(font);
    p.setFont(qfont);
    const int ascent = QFontMetrics(qfont).ascent();
    p.setPen(QPen(Qt::black, qMax(1, qRound(0.3 * px))));
    for (int i = 0; i < Problems; ++i) {
        const QPoint at(qRound(ColumnX(i) * px), qRound(RowY(i) * px));
        p.drawText(at + QPoint(0, ascent), ProblemText(i));
        p.drawLine(at + QPoint(0, qRound(12 * px)), at + QPoint(qRound(85 * px), qRound(12 * px)));
    }
    font.PixelHeight = qRound(24 * dpi / 72.0);
    p.setFont(FontMap::MakeFont(font));
    p.drawText(QPoint(qRound(10 * px), qRound(10 * px) + ascent), QStringLiteral("小数のたし算"));
}

void FloorPageImage(benchmark::State& state)
{
    QImage image(755, 1084, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        DrawFloor(p, 96, image.size());
    }
}
BENCHMARK(FloorPageImage)->Unit(benchmark::kMillisecond);

void FloorPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto printer = PrinterInfo::BuiltInPdf(dir.filePath(QStringLiteral("floor.pdf")));
    for (auto _ : state) {
        QPainter p(printer->Printer());
        DrawFloor(p, PrinterInfo::BuiltInDpi, QSize(4724, 6780));
    }
}
BENCHMARK(FloorPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
