#pragma once

namespace tovan {

// The standard normal distribution, written so that tail probabilities keep their
// relative accuracy far from the mean (a bit error ratio of 1e-20 is a tail).

// Density: exp(-x^2 / 2) / sqrt(2 pi).
double NormalDensity(double x);
// P(X <= x), from erfc, so accurate in the lower tail.
double NormalCdf(double x);
// P(X > x) = NormalCdf(-x).
double NormalTail(double x);
// P(a < X <= b) for a <= b, from the tail on the far side of the mean, so that an
// interval far out in either tail keeps its relative accuracy; 0 for b <= a.
double NormalMass(double a, double b);

}  // namespace tovan
