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

// The variate of the standard normal restricted to (lo, hi), lo < hi both
// finite, that the uniforms u and side in (0, 1) select: u is inverted on
// the chosen side; side chooses the side of 0 when the interval holds it.
double StandardNormalBetween(double lo, double hi, double u, double side);
