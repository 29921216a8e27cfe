#pragma once
// The standard normal distribution restricted to an interval, drawn by
// inverting its distribution function on the tail side of the interval, so
// that a narrow interval, or one many deviations out in a tail, costs the
// same few steps as any other and never loses its mass to rounding.
//
// Q(z) is the upper tail probability; the Mills ratio M(z) = Q(z) ÷ φ(z)
// (φ the density) stays of order 1 ÷ z where Q itself underflows.

// M(z) for z ≥ 0.
double MillsRatio(double z);

// The tail of the standard normal from a ≥ 0 to a + w (w > 0), with the
// constants of the span worked out once: its draws only invert.
class TailSpan {
public:
    TailSpan() = default;
    TailSpan(double a, double w);

    // The offset y in [0, w] at which the share u of the span's mass lies
    // below a + y.
    double Offset(double u) const;

private:
    // −log(Q(a + y) ÷ Q(a)) for y ≥ 0, with M(a + y) at hand.
    double Log(double y, double millsEnd) const;

    double A = 0;
    double MillsA = 1;
    double W = 0;
    double Mass = 0;  // the share of the tail beyond a that lies below a + w
};

// The standard normal restricted to (lo, hi), lo < hi both finite, with the
// constants of the interval worked out once, for many draws.
class NormalInterval {
public:
    NormalInterval() = default;
    NormalInterval(double lo, double hi);

    // The variate that the uniforms u and side in (0, 1) select: u is
    // inverted on the chosen side; side chooses the side of 0 when the
    // interval holds it.
    double Draw(double u, double side) const;

private:
    enum class Shape { Above, Below, Across };
    Shape Where = Shape::Above;
    double Lo = 0, Hi = 0;
    TailSpan Upper;  // Above: lo → hi; Across: 0 → hi
    TailSpan Lower;  // Below: −hi → −lo; Across: 0 → −lo
    double MassAbove = 0, MassBelow = 0;  // Across: erf of each side
};

// One variate of the standard normal restricted to (lo, hi).
double StandardNormalBetween(double lo, double hi, double u, double side);
