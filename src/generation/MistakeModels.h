#pragma once
// The models behind the table of mistakes: each takes the problem, the
// answer settings and the right working, and gives the working with its one
// rule broken, or none when the problem leaves that rule nothing to do.
// The table (Mistakes.cpp) decides where a model is asked at all and drops
// a model's answer that comes out right.
#include "generation/ProblemWorking.h"

using MistakeModel = std::optional<Working> (*)(const ListedProblem& problem,
                                                const ExamSettings& settings, const Working& right);

std::optional<Working> AddRightModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> SubHiddenZeroModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> MulPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> DivDividendPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> DivTooFewMovesModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> DivQuotientPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> DivSkippedZeroModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> RemMovedPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> RemNoPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> DivNoPointModel(const ListedProblem&, const ExamSettings&, const Working&);
std::optional<Working> RoundPlaceModel(const ListedProblem&, const ExamSettings&, const Working&);
