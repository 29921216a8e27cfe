#include "generation/RandomSource.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr int kDraws = 40000;

std::vector<int> Draws(std::int32_t min, std::int32_t max, std::int32_t d, int count = kDraws)
{
    RandomSource random(12345);
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(RandomValue(random, min, max, d));
    return values;
}

// P(p < z < q) for the standard normal, taken on the side where the
// complementary error function keeps its precision.
long double Mass(long double p, long double q)
{
    const long double r = std::sqrt(2.0L);
    if (p >= 0)
        return (std::erfc(p / r) - std::erfc(q / r)) / 2;
    if (q <= 0)
        return Mass(-q, -p);
    return (std::erf(q / r) - std::erf(p / r)) / 2;
}

// The share of value t that drawing from the bell until a truncated draw
// falls into min..max gives: the mass of the reals that truncate toward zero
// to t, over that of all reals that truncate into min..max, both inside the
// accepted (−2147483647, 2147483647).
long double ExpectedShare(std::int64_t t, std::int64_t min, std::int64_t max, std::int32_t d)
{
    const long double mean = d > 0 ? min : max;
    const long double sigma = std::fabs(static_cast<long double>(max) / d);
    auto mass = [&](long double lo, long double hi) {
        lo = std::max(lo, -2147483647.0L);
        hi = std::min(hi, 2147483647.0L);
        return lo < hi ? Mass((lo - mean) / sigma, (hi - mean) / sigma) : 0.0L;
    };
    auto from = [](std::int64_t v) { return v > 0 ? v : v - 1.0L; };
    auto to = [](std::int64_t v) { return v < 0 ? v : v + 1.0L; };
    return mass(from(t), to(t)) / mass(from(min), to(max));
}

double Mean(const std::vector<int>& values)
{
    double sum = 0;
    for (int v : values)
        sum += v;
    return sum / values.size();
}

TEST(RandomValue, EqualBoundsNeedNoDraw)
{
    for (std::int32_t d : {0, 1, -1, 7, INT_MIN, INT_MAX}) {
        RandomSource random(1);
        EXPECT_EQ(RandomValue(random, 42, 42, d), 42);
    }
}

TEST(RandomValue, UniformDrawHitsEveryValueEqually)
{
    std::map<int, int> counts;
    for (int v : Draws(0, 3, 0))
        ++counts[v];
    ASSERT_EQ(counts.size(), 4u);
    for (const auto& [value, count] : counts)
        EXPECT_NEAR(count, kDraws / 4, kDraws / 4 * 0.05) << value;
}

TEST(RandomValue, PositiveDPilesAtTheMinimumLikeHalfABell)
{
    std::vector<int> values = Draws(0, 100, 1);
    int zeros = 0, belowSigma = 0;
    for (int v : values) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 100);
        zeros += v == 0;
        belowSigma += v < 50;
    }
    // σ = 100 around 0; accepted draws lie in (−1, 101), P = 0.3477.
    // t < 50 ⇔ x in (−1, 50): P = 0.1955.
    EXPECT_NEAR(static_cast<double>(belowSigma) / kDraws, 0.1955 / 0.3477, 0.015);
    // Draws in (−1, 1) all truncate to 0, twice the share of any other value.
    EXPECT_NEAR(static_cast<double>(zeros) / kDraws, 0.00798 / 0.3477, 0.003);
}

TEST(RandomValue, NegativeDPilesAtTheMaximum)
{
    // σ = 100 around 100, cut to [0, 100]: truncated-normal mean 54.2, less
    // about half a unit for the truncation toward zero.
    std::vector<int> values = Draws(0, 100, -1);
    EXPECT_NEAR(Mean(values), 53.7, 1.0);
    std::vector<int> narrow = Draws(100, 1000, -20);  // σ = 50 around 1000
    EXPECT_NEAR(Mean(narrow), 1000 - 50 * std::sqrt(2 / M_PI), 2);
}

TEST(RandomValue, SpreadIsTheMaximumOverD)
{
    // D = 5 on 100..1000: σ = 200 around 100, cut at 100 from below.
    std::vector<int> values = Draws(100, 1000, 5);
    double expectedMean = 100 + 200 * std::sqrt(2 / M_PI);
    EXPECT_NEAR(Mean(values), expectedMean, 3);
}

