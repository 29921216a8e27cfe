#include "generation/GenerationRun.h"

#include "generation/Decimal.h"
#include "generation/NumberText.h"

#include <algorithm>
#include <climits>

std::string LoopOverReason(int code)
{
    switch (code) {
    case CodeNotPositive: return "数が０以下";
    case CodeNegative: return "数が負";
    case CodeZeroDivisor: return "０では割れません";
    case CodeNoSimpleQuotient: return "その他の結果";
    case CodeWholeOnly: return "整数だけの数";
    case CodeRepeated: return "同じ問題";
    case CodeNoRemainder: return "あまりのない問題";
    case CodeNoRounding: return "四捨五入のいらない問題";
    case CodeNoCarryOn: return "わり進みのない問題";
    case CodeSameAnswer: return "同じ答え";
    default: return "";
    }
}

int SignCode(std::int32_t nMinus, std::int64_t result)
{
    // A sign mode outside 0..2 (a hand-edited settings file) is taken as 0,
    // the mode whose menu item the window shows checked for it.
    if (nMinus == 2)
        return CodeOk;
    if (nMinus == 1)
        return result < 0 ? CodeNegative : CodeOk;
    return result <= 0 ? CodeNotPositive : CodeOk;
}

std::int64_t ScaleOf(int digits)
{
    return static_cast<std::int64_t>(Pow10(digits));
}

namespace {

// How many units pass between looks at the clock and at a cancel (well
// under 0.1 ms of work), and the time between two progress reports.
constexpr std::int64_t kLookEvery = 4096;
constexpr auto kReportEvery = std::chrono::milliseconds(20);

}  // namespace

GenerationRun::GenerationRun(const ExamSettings& settings, const RunRanges& ranges,
                             RandomSource& random, GenHost& host, std::int64_t workBudget)
    : Settings(settings), Ranges(ranges), Random(random), Host(host),
      Draws{OperandDraw(ranges.Operand[0].MinV, ranges.Operand[0].MaxV, settings.rnd_D),
            OperandDraw(ranges.Operand[1].MinV, ranges.Operand[1].MaxV, settings.rnd_D)},
      Counter1(ranges.Operand[0].MinV, ranges.Operand[0].MaxV),
      Counter2(ranges.Operand[1].MinV, ranges.Operand[1].MaxV), Filter(settings),
      Budget(workBudget), NextLook(kLookEvery), LastReport(std::chrono::steady_clock::now())
{
    Progress.Problems = ProblemCount();
}

int GenerationRun::ProblemCount() const
{
    std::int64_t count = static_cast<std::int64_t>(Settings.ExamRowN) * Settings.ExamColN;
    return count > 0 ? static_cast<int>(std::min<std::int64_t>(count, INT_MAX)) : 0;
}

std::int64_t GenerationRun::DrawOperand(int operand)
{
    const OperandRange& range = Ranges.Operand[operand];
    bool random = operand == 0 ? Settings.CBox1 : Settings.CBox2;
    if (!random)
        return operand == 0 ? Counter1.Value() : Counter2.Value();
    const OperandDraw& draw = Draws[operand];
    const int units = draw.IsBell() ? kBellDrawUnits : kUniformDrawUnits;
    std::int64_t value = draw(Random);
    Spent += units;
    // fFullDec: a last decimal digit 0 would vanish from the text (3.50
    // reads «3.5»), so such a value is drawn again. A range whose every
    // value ends in 0 keeps the last draw instead of looping.
    if (Settings.fFullDec && range.FrcWo > 0)
        for (int i = 0; i < kFullDecDraws && value % 10 == 0; ++i) {
            value = draw(Random);
            Spent += units;
        }
    return value;
}

int GenerationRun::WholeOnlyCode(const Decimal& left, const Decimal& right, bool resultWhole) const
{
    if (!Settings.fDecOnly)
        return CodeOk;
    const bool leftWhole = IsWhole(left);
    const bool rightWhole = IsWhole(right);
    if ((leftWhole && Ranges.Operand[0].FrcWo > 0) || (rightWhole && Ranges.Operand[1].FrcWo > 0))
        return CodeWholeOnly;
    return leftWhole && rightWhole && resultWhole ? CodeWholeOnly : CodeOk;
}

void GenerationRun::AdvanceCounters()
{
    Counter1.Advance();
    Counter2.Advance();
}

bool GenerationRun::FinishAttempts(int code)
{
    if (fCancelled)
        return false;
    if (Host.IsTestMode()) {
        Host.SetTestCounter(FormatCounter(Host.TestLoop()));
        Host.ProcessEvents();
    }
    if (code == CodeOk)
        return true;
    Host.SetStatusText(1, "Loop over(" + LoopOverReason(code) + ")");
    Host.ProcessEvents();
    if (Host.IsTestMode()) {
        Host.StopTimer();
        return false;
    }
    // One Yes stands for the rest of the run: answer-test rejections may
    // bring up hundreds of loop overs, and the user has already decided.
    if (!LoopOverAccepted)
        LoopOverAccepted = Host.Confirm("最大値や最小値の条件は合っていますか?");
    return LoopOverAccepted;
}

Offered GenerationRun::Offer(const std::string& q1, const std::string& q2, const std::string& answer)
{
    if (const int code = Filter.Check(q1, q2, answer); code != CodeOk) {
        if (++Refused < kMaxFiltered)
            return Offered::Again;
        if (!FinishAttempts(code))
            return Offered::Abandoned;
    }
    Refused = 0;
    Filter.Keep(q1, q2, answer);
    Append(q1, q2, answer);
    return Offered::Kept;
}

void GenerationRun::Append(const std::string& q1, const std::string& q2, const std::string& answer)
{
    Lists.Lines1.push_back(q1);
    Lists.Lines2.push_back(q2);
    Lists.Lines3.push_back(answer);
}

void GenerationRun::AtProblem(int problem)
{
    Progress.Problem = problem + 1;
    Progress.Restart = 0;
}

void GenerationRun::AtRestart(int restarts)
{
    Progress.Restart = restarts;
}

bool GenerationRun::KeepDrawing()
{
    Spent += kAttemptUnits;
    if (Spent >= NextLook)
        Pulse();
    return !fCancelled && Spent < Budget;
}

void GenerationRun::Pulse()
{
    NextLook = Spent + kLookEvery;
    const auto now = std::chrono::steady_clock::now();
    if (now - LastReport >= kReportEvery) {
        LastReport = now;
        Host.Working(Progress);
        Host.ProcessEvents();
    }
    fCancelled = fCancelled || Host.CancelRequested();
}
