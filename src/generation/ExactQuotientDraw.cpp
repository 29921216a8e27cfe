#include "generation/ExactQuotientDraw.h"

#include "generation/AnswerRounding.h"
#include "generation/GenerationRun.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr int kFirstM = 2;
constexpr int kLastM = 120;

// The power of p (2 or 5) that divides n ≠ 0, at most limit.
int PowerIn(std::int64_t n, int p, int limit)
{
    int power = 0;
    while (power < limit && n % p == 0) {
        n /= p;
        ++power;
    }
    return power;
}

}  // namespace

ExactQuotientDraw::ExactQuotientDraw(const ExamSettings& settings, std::int64_t min1,
                                     std::int64_t max1, int places1, int places2)
    : Shift(places1 - (places2 + 1)), Factor(ScaleOf(Shift < 0 ? -Shift : Shift)),
      // y × q10 carries places2 + 1 decimals: compared there without dividing.
      Lo(Shift < 0 ? min1 * Factor : min1), Hi(Shift < 0 ? max1 * Factor : max1)
{
    for (int m = kFirstM; m <= kLastM; ++m) {
        const std::int64_t q10 = 600 / m;
        // The answer shows no decimal: a q with one would leave a remainder.
        if (q10 % 10 != 0 && TruncationPlaces(settings, Decimal{q10, 1}, Decimal{1, 0}) < 1)
            continue;
        Kept.push_back({q10, PowerIn(q10, 2, 5), PowerIn(q10, 5, 5)});
    }
}

std::optional<SimpleDividend> ExactQuotientDraw::Draw(RandomSource& random, std::int64_t y) const
{
    // y × q10 must be a multiple of 10^k to lose no decimal on operand 1's
    // scale: q10 supplies the powers of 2 and 5 that y lacks.
    const int k = Shift < 0 ? -Shift : 0;
    const std::int64_t magnitude = y < 0 ? -y : y;
    const int twos = y == 0 ? 0 : k - std::min(std::countr_zero(static_cast<std::uint64_t>(magnitude)), k);
    const int fives = y == 0 ? 0 : k - PowerIn(magnitude, 5, k);

    std::array<std::int64_t, kLastM - kFirstM + 1> fits;  // signed q10 of each fitting m
    size_t count = 0;
    for (const Quotient& q : Kept) {
        if (q.Twos < twos || q.Fives < fives)
            continue;
        const std::int64_t product = Shift < 0 ? y * q.Q10 : y * q.Q10 * Factor;
        if (product >= Lo && product <= Hi)
            fits[count++] = q.Q10;
        else if (-product >= Lo && -product <= Hi)
            fits[count++] = -q.Q10;
    }
    if (count == 0)
        return std::nullopt;
    const std::int64_t q10 = fits[random.UniformRange(0, static_cast<std::int64_t>(count) - 1)];
    const std::int64_t product = y * q10;
    return SimpleDividend{q10, Shift < 0 ? product / Factor : product * Factor};
}
