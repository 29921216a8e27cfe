#include "generation/TestModeSettings.h"

#include "generation/Decimal.h"
#include "generation/NumberText.h"

#include <utility>

namespace {

struct BoundTexts {
    std::string Integer;
    std::string Digits;
    Decimal Value;  // what the two texts denote
};

// One random bound: 0..1000 plus 0..9999 ten-thousandths, negative one time
// in ten; its decimal digits are cut to 0..4 characters.
BoundTexts DrawBound(RandomSource& random)
{
    Decimal value{static_cast<Int128>(random.UniformInt(1001)) * 10000
                      + static_cast<Int128>(random.UniformInt(10000)),
                  4};
    if (random.UniformInt(1000) < 100)
        value = value.Negated();
    Decimal whole = value.TruncatedTo(0);
    Decimal fraction = (value - whole).Abs();
    BoundTexts bound;
    bound.Integer = FormatGeneral(whole);  // −0.5 loses its sign: "0"
    if (!fraction.IsZero())
        bound.Digits = FormatGeneral(fraction).substr(2);  // the digits after "0."
    bound.Digits = bound.Digits.substr(0, random.UniformInt(5));
    std::string joined = bound.Integer + "." + bound.Digits;
    bound.Value = ParseDecimal(joined).value_or(Decimal{});
    return bound;
}

}  // namespace

TestSettingsDraw DrawTestSettings(RandomSource& random, int operation)
{
    TestSettingsDraw draw;
    BoundTexts bounds[4];
    for (BoundTexts& bound : bounds)
        bound = DrawBound(random);
    for (int operand = 0; operand < 2; ++operand) {
        BoundTexts& min = bounds[2 * operand];
        BoundTexts& max = bounds[2 * operand + 1];
        if (min.Value > max.Value)
            std::swap(min, max);
        int edit = operand == 0 ? EdtMin1 : EdtMin2;
        draw.Ranges[edit] = min.Integer;
        draw.Ranges[edit + 1] = min.Digits;
        draw.Ranges[edit + 2] = max.Integer;
        draw.Ranges[edit + 3] = max.Digits;
    }
    if (operation == OpMul || operation == OpDiv) {
        draw.ChangesRound = true;
        draw.nRound = static_cast<int>(random.UniformRange(1, 6));
    }
    if (operation == OpDiv) {
        draw.ChangesDivOption = true;
        static const TestDivOption options[] = {TestDivOption::Just, TestDivOption::Rest,
                                                TestDivOption::None};
        draw.DivOption = options[random.UniformInt(3)];
    }
    return draw;
}

void ApplyTestSettings(const TestSettingsDraw& draw, ExamSettings& settings)
{
    settings.Ranges = draw.Ranges;
    if (draw.ChangesRound)
        settings.nRound = draw.nRound;
    if (draw.ChangesDivOption) {
        settings.fJust = draw.DivOption == TestDivOption::Just;
        settings.fRest = draw.DivOption == TestDivOption::Rest;
    }
}
