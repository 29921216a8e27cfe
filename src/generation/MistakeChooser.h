#pragma once
// Which mistake each problem of a まちがいさがし sheet shows. Every problem
// gets one mistake that changes its answer, where it has any; as many
// different mistakes as the problems allow are used (a matching of problems
// to mistakes), and the problems left over take the mistakes used least.
// The same problems, settings and seed always give the same choice.
#include "generation/Mistakes.h"
#include <cstdint>
#include <optional>
#include <vector>

// One entry per problem: its mistake, or none when no mistake of the table
// changes its answer (or its texts make no working).
std::vector<std::optional<Mistake>> ChooseMistakes(const std::vector<ListedProblem>& problems,
                                                   const ExamSettings& settings, std::uint64_t seed);
