#include "generation/RunPreparation.h"

#include "generation/RangeCheck.h"

namespace {

OperandRange PrepareOperand(const RangeTexts& texts, int minEdit)
{
    std::string minInt = TrimBlanks(texts[minEdit]);
    std::string minDec = TrimBlanks(texts[minEdit + 1]);
    std::string maxInt = TrimBlanks(texts[minEdit + 2]);
    std::string maxDec = TrimBlanks(texts[minEdit + 3]);
    // Pad the shorter decimal part so both bounds count the same units.
    if (minDec.size() < maxDec.size())
        minDec.append(maxDec.size() - minDec.size(), '0');
    else
        maxDec.append(minDec.size() - maxDec.size(), '0');

    OperandRange range;
    range.FrcWo = static_cast<int>(minDec.size());
    range.MinV = ParseInt32(minInt + minDec).value_or(1);
    range.MaxV = ParseInt32(maxInt + maxDec).value_or(10);
    return range;
}

}  // namespace

RunRanges PrepareRun(const RangeTexts& texts)
{
    RunRanges run;
    run.Operand[0] = PrepareOperand(texts, EdtMin1);
    run.Operand[1] = PrepareOperand(texts, EdtMin2);
    return run;
}
