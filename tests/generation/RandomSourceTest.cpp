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
