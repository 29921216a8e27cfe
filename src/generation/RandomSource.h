#pragma once
// The one random source of a generation run: unbiased uniform integers and
// normal variates, seeded from the clock unless a seed is given (tests and
// reproducible command-line runs pass one).
#include <cstdint>
#include <optional>
#include <random>

class RandomSource {
public:
    explicit RandomSource(std::optional<std::uint64_t> seed = std::nullopt);

    void Seed(std::uint64_t seed);
    // A uniform integer in 0..n−1 (n ≥ 1), without modulo bias.
    std::uint64_t UniformInt(std::uint64_t n);
    // A uniform integer in lo..hi (lo ≤ hi).
    std::int64_t UniformRange(std::int64_t lo, std::int64_t hi);
    // A normal variate with the given mean and standard deviation (≥ 0).
    long double Normal(long double mean, long double deviation);

private:
    long double UnitOpen();  // uniform in (0, 1)

    std::mt19937_64 Engine;
    std::optional<long double> SpareNormal;
};

// One operand draw between the scaled bounds min ≤ max, shaped by D:
// 0 uniform; D > 0 a bell centred on min, D < 0 centred on max, both with
// standard deviation |max ÷ D|; draws outside min..max are drawn again.
std::int32_t RandomValue(RandomSource& random, std::int32_t min, std::int32_t max, std::int32_t d);
