#include "generation/NormalTail.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kSqrtHalfPi = 1.25331413731550025121;

// The tail of the standard normal beyond a ≥ 0.
class Tail {
public:
    explicit Tail(double a) : A(a), MillsA(MillsRatio(a)) {}

    // −log(Q(a + y) ÷ Q(a)) for y ≥ 0: the mass of the tail that lies below
    // a + y, as a log, computed without forming either Q. It is the integral
    // of the hazard h = 1 ÷ M from a to a + y; over a short step its Taylor
    // series keeps the precision that the difference of logs loses.
    double Log(double y) const { return Log(y, MillsRatio(A + y)); }
    // The same with M(a + y) already at hand.
    double Log(double y, double millsEnd) const
    {
        if (y * (1 + A) < 1e-3) {
            const double h = 1 / MillsA;
            const double h1 = h * (h - A);                      // h′
            const double h2 = h * ((h - A) * (2 * h - A) - 1);  // h″
            return y * (h + y * (h1 / 2 + y * h2 / 6));
        }
        return y * (A + y / 2) + std::log(MillsA / millsEnd);
    }

    // The offset y in [0, w] at which the share u of the tail's mass below
    // a + w lies below a + y.
    double Offset(double w, double u) const
    {
        const double mass = -std::expm1(-Log(w));
        const double target = -std::log1p(-u * mass);
        // Log grows and is convex, with slope 1 ÷ M(a) at 0, and is at least
        // y² ÷ 2: both starting points lie above the root, from where
        // Newton's steps descend to it without overshooting.
        double y = std::min(target * MillsA, std::sqrt(2 * target));
        for (int step = 0; step < 100; ++step) {
            const double millsEnd = MillsRatio(A + y);
            const double change = (Log(y, millsEnd) - target) * millsEnd;
            y -= change;
            if (!(change > y * 1e-10))  // converged, or down to rounding noise
                break;
        }
        return std::clamp(y, 0.0, w);
    }

private:
    double A;
    double MillsA;
};

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

double StandardNormalBetween(double lo, double hi, double u, double side)
{
    if (lo >= 0)
        return lo + Tail(lo).Offset(hi - lo, u);
    if (hi <= 0)
        return hi - Tail(-hi).Offset(hi - lo, u);
    // Both sides of 0: pick one by its mass, then draw from 0 outwards.
    const double above = std::erf(hi / kSqrt2);
    const double below = std::erf(-lo / kSqrt2);
    const Tail centre(0);
    if (side * (above + below) < above)
        return centre.Offset(hi, u);
    return -centre.Offset(-lo, u);
}
