#include "generation/InstructionText.h"

#include "generation/RoundPlace.h"

namespace {

// "上から2けた" or "1/10の位", what the rounding place N asks for.
std::string Target(const ExamSettings& settings)
{
    if (settings.fRoundSig)
        return "上から" + std::to_string(KeptDecimals(settings.nRound) + 1) + "けた";
    return PlaceName(settings.nRound);
}

std::string Rounded(const char* answer, const ExamSettings& settings)
{
    // A place reads 「1/10の位までの」, figures 「上から2けたの」.
    const std::string upTo = settings.fRoundSig ? "の" : "までの";
    return std::string(answer) + "は四捨五入して、" + Target(settings) + upTo + "がい数で求めましょう。";
}

}  // namespace

std::string PlaceName(std::int32_t nRound)
{
    const int decimals = KeptDecimals(nRound);
    if (decimals == 0)
        return "一の位";
    return "1/1" + std::string(decimals, '0') + "の位";
}

std::string InstructionText(const ExamSettings& settings, bool columnForm)
{
    if (settings.Operation == OpDiv) {
        if (settings.fRest)
            return "商は" + Target(settings) + "まで求めて、あまりも出しましょう。";
        if (settings.fJust)
            return "わりきれるまで計算しましょう。";
        return Rounded("商", settings);
    }
    if (settings.Operation == OpMul && settings.fRound)
        return Rounded("積", settings);
    return columnForm ? "筆算でしましょう。" : "";
}
