// Timing of whole generation runs: 20 problems of each operation, and the
// runs that end by exhausting their attempts or their restarts.
#include "generation/ProblemMaker.h"

#include <benchmark/benchmark.h>

namespace {

// Answers every loop over with Yes and shows nothing.
class SilentHost : public GenHost {
public:
    void SetStatusText(int, const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void ShowMessage(const std::string&) override {}
};

void SetRange(ExamSettings& settings, int operand, const char* minInt, const char* minDec,
              const char* maxInt, const char* maxDec)
{
    int edit = operand == 0 ? EdtMin1 : EdtMin2;
    settings.Ranges[edit] = minInt;
    settings.Ranges[edit + 1] = minDec;
    settings.Ranges[edit + 2] = maxInt;
    settings.Ranges[edit + 3] = maxDec;
}

ExamSettings TwentyProblems(int operation)
{
    ExamSettings settings;
    settings.Operation = operation;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    return settings;
}

void RunRepeatedly(benchmark::State& state, const ExamSettings& settings)
{
    ProblemMaker maker(1);
    SilentHost host;
    for (auto _ : state) {
        RunResult result = maker.MakeProblems(settings, host);
        benchmark::DoNotOptimize(result);
    }
}

void BM_Addition(benchmark::State& state)
{
    RunRepeatedly(state, TwentyProblems(OpAdd));
}

void BM_Subtraction(benchmark::State& state)
{
    RunRepeatedly(state, TwentyProblems(OpSub));
}

// Every problem exhausts its 20,001 attempts and is kept by a Yes.
void BM_SubtractionAllLoopOver(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpSub);
    SetRange(settings, 0, "1", "", "2", "");
    SetRange(settings, 1, "5", "", "6", "");
    RunRepeatedly(state, settings);
}

void BM_Multiplication(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpMul);
    settings.fRound = true;
    RunRepeatedly(state, settings);
}

void BM_DivisionWithRemainder(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpDiv);
    settings.fRest = true;
    settings.nRound = 3;
    RunRepeatedly(state, settings);
}

void BM_DivisionSimpleQuotient(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpDiv);
    settings.fJust = true;
    SetRange(settings, 0, "1", "", "100", "");
    SetRange(settings, 1, "1", "5", "9", "5");
    RunRepeatedly(state, settings);
}

// D = 1 on 999.9999..1000: a bell ten million units wide of which only two
// units are wanted, for both operands of every problem.
void BM_AdditionWideD(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpAdd);
    settings.rnd_D = 1;
    SetRange(settings, 0, "999", "9999", "1000", "0000");
    SetRange(settings, 1, "999", "9999", "1000", "0000");
    RunRepeatedly(state, settings);
}

// No quotient may be 0 but every one rounds to 0: ends at the restart bound.
void BM_DivisionRestartBound(benchmark::State& state)
{
    ExamSettings settings = TwentyProblems(OpDiv);
    settings.nRound = 1;
    SetRange(settings, 0, "1", "", "2", "");
    SetRange(settings, 1, "50", "", "90", "");
    RunRepeatedly(state, settings);
}

}  // namespace

BENCHMARK(BM_Addition);
BENCHMARK(BM_Subtraction);
BENCHMARK(BM_SubtractionAllLoopOver)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Multiplication);
BENCHMARK(BM_DivisionWithRemainder);
BENCHMARK(BM_DivisionSimpleQuotient);
BENCHMARK(BM_DivisionRestartBound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdditionWideD);

BENCHMARK_MAIN();
