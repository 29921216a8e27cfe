// Compose and render, side by side: a 20-problem division answer sheet and
// problem sheet in the classic column form, and the same problems as a
// worked answer sheet in the textbook column form (every step of every
// division, on as many pages as it takes). The problems come from the
// generator (division with remainders, 10 × 2, a fixed seed); the sheet
// settings are the window's defaults with the column form on, and textbook
// and worked on for the worked sheet. All through the sheet pipeline onto
// the 1:1 page image; the compose-only pair shows the composer's share.
//
// Each benchmark composes and renders once before it is timed, so loading
// fonts is not counted. Under callgrind the counts are zeroed after that
// run and dumped after the timed loop: divide by the iterations printed.
#include "support/ScriptedPrompts.h"
#include "generation/ProblemMaker.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/ClassSet.h"
#include "sheet/SheetPipeline.h"
#include "sheet/StartingLayout.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS
#endif

namespace {

class SilentHost : public GenHost {
public:
    void SetStatusText(int, const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void ShowMessage(const std::string&) override {}
};

// Twenty divisions with remainders, as the generator makes them.
const SheetProblems& Divisions()
{
    static const SheetProblems problems = [] {
        ExamSettings exam;
        exam.Operation = OpDiv;
        exam.fRest = true;
        exam.ExamRowN = 10;
        exam.ExamColN = 2;
        SilentHost host;
        const RunResult run = ProblemMaker(1).MakeProblems(exam, host, 17);
        SheetSettings sheet;
        sheet.fTextbook = true;
        return ProblemsOf(run, sheet);
    }();
    return problems;
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
    const SheetProblems& problems = Divisions();
    const auto once = [&] {
        const SheetDocument document = SheetPipeline(engine).Compose(problems, settings, records, mode);
        for (const QStringList& page : document.Pages) {
            if (!render)
                break;
            engine.ListbyProgram = page;
            engine.DrawGraphics();
        }
        return document.PageCount();
    };
    const int pages = once();
    CALLGRIND_ZERO_STATS;
    for (auto _ : state)
        once();
    CALLGRIND_DUMP_STATS;
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
