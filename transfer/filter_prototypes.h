#pragma once

#include "transfer/cascade.h"
#include "transfer/polynomial.h"
#include "transfer/rational_function.h"

namespace tovan {

// Butterworth low-pass of order n with its -3 dB point at f0: (n+1)/2 factored
// sections, the conjugate pairs by increasing angle theta = (k pi)/(2n) first, the
// real pole (odd n) last. Poles lie on the circle of radius 2pi f0 (decimal 2pi).
// n <= 0 gives an empty cascade.
Cascade MakeButterworth(double f0, int n);

// The n+1 ascending coefficients of the reverse Bessel polynomial of order n:
// a_k = (2n-k)! / (2^(n-k) k! (n-k)!).
Polynomial BesselCoefficients(int n);

// Bessel low-pass of order n, unit gain at DC, coefficient form, its denominator
// scaled so that the prototype's -3 dB point (found by bisection to 1e-5) lands on fc.
RationalFunction MakeBessel(double fc, int n);

// n! in doubles, multiplied up from 1 (the same products as x * Factorial(x-1)).
// n <= 0 gives 1.
double Factorial(int n);

}  // namespace tovan
