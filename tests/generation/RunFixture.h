#pragma once
// Helpers for generator tests: settings with fixed ranges and a seeded run
// through a scripted host.
#include "generation/ProblemMaker.h"
#include "support/ScriptedGenHost.h"

#include <string>

// Ranges "minInt.minDec .. maxInt.maxDec" for one operand (0 or 1).
inline void SetRange(ExamSettings& settings, int operand, const std::string& minInt,
                     const std::string& minDec, const std::string& maxInt,
                     const std::string& maxDec)
{
    int edit = operand == 0 ? EdtMin1 : EdtMin2;
    settings.Ranges[edit] = minInt;
    settings.Ranges[edit + 1] = minDec;
    settings.Ranges[edit + 2] = maxInt;
    settings.Ranges[edit + 3] = maxDec;
}

// One fixed pair, both operands in sequence: every problem is x ∘ y.
inline ExamSettings FixedPair(int operation, const std::string& xInt, const std::string& xDec,
                              const std::string& yInt, const std::string& yDec, int problems = 1)
{
    ExamSettings settings;
    settings.Operation = operation;
    settings.ExamRowN = problems;
    settings.ExamColN = 1;
    SetRange(settings, 0, xInt, xDec, xInt, xDec);
    SetRange(settings, 1, yInt, yDec, yInt, yDec);
    settings.CBox1 = settings.CBox2 = false;
    return settings;
}

// The worst setting the window accepts: dividends 1.00..9.99 piled on 1.00
// (whole, and redrawn for its last 0) over divisors 900..1000, whose
// quotients all round to 0. Every problem exhausts its attempts and, kept,
// is rejected, until the run's work budget is spent.
inline ExamSettings WorstAcceptedSetting()
{
    ExamSettings settings;
    settings.Operation = OpDiv;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    SetRange(settings, 0, "1", "00", "9", "99");
    SetRange(settings, 1, "900", "", "1000", "");
    settings.rnd_D = 4100;
    settings.nRound = 1;
    settings.fDecOnly = settings.fFullDec = true;
    return settings;
}

inline RunResult MakeRun(const ExamSettings& settings, ScriptedGenHost& host, std::uint64_t seed = 2024)
{
    ProblemMaker maker(seed);
    return maker.MakeProblems(settings, host);
}

// "q1 | q2 | answer" of problem i.
inline std::string Line(const RunResult& result, size_t i = 0)
{
    if (i >= result.Lines3.size())
        return "<none>";
    return result.Lines1[i] + " | " + result.Lines2[i] + " | " + result.Lines3[i];
}
