// Range texts and number texts, and the real forms of settings and command lines. The input is cut into the eight range texts
// and the edit being left: the range check and the preparation of a run must
// take whatever stands in the edits. Each text is also read as a number text
// and written back in the general and the fixed form, and the first two are
// worked as a problem of every operation with and without its mistakes.
#include "FuzzSupport.h"
#include "generation/Mistakes.h"
#include "generation/NumberText.h"
#include "generation/RangeCheck.h"
#include "generation/RunPreparation.h"
#include "common/RealText.h"
#include "prevform/CommandSplit.h"
#include <cmath>
#include <cstring>

namespace {

// A double from the input's bytes, written in the forms of the settings file
// and the command lines: each must read back.
void CheckRealForms(const uint8_t* data, size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    const QString ini = FormatRoundTripReal(value);
    const std::optional<double> back = ReadSettingsReal(ini);
    if (!back || !(*back == value || (std::isnan(value) && std::isnan(*back))))
        FuzzFailure("settings real did not read back", ini);
    if (!std::isfinite(value))
        return;
    const QString line = FormatFixedReal(value);
    const std::optional<double> number = CommandNumber(line);
    if (!number || std::abs(*number - value) > std::abs(value) * 1e-14)
        FuzzFailure("command-line number did not read back", line);
    if (!CommandNumber(FormatGeneralReal(value)))
        FuzzFailure("pen width form is no number", FormatGeneralReal(value));
}

// The mistake models take any texts as a problem; a wrong answer they list
// is never the right one.
void CheckMistakes(const std::string& a, const std::string& b, uint8_t options)
{
    ExamSettings settings;
    settings.fRest = options & 1;
    settings.fJust = !settings.fRest && (options & 2);
    settings.fRoundSig = options & 4;
    settings.fDelZero = options & 8;
    settings.fRound = settings.fYaku = options & 16;
    settings.nRound = 1 + options / 32;
    for (int op = OpAdd; op <= OpDiv; ++op) {
        const ListedProblem problem{a, b, CalcOpOf(op)};
        const std::optional<Working> right = RightWorking(problem, settings);
        for (const WrongAnswer& wrong : WrongAnswers(problem, settings))
            if (!right || wrong.Answer == right->Answer)
                FuzzFailure("a mistake listed without a right answer to differ from",
                            QString::fromStdString(a + " " + b + " " + wrong.Answer));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CheckRealForms(data, size);
    const int edit = data[0] % RangeEditCount;
    const int places = (data[0] >> 3) % 11;
    const std::vector<QByteArray> parts = SplitInput(data + 1, size - 1, RangeEditCount);
    RangeTexts texts = ExamSettings::DefaultRanges();
    for (size_t i = 0; i < parts.size(); ++i)
        texts[i] = parts[i].toStdString();
    CheckRange(texts, edit);
    PrepareRun(texts);
    CheckMistakes(texts[0], texts[1], data[size - 1]);

    for (const std::string& text : texts) {
        const QString qtext = QString::fromStdString(text);
        for (const std::optional<double> real : {ReadReal(qtext), ReadRealSaturated(qtext)})
            if (real && !std::isfinite(*real))
                FuzzFailure("a number text read as no finite value", qtext);
        const std::optional<Decimal> value = ParseDecimal(text);
        // Number texts of this program have at most a few decimals; a scale
        // beyond 18 is outside what the formats are asked to write.
        if (!value || value->Scale > 18 || value->Mantissa > Pow10(18) || value->Mantissa < -Pow10(18))
            continue;
        const std::string general = FormatGeneral(*value);
        DelZero(FormatFixed(*value, places));
        if (general.size() > 24)
            FuzzFailure("general form too long", QString::fromStdString(general));
    }
    return 0;
}
