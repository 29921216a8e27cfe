#pragma once
// Runs one generation: prepares the ranges, calls the generator of the
// operation and hands back the three problem lists. The caller copies the
// lists into its memos only when the run completed; an abandoned run leaves
// them untouched. Owns the random source, so seed it once at start-up.
#include "generation/ExamSettings.h"
#include "generation/GenHost.h"
#include "generation/RandomSource.h"
#include <cstdint>
#include <string>
#include <vector>

enum class RunOutcome {
    Completed,  // all problems made; the lists hold one line per problem
    Abandoned,  // the user or the checks gave up; lists are to be ignored
    Cancelled,  // the host asked the run to stop; lists are to be ignored
    NotRun      // another run was still in progress, or the ranges were unusable
};

struct RunResult {
    RunOutcome Outcome = RunOutcome::NotRun;
    std::vector<std::string> Lines1;  // left operands
    std::vector<std::string> Lines2;  // right operands
    std::vector<std::string> Lines3;  // answers
    // The settings the run was made with, so that its sheets are worked
    // and worded by them, whatever the settings are by then.
    ExamSettings Settings = {};
    // The units of work the run did (see kRunWorkBudget).
    std::int64_t Work = 0;

    bool Completed() const { return Outcome == RunOutcome::Completed; }
    bool Cancelled() const { return Outcome == RunOutcome::Cancelled; }
};

class ProblemMaker {
public:
    explicit ProblemMaker(std::optional<std::uint64_t> seed = std::nullopt);

    // One run for settings.Operation. A call made while a run is in progress
    // (the host's ProcessEvents re-entering) returns NotRun at once.
    RunResult MakeProblems(const ExamSettings& settings, GenHost& host);
    // The same run with the random source seeded from seed first: the same
    // settings and seed give the same problems wherever they run.
    RunResult MakeProblems(const ExamSettings& settings, GenHost& host, std::uint64_t seed);

    bool IsRunning() const { return Running; }
    // The work a run may do; kRunWorkBudget unless a test makes it smaller.
    void SetWorkBudget(std::int64_t units) { WorkBudget = units; }
    RandomSource& Source() { return Random; }

private:
    RandomSource Random;
    bool Running = false;
    std::int64_t WorkBudget;
};
