#pragma once

#include "numeric/complex.h"
#include "transfer/factored_polynomial.h"
#include "transfer/polynomial.h"

namespace tovan {

// Principal square root: sqrt(|z|) (cos(t/2) + j sin(t/2)) with t the argument of z
// (kPi for a negative real), so a negative real maps to about +j sqrt(|re|); 0 for 0.
Complex ComplexSqrt(const Complex& z);

// One root of p by Laguerre's method with a compensated update, from start; stops
// when |p(z)| < tolerance and otherwise returns the last iterate after
// maxIterations steps (none when maxIterations <= 0).
Complex LaguerreRoot(const Polynomial& p, const Complex& start, double tolerance,
                     int maxIterations);

// All L-1 roots of p (length L), deflating a copy: closed forms for linear and
// quadratic remainders, otherwise a Laguerre root from 0.001 polished by a factor
// refiner (real when |Im| <= tolerance/2, else a conjugate pair, stored adjacent).
// The gain is 0; callers set it. Meant for moderate degrees (the scope model's
// denominators reach about 20); a zero leading coefficient gives non-finite roots.
FactoredPolynomial FindRoots(const Polynomial& p, double tolerance, int maxIterations);

}  // namespace tovan
