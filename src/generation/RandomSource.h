#pragma once
// The one random source of a generation run: unbiased uniform integers and
// normal variates, seeded from the clock unless a seed is given (tests and
// reproducible command-line runs pass one).
#include "generation/NormalTail.h"

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
    // A normal variate restricted to lo..hi (lo < hi, deviation > 0), drawn
    // in a fixed few steps however little of the bell lies there.
    long double NormalBetween(long double mean, long double deviation, long double lo,
                              long double hi);
    double UnitOpenDouble(); // uniform in (0, 1) at double precision

private:
    long double UnitOpen();  // uniform in (0, 1)

    std::mt19937_64 Engine;
    std::optional<long double> SpareNormal;
};

// One operand draw between the scaled bounds min ≤ max, shaped by D:
// 0 uniform; D > 0 a bell centred on min, D < 0 centred on max, both with
// standard deviation |max ÷ D|, truncated toward zero to an integer. The
// bell is restricted to the reals that truncate into min..max, which gives
// what drawing again until a value falls there would give, without the loop.
std::int32_t RandomValue(RandomSource& random, std::int32_t min, std::int32_t max, std::int32_t d);

// The draws of RandomValue for one operand's bounds and D, with the bell's
// constants worked out once: a run draws thousands of times from the same
// range, and redraws for the last decimal digit from it again.
class OperandDraw {
public:
    OperandDraw(std::int32_t min, std::int32_t max, std::int32_t d);

    // What RandomValue(random, min, max, d) gives, from the same random numbers.
    std::int32_t operator()(RandomSource& random) const;
    // A draw from the bell, which costs several times a uniform one.
    bool IsBell() const { return Kind == Shape::Bell; }

private:
    enum class Shape { Fixed, Uniform, Bell };
    Shape Kind = Shape::Fixed;
    std::int32_t Min = 0, Max = 0;
    long double Mean = 0, Deviation = 0, Lo = 0, Hi = 0;
    NormalInterval Standard;  // (Lo, Hi) in deviations from the mean
};
