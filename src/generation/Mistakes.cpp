#include "generation/Mistakes.h"

#include "generation/MistakeModels.h"

#include <algorithm>
#include <array>

namespace {

constexpr unsigned Bit(CalcOp op)
{
    return 1u << static_cast<unsigned>(op);
}

struct Row {
    MistakeInfo Info;
    MistakeModel Model;
};

using enum Mistake;

// In the order of the enumeration: a mistake is its row's index.
constexpr std::array<Row, 11> kRows = {{
    {{AddRight, "add-right", "右はしをそろえた", Bit(CalcOp::Add), MistakeNeeds::Nothing},
     AddRightModel},
    {{SubHiddenZero, "sub-hidden-zero", "空いている位を0と考えなかった", Bit(CalcOp::Sub),
      MistakeNeeds::Nothing},
     SubHiddenZeroModel},
    {{MulPoint, "mul-point", "積の小数点の位置", Bit(CalcOp::Mul), MistakeNeeds::Nothing},
     MulPointModel},
    {{DivDividendPoint, "div-dividend-point", "わられる数の小数点を移していない", Bit(CalcOp::Div),
      MistakeNeeds::Nothing},
     DivDividendPointModel},
    {{DivTooFewMoves, "div-too-few-moves", "わる数を整数にしきれていない", Bit(CalcOp::Div),
      MistakeNeeds::Nothing},
     DivTooFewMovesModel},
    {{DivQuotientPoint, "div-quotient-point", "商の小数点をもとの位置に打った", Bit(CalcOp::Div),
      MistakeNeeds::Nothing},
     DivQuotientPointModel},
    {{DivSkippedZero, "div-skipped-zero", "商に0を立てていない", Bit(CalcOp::Div),
      MistakeNeeds::Nothing},
     DivSkippedZeroModel},
    {{RemMovedPoint, "rem-moved-point", "あまりの小数点を移したあとの位置に打った", Bit(CalcOp::Div),
      MistakeNeeds::Remainder},
     RemMovedPointModel},
    {{RemNoPoint, "rem-no-point", "あまりに小数点を打っていない", Bit(CalcOp::Div),
      MistakeNeeds::Remainder},
     RemNoPointModel},
    {{RoundPlace, "round-place", "四捨五入する位をまちがえた", Bit(CalcOp::Mul) | Bit(CalcOp::Div),
      MistakeNeeds::Rounding},
     RoundPlaceModel},
    {{DivNoPoint, "div-no-point", "商に小数点を打っていない", Bit(CalcOp::Div), MistakeNeeds::Nothing},
     DivNoPointModel},
}};

static_assert([] {
    for (size_t i = 0; i < kRows.size(); ++i)
        if (kRows[i].Info.Id != static_cast<Mistake>(i))
            return false;
    return true;
}());

const Row& RowOf(Mistake id)
{
    return kRows[static_cast<size_t>(id)];
}

// The table's infos, for callers that list them.
constexpr std::array<MistakeInfo, kRows.size()> kInfos = [] {
    std::array<MistakeInfo, kRows.size()> infos{};
    for (size_t i = 0; i < kRows.size(); ++i)
        infos[i] = kRows[i].Info;
    return infos;
}();

}  // namespace

std::span<const MistakeInfo> MistakeTable()
{
    return kInfos;
}

const MistakeInfo& InfoOf(Mistake id)
{
    return RowOf(id).Info;
}

std::optional<Mistake> MistakeOfKey(std::string_view key)
{
    for (const MistakeInfo& info : kInfos)
        if (info.Key == key)
            return info.Id;
    return std::nullopt;
}

bool MistakeApplies(Mistake id, CalcOp op, const ExamSettings& settings)
{
    const MistakeInfo& info = InfoOf(id);
    if ((info.Ops & Bit(op)) == 0)
        return false;
    switch (info.Needs) {
    case MistakeNeeds::Nothing:
        return true;
    case MistakeNeeds::Remainder:
        return settings.fRest;
    case MistakeNeeds::Rounding:
        // A division is rounded unless it keeps a remainder or comes out even.
        return op == CalcOp::Div ? !settings.fRest && !settings.fJust : settings.fRound;
    }
    return false;
}

std::optional<Working> MistakenWorking(Mistake id, const ListedProblem& problem,
                                       const ExamSettings& settings, const Working& right)
{
    if (!MistakeApplies(id, problem.Op, settings))
        return std::nullopt;
    std::optional<Working> wrong = RowOf(id).Model(problem, settings, right);
    if (wrong && wrong->Answer == right.Answer)
        return std::nullopt;  // the slip changes nothing a teacher could see
    return wrong;
}

std::optional<Working> MistakenWorking(Mistake id, const ListedProblem& problem,
                                       const ExamSettings& settings)
{
    const std::optional<Working> right = RightWorking(problem, settings);
    if (!right)
        return std::nullopt;
    return MistakenWorking(id, problem, settings, *right);
}

std::vector<WrongAnswer> WrongAnswers(const ListedProblem& problem, const ExamSettings& settings)
{
    std::vector<WrongAnswer> answers;
    const std::optional<Working> right = RightWorking(problem, settings);
    if (!right)
        return answers;
    for (const MistakeInfo& info : kInfos) {
        const std::optional<Working> wrong = MistakenWorking(info.Id, problem, settings, *right);
        if (!wrong)
            continue;
        auto same = std::find_if(answers.begin(), answers.end(),
                                 [&](const WrongAnswer& a) { return a.Answer == wrong->Answer; });
        if (same == answers.end()) {
            answers.push_back({wrong->Answer, {info.Id}, std::string(info.Label)});
        } else {
            same->Mistakes.push_back(info.Id);
            same->Label += kLabelSeparator;
            same->Label += info.Label;
        }
    }
    return answers;
}
