// A class set against the same sheets made one pair at a time: 40 division
// sheets, each with its answer sheet, composed and written as PDF. The set
// writes one file of 80 pages, the pairs 40 files of 2 pages; both on one
// engine, so the difference is what a set adds per sheet (it should add
// nothing: no fonts or printers set up again for each sheet).
#include "support/ScriptedGenHost.h"
#include "support/ScriptedPrompts.h"
#include "generation/ExamSettings.h"
#include "generation/ProblemMaker.h"
#include "generation/SheetCode.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/ClassSet.h"
#include "sheet/PageOutput.h"
#include "sheet/SetProgress.h"
#include "sheet/StartingLayout.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSheets = 40;

struct Fixture {
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("p.pdf"))), 96};
    ScriptedGenHost Host;
    ProblemMaker Maker{1};
    ExamSettings Exam;
    SheetSettings Settings;
    PageStrRecords Records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};

    Fixture()
    {
        Exam.Operation = OpDiv;
        GiveStartingLayout(Records.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(Records.SubTitle, StartingLayout::SubTitle);
    }

    std::optional<SheetProblems> Problems(std::uint64_t seed)
    {
        const RunResult run = Maker.MakeProblems(Exam, Host, seed);
        if (!run.Completed())
            return std::nullopt;
        return ProblemsOf(run, Settings);
    }
};

void BM_ClassSetOf40(benchmark::State& state)
{
    Fixture f;
    SheetPipeline pipeline(f.Engine);
    SilentProgress progress;
    for (auto _ : state) {
        const auto pages = ClassSet(pipeline, progress).Make(
            SetRequest{kSheets, {}, SetOrder::Pairs, 5},
            [&](std::uint64_t seed) { return f.Problems(seed); }, f.Settings, f.Records);
        QString error;
        if (!pages || !SavePdfPages(f.Engine, *pages, f.Dir.filePath("set.pdf"), progress, error))
            state.SkipWithError("the set failed");
    }
}
BENCHMARK(BM_ClassSetOf40)->Unit(benchmark::kMillisecond);

void BM_FortySinglePairs(benchmark::State& state)
{
    Fixture f;
    SheetPipeline pipeline(f.Engine);
    for (auto _ : state) {
        for (int k = 0; k < kSheets; ++k) {
            const auto problems = f.Problems(DerivedSeed(5, std::uint64_t(k)));
            QList<QStringList> pages =
                pipeline.Compose(*problems, f.Settings, f.Records, ProblemSheet).Pages;
            pages << pipeline.Compose(*problems, f.Settings, f.Records, AnswerSheet).Pages;
            QString error;
            if (!SavePages(f.Engine, pages, f.Dir.filePath("pair.pdf"), error))
                state.SkipWithError("a pair failed");
        }
    }
}
BENCHMARK(BM_FortySinglePairs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
