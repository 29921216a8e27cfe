#include "generation/RandomSource.h"

#include "generation/NormalTail.h"

#include <algorithm>
#include <chrono>
#include <cmath>

RandomSource::RandomSource(std::optional<std::uint64_t> seed)
{
    Seed(seed.value_or(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count())));
}

void RandomSource::Seed(std::uint64_t seed)
{
    Engine.seed(seed);
    SpareNormal.reset();
}

std::uint64_t RandomSource::UniformInt(std::uint64_t n)
{
    if (n <= 1)
        return 0;
    // Reject the low values that would make some residues more frequent:
    // those below 2^64 mod n, which is below n, so that only a value below n
    // needs the division that finds it.
    for (;;) {
        std::uint64_t r = Engine();
        if (r >= n || r >= (0 - n) % n)
            return r % n;
    }
}

std::int64_t RandomSource::UniformRange(std::int64_t lo, std::int64_t hi)
{
    std::uint64_t width = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + UniformInt(width));
}

long double RandomSource::UnitOpen()
{
    // 63 random bits and a half, exactly representable in the 64-bit
    // mantissa, scaled into (0, 1): never touching either end.
    return (static_cast<long double>(Engine() >> 1) + 0.5L) / 9223372036854775808.0L;
}

double RandomSource::UnitOpenDouble()
{
    // 53 random bits and a half, exactly representable, strictly inside (0, 1).
    return (static_cast<double>(Engine() >> 11) + 0.5) / 9007199254740992.0;
}

long double RandomSource::Normal(long double mean, long double deviation)
{
    if (SpareNormal) {
        long double z = *SpareNormal;
        SpareNormal.reset();
        return mean + deviation * z;
    }
    // Marsaglia's polar method: two standard normal variates per accepted pair.
    long double u, v, s;
    do {
        u = 2 * UnitOpen() - 1;
        v = 2 * UnitOpen() - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);
    long double factor = std::sqrt(-2 * std::log(s) / s);
    SpareNormal = v * factor;
    return mean + deviation * u * factor;
}

long double RandomSource::NormalBetween(long double mean, long double deviation, long double lo,
                                        long double hi)
{
    const double u = UnitOpenDouble();
    const double side = UnitOpenDouble();
    const double z = StandardNormalBetween(static_cast<double>((lo - mean) / deviation),
                                           static_cast<double>((hi - mean) / deviation), u, side);
    return std::clamp(mean + deviation * z, lo, hi);
}

namespace {

// Draws are kept strictly inside ±kDrawLimit, so that every value fits the
// 32-bit result.
constexpr long double kDrawLimit = 2147483647.0L;

// x truncated toward zero, where x at an end of lo..hi (integers) stands for
// the reals just inside it: the end itself may be open, and rounding puts
// draws far out in a tail exactly on it.
long double TruncatedInside(long double x, long double lo, long double hi)
{
    if (x <= lo)
        return lo < 0 ? lo + 1 : lo;
    if (x >= hi)
        return hi > 0 ? hi - 1 : hi;
    return std::trunc(x);
}

}  // namespace

OperandDraw::OperandDraw(std::int32_t min, std::int32_t max, std::int32_t d) : Min(min), Max(max)
{
    if (min >= max)
        return;
    if (d == 0) {
        Kind = Shape::Uniform;
        return;
    }
    // Done in floating point so that D = −2147483648 needs no negation.
    Mean = d > 0 ? min : max;
    Deviation = std::fabs(static_cast<long double>(max) / d);
    // Truncation toward zero takes [t, t + 1) to t > 0, (t − 1, t] to t < 0
    // and (−1, 1) to 0: the reals that end up in min..max.
    Lo = std::max(min > 0 ? min : min - 1.0L, -kDrawLimit);
    Hi = std::min(max < 0 ? max : max + 1.0L, kDrawLimit);
    // No spread, or no real that both fits and truncates into the range
    // (only bounds next to −2147483648 allow that): the bell's centre.
    if (Deviation == 0 || !(Lo < Hi)) {
        Min = static_cast<std::int32_t>(Mean);
        return;
    }
    Kind = Shape::Bell;
    Standard = NormalInterval(static_cast<double>((Lo - Mean) / Deviation),
                              static_cast<double>((Hi - Mean) / Deviation));
}

std::int32_t OperandDraw::operator()(RandomSource& random) const
{
    switch (Kind) {
    case Shape::Fixed: return Min;
    case Shape::Uniform: return static_cast<std::int32_t>(random.UniformRange(Min, Max));
    case Shape::Bell: break;
    }
    const double u = random.UnitOpenDouble();
    const double side = random.UnitOpenDouble();
    const long double x = std::clamp(Mean + Deviation * Standard.Draw(u, side), Lo, Hi);
    return static_cast<std::int32_t>(TruncatedInside(x, Lo, Hi));
}

std::int32_t RandomValue(RandomSource& random, std::int32_t min, std::int32_t max, std::int32_t d)
{
    return OperandDraw(min, max, d)(random);
}
