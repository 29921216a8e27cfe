#pragma once
// Which made problems a sheet keeps, so that it exercises its unit: no
// problem twice (for + and × not with the operands swapped either), every
// division showing what the unit teaches (a remainder left, a quotient that
// needs rounding, a zero brought down past the dividend), and no answer
// more than twice. Each test is an option of the problem settings; with all
// three off every problem is kept. The filter remembers the problems kept
// so far in one run.
#include "generation/ExamSettings.h"
#include <map>
#include <set>
#include <string>
#include <utility>

// Why a made problem is not kept (the reason codes go on from AttemptCode's).
enum FilterCode : int {
    CodeRepeated = 6,    // 「同じ問題」
    CodeNoRemainder = 7, // 「あまりのない問題」
    CodeNoRounding = 8,  // 「四捨五入のいらない問題」
    CodeNoCarryOn = 9,   // 「わり進みのない問題」
    CodeSameAnswer = 10, // 「同じ答え」
};

class ProblemFilter {
public:
    explicit ProblemFilter(const ExamSettings& settings) : Settings(settings) {}

    // 0 when the problem q1 ∘ q2 = answer may join the sheet, else its FilterCode.
    int Check(const std::string& q1, const std::string& q2, const std::string& answer) const;
    // The problem joins the sheet.
    void Keep(const std::string& q1, const std::string& q2, const std::string& answer);

    static constexpr int kMostSameAnswers = 2;

private:
    std::pair<std::string, std::string> Key(const std::string& q1, const std::string& q2) const;
    int UnitCode(const std::string& q1, const std::string& q2) const;

    const ExamSettings& Settings;
    std::set<std::pair<std::string, std::string>> Problems;
    std::map<std::string, int> Answers;
};
