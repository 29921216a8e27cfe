// Compose and render, side by side: a 20-problem division answer sheet and
// problem sheet in the classic column form, and the same problems as a
// worked answer sheet in the textbook column form (every step of every
// division, on as many pages as it takes). All through the sheet pipeline
// onto the 1:1 page image; the compose-only pair shows the composer's share.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "worksheet/SheetPipeline.h"
#include "worksheet/StartingLayout.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Twenty divisions by a decimal with a remainder, as the generator writes them.
SheetProblems Divisions()
{
    SheetProblems p;
    p.LblKigou = QStringLiteral("÷");
    p.TabIndex = 3;
    p.Division = {DivisionMode::Remainder, 1};
    for (int n = 1; n <= 20; ++n) {
        p.Memo1 << QStringLiteral("%1.%2").arg(n * 37 % 100 + 1).arg(n * 7 % 100 + 1);
        p.Memo2 << QStringLiteral("%1.%2").arg(n % 9 + 1).arg(n * 3 % 10);
        p.Memo3 << QStringLiteral("12.3 あまり 0.05");
    }
    return p;
}

void ComposeAndRender(benchmark::State& state, bool worked, bool render = true,
                      int mode = AnswerSheet)
{
    QTemporaryDir dir;
    ScriptedPrompts prompt;
    PrevEngine engine(prompt, PrinterInfo::BuiltInPdf(dir.filePath(QStringLiteral("b.pdf"))), 96);
    PageStrRecords records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};
    GiveStartingLayout(records.PageTitle, StartingLayout::PageTitle);
    GiveStartingLayout(records.SubTitle, StartingLayout::SubTitle);
    SheetSettings settings;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    settings.ExamType = true;
    settings.fTextbook = worked;
    settings.fWorked = worked;
    const SheetProblems problems = Divisions();
    int pages = 0;
    for (auto _ : state) {
        const SheetDocument document = SheetPipeline(engine).Compose(problems, settings, records, mode);
        for (const QStringList& page : document.Pages) {
            if (!render)
                break;
            engine.ListbyProgram = page;
            engine.DrawGraphics();
        }
        pages = document.PageCount();
    }
    state.counters["pages"] = pages;
}

void ClassicColumnFormAnswerSheet(benchmark::State& state)
{
    ComposeAndRender(state, false);
}
BENCHMARK(ClassicColumnFormAnswerSheet)->Unit(benchmark::kMillisecond);

// The classic column form's problem sheet: the divisor, ")" and the bar.
void ClassicColumnFormProblemSheet(benchmark::State& state)
{
    ComposeAndRender(state, false, true, ProblemSheet);
}
BENCHMARK(ClassicColumnFormProblemSheet)->Unit(benchmark::kMillisecond);

void WorkedTextbookAnswerSheet(benchmark::State& state)
{
    ComposeAndRender(state, true);
}
BENCHMARK(WorkedTextbookAnswerSheet)->Unit(benchmark::kMillisecond);

// The composing alone, to tell its share from the rendering's.
void ClassicComposeOnly(benchmark::State& state)
{
    ComposeAndRender(state, false, false);
}
BENCHMARK(ClassicComposeOnly)->Unit(benchmark::kMillisecond);

void WorkedComposeOnly(benchmark::State& state)
{
    ComposeAndRender(state, true, false);
}
BENCHMARK(WorkedComposeOnly)->Unit(benchmark::kMillisecond);

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
