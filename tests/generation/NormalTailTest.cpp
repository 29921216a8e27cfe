#include "generation/NormalTail.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Q(z), the upper tail probability, where erfc keeps its precision (z ≥ 0).
long double UpperTail(long double z)
{
    return std::erfc(z / std::sqrt(2.0L)) / 2;
}

// The share of the mass in (lo, hi) that lies below z, for 0 ≤ lo < z.
long double ShareBelow(long double lo, long double hi, long double z)
{
    return (UpperTail(lo) - UpperTail(z)) / (UpperTail(lo) - UpperTail(hi));
}

struct QuantileCase {
    double lo, hi;
    double tolerance;  // of the share
};

TEST(StandardNormalBetween, InvertsTheDistributionOnTheTailSide)
{
    const QuantileCase cases[] = {
        {0, 1, 1e-9},    {0.5, 3, 1e-9},  {3, 9, 1e-9},  {1, 1e6, 1e-9},
        {20, 21, 1e-9},  {5.5, 6.5, 1e-9},  // across the change of method at 6
        {0, 2e-7, 1e-8},  // 999.9999..1000 with D = 1: the bell is flat there
    };
    for (const QuantileCase& c : cases) {
        for (double u : {1e-6, 0.001, 0.3, 0.5, 0.9, 0.999999}) {
            const double z = StandardNormalBetween(c.lo, c.hi, u, 0.5);
            ASSERT_TRUE(z >= c.lo && z <= c.hi) << c.lo << " " << u;
            EXPECT_NEAR(static_cast<double>(ShareBelow(c.lo, c.hi, z)), u, c.tolerance)
                << c.lo << ".." << c.hi << " u " << u;
            // The mirrored interval gives the mirrored variate.
            EXPECT_NEAR(StandardNormalBetween(-c.hi, -c.lo, u, 0.5), -z, 1e-12 * (1 + std::fabs(z)));
        }
    }
}

TEST(StandardNormalBetween, FarTailsAreExponentialWithRateTheirDistance)
{
    // Beyond a ≫ 1 the tail falls off like e^(−a·y): its median lies ln 2 ÷ a
    // above a, here where Q(a) itself is far below the smallest double.
    for (double a : {1e2, 1e3, 1e5}) {
        const double y = StandardNormalBetween(a, 2 * a, 0.5, 0.5) - a;
        EXPECT_NEAR(y * a / std::log(2.0), 1, 2e-4) << a;
    }
    for (double a : {1e9, 1e15}) {
        for (double u : {1e-9, 0.5, 1 - 1e-9}) {
            const double hi = a * (1 + 1e-6);
            const double z = StandardNormalBetween(a, hi, u, 0.5);
            EXPECT_TRUE(z >= a && z <= hi) << a << " " << u;
        }
    }
}

TEST(StandardNormalBetween, IntervalsAroundZeroChooseTheirSideByItsMass)
{
    // (−1, 2): the share above 0 is (Φ(2) − ½) ÷ (Φ(2) − Φ(−1)) = 0.5830.
    EXPECT_GT(StandardNormalBetween(-1, 2, 0.5, 0.582), 0);
    EXPECT_LT(StandardNormalBetween(-1, 2, 0.5, 0.584), 0);
    for (double side : {0.01, 0.99}) {
        const double z = StandardNormalBetween(-1e-9, 1e-9, 0.5, side);
        EXPECT_NEAR(std::fabs(z), 0.5e-9, 1e-15) << side;
    }
}

}  // namespace
