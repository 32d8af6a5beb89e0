#pragma once

#include "numeric/vector.h"
#include "transfer/polynomial.h"
#include "transfer/rational_function.h"

namespace tovan {

// Direct-form-I recursive filter. The numerator b_0..b_M and denominator a_0..a_N
// are coefficients in ascending powers of the unit delay, divided by a_0 when it is
// non-zero. Both histories start at zero.
class RecursiveFilter {
 public:
  explicit RecursiveFilter(const RationalFunction& coefficients);

  // y = sum b_i x_{n-i} - sum_{i>=1} a_i y_{n-i}: one running sum in index order,
  // numerator terms first (the rounding depends on it).
  double Step(double input);

 private:
  Polynomial numerator;
  Polynomial denominator;
  Vector inputs;   // index 0 newest
  Vector outputs;  // index 0 newest
};

// The first-order smoother of the minimisers' monitors: f = exp(-1/timeConstant),
// numerator [1 - f], denominator [1, -f], so y = (1 - f) x + f y_prev from y_prev = 0.
RecursiveFilter MakeSmoother(double timeConstant);

}  // namespace tovan
