#include "generation/RandomSource.h"

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
    // Reject the low values that would make some residues more frequent.
    const std::uint64_t threshold = (0 - n) % n;
    for (;;) {
        std::uint64_t r = Engine();
        if (r >= threshold)
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
    // 64 random bits scaled into (0, 1), never touching either end.
    return (static_cast<long double>(Engine()) + 0.5L) / 18446744073709551616.0L;
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

std::int32_t RandomValue(RandomSource& random, std::int32_t min, std::int32_t max, std::int32_t d)
{
    if (min >= max)
        return min;
    if (d == 0)
        return static_cast<std::int32_t>(random.UniformRange(min, max));
    // Done in floating point so that D = −2147483648 needs no negation.
    const long double divisor = static_cast<long double>(d);
    const long double mean = d > 0 ? min : max;
    const long double deviation = std::fabs(static_cast<long double>(max) / divisor);
    for (;;) {
        long double x = random.Normal(mean, deviation);
        if (!(x > -2147483647.0L && x < 2147483647.0L))
            continue;
        long double t = std::trunc(x);
        if (t >= min && t <= max)
            return static_cast<std::int32_t>(t);
    }
}
