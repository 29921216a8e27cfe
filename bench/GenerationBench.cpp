// Timing of whole generation runs: 20 problems of each operation, and the
// runs that end by exhausting their attempts or their restarts.
#include "generation/ProblemMaker.h"
#include "generation/RunFixture.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

// Answers every loop over with Yes and shows nothing.
class SilentHost : public GenHost {
public:
    void SetStatusText(int, const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void ShowMessage(const std::string&) override {}
};

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

ExamSettings SimpleQuotients()
{
    ExamSettings settings = TwentyProblems(OpDiv);
    settings.fJust = true;
    SetRange(settings, 0, "1", "", "100", "");
    SetRange(settings, 1, "1", "5", "9", "5");
    return settings;
}

void BM_DivisionSimpleQuotient(benchmark::State& state)
{
    RunRepeatedly(state, SimpleQuotients());
}

// The processor time of this thread in seconds: unlike the wall clock, not
// stretched by other programs on a busy machine.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Addition, simple quotients and exact simple quotients in turn within one
// loop, so that the load of the machine weighs on all three alike; the
// counters are microseconds of processor time per problem and the ratios to
// addition.
void BM_SimpleQuotientAgainstAddition(benchmark::State& state)
{
    ExamSettings exact = SimpleQuotients();
    exact.fJustExact = true;
    const ExamSettings settings[] = {TwentyProblems(OpAdd), SimpleQuotients(), exact};
    ProblemMaker maker(1);
    SilentHost host;
    double seconds[3] = {};
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const double start = ThreadSeconds();
            RunResult result = maker.MakeProblems(settings[i], host);
            benchmark::DoNotOptimize(result);
            seconds[i] += ThreadSeconds() - start;
        }
    }
    const double problems = 20.0 * static_cast<double>(state.iterations());
    state.counters["add_us"] = seconds[0] / problems * 1e6;
    state.counters["just_us"] = seconds[1] / problems * 1e6;
    state.counters["exact_us"] = seconds[2] / problems * 1e6;
    state.counters["just_x_add"] = seconds[1] / seconds[0];
    state.counters["exact_x_add"] = seconds[2] / seconds[0];
}

// The worst setting the window accepts: dividends piled on 1.00 (whole,
// and redrawn for their last 0) whose quotients all round to 0. It ends
// when the run's work budget is spent, in 「条件が合いません(結果が０)」.
void BM_WorstAcceptedSetting(benchmark::State& state)
{
    const ExamSettings settings = WorstAcceptedSetting();
    ProblemMaker maker;
    SilentHost host;
    for (auto _ : state) {
        RunResult result = maker.MakeProblems(settings, host, 1001);
        benchmark::DoNotOptimize(result);
    }
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
BENCHMARK(BM_SimpleQuotientAgainstAddition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstAcceptedSetting)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DivisionRestartBound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdditionWideD);

BENCHMARK_MAIN();
