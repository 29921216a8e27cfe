#include "generation/NormalTail.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kSqrtHalfPi = 1.25331413731550025121;

}  // namespace

double MillsRatio(double z)
{
    if (z < 6)
        return std::erfc(z / kSqrt2) * kSqrtHalfPi * std::exp(z * z / 2);
    // Laplace's continued fraction 1 / (z + 1 / (z + 2 / (z + 3 / …))),
    // converged to double precision after 20 terms from z = 6 on.
    double t = z;
    for (int k = 20; k >= 1; --k)
        t = z + k / t;
    return 1 / t;
}

TailSpan::TailSpan(double a, double w) : A(a), MillsA(MillsRatio(a)), W(w)
{
    Mass = -std::expm1(-Log(w, MillsRatio(A + w)));
}

// The integral of the hazard h = 1 ÷ M from a to a + y; over a short step
// its Taylor series keeps the precision that the difference of logs loses.
double TailSpan::Log(double y, double millsEnd) const
{
    if (y * (1 + A) < 1e-3) {
        const double h = 1 / MillsA;
        const double h1 = h * (h - A);                      // h′
        const double h2 = h * ((h - A) * (2 * h - A) - 1);  // h″
        return y * (h + y * (h1 / 2 + y * h2 / 6));
    }
    return y * (A + y / 2) + std::log(MillsA / millsEnd);
}

double TailSpan::Offset(double u) const
{
    const double target = -std::log1p(-u * Mass);
    // Log grows and is convex, with slope 1 ÷ M(a) at 0, and is at least
    // y² ÷ 2: both starting points lie above the root, from where Newton's
    // steps descend to it without overshooting.
    double y = std::min(target * MillsA, std::sqrt(2 * target));
    for (int step = 0; step < 100; ++step) {
        const double millsEnd = MillsRatio(A + y);
        const double change = (Log(y, millsEnd) - target) * millsEnd;
        y -= change;
        if (!(change > y * 1e-10))  // converged, or down to rounding noise
            break;
    }
    return std::clamp(y, 0.0, W);
}

NormalInterval::NormalInterval(double lo, double hi) : Lo(lo), Hi(hi)
{
    if (lo >= 0) {
        Where = Shape::Above;
        Upper = TailSpan(lo, hi - lo);
    } else if (hi <= 0) {
        Where = Shape::Below;
        Lower = TailSpan(-hi, hi - lo);
    } else {
        // Both sides of 0: a draw picks one by its mass, then goes from 0
        // outwards.
        Where = Shape::Across;
        MassAbove = std::erf(hi / kSqrt2);
        MassBelow = std::erf(-lo / kSqrt2);
        Upper = TailSpan(0, hi);
        Lower = TailSpan(0, -lo);
    }
}

double NormalInterval::Draw(double u, double side) const
{
    switch (Where) {
    case Shape::Above: return Lo + Upper.Offset(u);
    case Shape::Below: return Hi - Lower.Offset(u);
    case Shape::Across:
        if (side * (MassAbove + MassBelow) < MassAbove)
            return Upper.Offset(u);
        return -Lower.Offset(u);
    }
    return Lo;
}

double StandardNormalBetween(double lo, double hi, double u, double side)
{
    return NormalInterval(lo, hi).Draw(u, side);
}
