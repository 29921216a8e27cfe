#include "generation/ProblemMaker.h"

#include "generation/GenerationRun.h"
#include "generation/Generators.h"

namespace {

// Clears the running flag however the run ends.
class RunningGuard {
public:
    explicit RunningGuard(bool& flag) : Flag(flag) { Flag = true; }
    ~RunningGuard() { Flag = false; }

private:
    bool& Flag;
};

// Ranges the generators cannot work with (only reachable when the texts
// did not pass the range check, e.g. from the command line).
std::string UnusableRanges(const RunRanges& ranges)
{
    for (const OperandRange& operand : ranges.Operand) {
        if (operand.FrcWo > 4)
            return "小数点以下は４桁以下を指定して下さい";
        if (operand.MinV > operand.MaxV)
            return "最小値は最大値以下でなければいけません";
    }
    return "";
}

}  // namespace

ProblemMaker::ProblemMaker(std::optional<std::uint64_t> seed) : Random(seed), WorkBudget(kRunWorkBudget)
{
}

RunResult ProblemMaker::MakeProblems(const ExamSettings& current, GenHost& host)
{
    if (Running)
        return {};
    RunningGuard guard(Running);
    // The host may change its settings while it processes events; the run
    // keeps the ones it started with.
    const ExamSettings settings = current;

    host.SetStatusText(1, "");
    const RunRanges ranges = PrepareRun(settings.Ranges);
    if (std::string problem = UnusableRanges(ranges); !problem.empty()) {
        host.ShowMessage(problem);
        return {};
    }
    GenerationRun run(settings, ranges, Random, host, WorkBudget);
    bool completed = false;
    switch (settings.Operation) {
    case OpAdd: completed = MakeAddSub(run, +1); break;
    case OpSub: completed = MakeAddSub(run, -1); break;
    case OpMul: completed = MakeMul(run); break;
    case OpDiv: completed = MakeDiv(run); break;
    default: return {};
    }
    if (!completed) {
        RunResult result{run.Cancelled() ? RunOutcome::Cancelled : RunOutcome::Abandoned, {}, {}, {}, settings};
        result.Work = run.WorkDone();
        return result;
    }
    RunResult result = std::move(run.Result());
    result.Outcome = RunOutcome::Completed;
    result.Settings = settings;
    result.Work = run.WorkDone();
    return result;
}

RunResult ProblemMaker::MakeProblems(const ExamSettings& settings, GenHost& host,
                                     std::uint64_t seed)
{
    if (Running)
        return {};  // the source of the run in progress stays as it is
    Random.Seed(seed);
    return MakeProblems(settings, host);
}
