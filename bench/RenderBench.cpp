// Speed of one full rendering pass (DrawGraphics) of a 20-problem sheet,
// written through the builders, onto the 1:1 page image and onto a PDF page,
// beside the same page drawn directly with QPainter as the floor.
//
// The floor draws exactly what the pass draws: the texts of the pass (its
// problems, page strings and credit line, each in its own font and place)
// and its lines, recorded from one pass. A PDF document embeds every font
// its pages use once, when it ends, and that costs far more than drawing a
// page; a floor with fewer fonts than the pass would mostly measure the
// fonts. Two measures therefore:
// - PassToPdf / FloorPdf: a whole one-page document per iteration, as a
//   single print or PDF export costs;
// - PdfPageOfADocument / FloorPdfPageOfADocument: one more page of an open
//   document per iteration, as every sheet of a class set after the first
//   costs; the fonts are embedded outside the timed loop.
// Compare pass and floor with --benchmark_enable_random_interleaving=true
// --benchmark_repetitions=5: the machine's load then touches both alike.
#include "support/ScriptedPrompts.h"
#include "prevform/FontMap.h"
#include "prevform/ForwardingSurface.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "prevform/ColorWords.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <benchmark/benchmark.h>
#include <vector>

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

// What one pass draws, in pixels of the surface it was drawn on.
struct PageCalls {
    struct Text {
        QPoint TopLeft;
        QString String;
        DeviceFont Font;
    };
    struct Line {
        QPoint From, To;
        SurfacePen Pen;
    };
    std::vector<Text> Texts;
    std::vector<Line> Lines;
};

class PageRecorder : public ForwardingSurface {
public:
    PageRecorder(Surface& inner, PageCalls& calls) : ForwardingSurface(inner), Calls(calls) {}
    void DrawText(QPoint topLeft, const QString& text, const DeviceFont& font,
                  const SurfaceBrush& brush, int advance) override
    {
        Calls.Texts.push_back({topLeft, text, font});
        ForwardingSurface::DrawText(topLeft, text, font, brush, advance);
    }
    void DrawLine(QPoint from, QPoint to, const SurfacePen& pen) override
    {
        Calls.Lines.push_back({from, to, pen});
        ForwardingSurface::DrawLine(from, to, pen);
    }

private:
    PageCalls& Calls;
};

// One pass on the printer page (printer pixels) or on the page image.
PageCalls RecordPage(bool printerPage)
{
    Bench bench;
    QTemporaryDir dir;
    const auto printer = PrinterInfo::BuiltInPdf(dir.filePath(QStringLiteral("record.pdf")));
    const PageGeometry& g = bench.Engine.Geometry;
    const auto page = printerPage ? std::make_unique<QPainterSurface>(
                                        *printer, QSize(g.PageW, g.PageH), g.PrinterResX,
                                        g.PrinterResY)
                                  : std::make_unique<QPainterSurface>(bench.Engine.PageImage().size(), 96);
    PageCalls calls;
    PageRecorder recorder(*page, calls);
    bench.Engine.Geometry.nTgtCanvas = printerPage ? PageGeometry::TgtPrinter : PageGeometry::TgtImage;
    bench.Engine.DrawGraphicsOn(recorder);
    return calls;
}

const PageCalls& RecordedPage(bool printerPage)
{
    static const PageCalls onPrinter = RecordPage(true);
    static const PageCalls onImage = RecordPage(false);
    return printerPage ? onPrinter : onImage;
}

// The recorded page drawn straight with QPainter: each font made once per
// page, font and pen set only when they change.
void DrawFloor(QPainter& p, const PageCalls& calls, QSize page)
{
    p.fillRect(QRect(QPoint(0, 0), page), Qt::white);
    struct Made {
        DeviceFont Asked;
        QFont Font;
        int Ascent;
    };
    std::vector<Made> fonts;
    size_t current = SIZE_MAX;
    for (const PageCalls::Text& text : calls.Texts) {
        auto made = std::find_if(fonts.begin(), fonts.end(),
                                 [&](const Made& f) { return f.Asked == text.Font; });
        if (made == fonts.end()) {
            const QFont font = FontMap::MakeFont(text.Font);
            fonts.push_back({text.Font, font, QFontMetrics(font).ascent()});
            made = fonts.end() - 1;
        }
        if (current != static_cast<size_t>(made - fonts.begin())) {
            p.setFont(made->Font);
            current = static_cast<size_t>(made - fonts.begin());
        }
        if (p.pen().color() != ToQColor(text.Font.Color))
            p.setPen(ToQColor(text.Font.Color));
        p.drawText(text.TopLeft + QPoint(0, made->Ascent), text.String);
    }
    for (const PageCalls::Line& line : calls.Lines) {
        const QPen pen(ToQColor(line.Pen.Color), line.Pen.Width);
        if (p.pen() != pen)
            p.setPen(pen);
        p.drawLine(line.From, line.To);
    }
}

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

void PdfPageOfADocument(benchmark::State& state)
{
    Bench bench;
    bench.Engine.BeginPrintDocument();
    for (auto _ : state)
        bench.Engine.PrintOut();
    bench.Engine.EndPrintDocument();
}
BENCHMARK(PdfPageOfADocument)->Unit(benchmark::kMillisecond);

void FloorPageImage(benchmark::State& state)
{
    const PageCalls& calls = RecordedPage(false);
    QImage image(755, 1084, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        DrawFloor(p, calls, image.size());
    }
}
BENCHMARK(FloorPageImage)->Unit(benchmark::kMillisecond);

void FloorPdf(benchmark::State& state)
{
    const PageCalls& calls = RecordedPage(true);
    QTemporaryDir dir;
    const auto printer = PrinterInfo::BuiltInPdf(dir.filePath(QStringLiteral("floor.pdf")));
    for (auto _ : state) {
        QPainter p(printer->Device());
        DrawFloor(p, calls, QSize(4724, 6780));
    }
}
BENCHMARK(FloorPdf)->Unit(benchmark::kMillisecond);

void FloorPdfPageOfADocument(benchmark::State& state)
{
    const PageCalls& calls = RecordedPage(true);
    QTemporaryDir dir;
    const auto printer = PrinterInfo::BuiltInPdf(dir.filePath(QStringLiteral("floor.pdf")));
    QPainter p(printer->Device());
    bool first = true;
    for (auto _ : state) {
        if (!first)
            printer->Device()->newPage();
        first = false;
        DrawFloor(p, calls, QSize(4724, 6780));
    }
}
BENCHMARK(FloorPdfPageOfADocument)->Unit(benchmark::kMillisecond);

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