TEST(RandomValue, NegativeRangeUsesTheMagnitudeOfTheMaximum)
{
    // −5.00..−1.00, D = 1: σ = 100 units, piled at −500.
    std::vector<int> values = Draws(-500, -100, 1);
    for (int v : values)
        ASSERT_TRUE(v >= -500 && v <= -100);
    EXPECT_NEAR(Mean(values), -500 + 100 * std::sqrt(2 / M_PI), 3);
}

TEST(RandomValue, MaximumZeroGivesNoSpread)
{
    for (int v : Draws(-300, 0, 3, 200))
        EXPECT_EQ(v, -300);
    for (int v : Draws(-300, 0, -3, 200))
        EXPECT_EQ(v, 0);
}

TEST(RandomValue, MostNegativeDDoesNotFail)
{
    std::vector<int> values = Draws(0, 10000000, INT_MIN, 100);
    for (int v : values)  // σ of a few thousandths around the maximum
        EXPECT_TRUE(v == 10000000 || v == 9999999) << v;
}

struct ShareCase {
    std::int32_t min, max, d;
    const char* what;
};

TEST(RandomValue, SharesAreThoseOfTheBellCutToTheTruncatedRange)
{
    const ShareCase cases[] = {
        {0, 5, 1, "0 takes (−1, 1), twice the width of the others"},
        {-3, 2, -1, "a range across 0, piled at the maximum"},
        {-6, -1, 1, "a negative range: −6 takes (−7, −6]"},
        {-6, -1, -2, "a negative range piled at −1, which takes (−2, −1]"},
        {9999999, 10000000, 1, "999.9999..1000 under a bell ten million units wide"},
        {-10000000, -9999999, 1, "the same range negated"},
        {-10000000, -9999999, -1, "the same piled at the maximum"},
        {0, 10000000, INT_MIN, "the narrowest bell, at 1000"},
        {INT_MIN, INT_MIN + 3, 1, "only reals above −2147483647 are accepted"},
        {INT_MIN, -1, 1, "the bell's centre one deviation outside the accepted reals"},
    };
    constexpr int draws = 20000;
    for (const ShareCase& c : cases) {
        RandomSource random(99);
        std::map<std::int64_t, int> counts;
        for (int i = 0; i < draws; ++i) {
            const std::int32_t v = RandomValue(random, c.min, c.max, c.d);
            ASSERT_TRUE(v >= c.min && v <= c.max) << c.what << ": " << v;
            ++counts[v];
        }
        // The first and last values of the range, where the bell is.
        for (std::int64_t t = c.min; t <= c.max; ++t) {
            if (t == static_cast<std::int64_t>(c.min) + 40)
                t = std::max(t, static_cast<std::int64_t>(c.max) - 40);
            const double p = static_cast<double>(ExpectedShare(t, c.min, c.max, c.d));
            const double observed = static_cast<double>(counts[t]) / draws;
            EXPECT_NEAR(observed, p, 4 * std::sqrt(p * (1 - p) / draws) + 0.002)
                << c.what << ": value " << t;
        }
    }
}

TEST(RandomValue, RangesFarOutInATailEndAtOnceAtTheirNearEnd)
{
    // The bell's centre −2147483648 lies 1 ÷ σ deviations below the accepted
    // reals: thousands or billions of deviations, where drawing again until
    // a draw fits would never end.
    for (std::int32_t d : {1000, 1000000, INT_MAX}) {
        RandomSource random(5);
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(RandomValue(random, INT_MIN, -1, d), -2147483646) << d;
    }
    // A huge D piles everything on the first value, however wide the range.
    RandomSource random(6);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(RandomValue(random, 0, 10000000, INT_MAX), 0);
    }
}

TEST(RandomValue, NoRealFitsNextToTheMostNegativeBound)
{
    // −2147483648..−2147483647 truncates only from reals at or below
    // −2147483647, none of which is accepted: the centre is returned.
    RandomSource random(3);
    EXPECT_EQ(RandomValue(random, INT_MIN, INT_MIN + 1, 1), INT_MIN);
    EXPECT_EQ(RandomValue(random, INT_MIN, INT_MIN + 1, -1), INT_MIN + 1);
}

TEST(RandomSource, NormalHasTheGivenMeanAndDeviation)
{
    RandomSource random(7);
    double sum = 0, squares = 0;
    for (int i = 0; i < kDraws; ++i) {
        double x = static_cast<double>(random.Normal(10, 3));
        sum += x;
        squares += x * x;
    }
    double mean = sum / kDraws;
    EXPECT_NEAR(mean, 10, 0.05);
    EXPECT_NEAR(std::sqrt(squares / kDraws - mean * mean), 3, 0.05);
}

}  // namespace
