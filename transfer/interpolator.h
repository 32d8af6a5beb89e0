#pragma once

#include <vector>

#include "numeric/vector.h"
#include "transfer/polynomial.h"
#include "transfer/sample_table.h"

namespace tovan {

class Interpolator;

// Fills the interpolator's segments from its prepared samples and sets `built` on
// success. The result is informational only.
using FitRule = int (*)(Interpolator& interpolator);

// A sampled curve cut into segments between consecutive abscissae, each carrying a
// polynomial filled by a pluggable fitting rule. The stored copy of the table is
// sorted and merged (one sample per abscissa) when it is prepared, on construction
// with buildNow or on the first Value. Tables with fewer than two samples, or whose
// two vectors differ in length, cannot be fitted: Value gives 0 everywhere.
class Interpolator {
 public:
  Interpolator(const SampleTable& table, int degree, FitRule fitRule, bool buildNow, bool localCoordinates);

  // Sorts (strict order expected) and merges the samples when both vectors have the
  // same length, allocates one zero polynomial of degree + 1 terms per interval and
  // runs the fitting rule, returning its result. Unequal lengths: nothing is fitted,
  // the result is 0.
  int Prepare();

  // Builds on first use; 0 when the table cannot be fitted. Otherwise the polynomial
  // of FindSegment(x), evaluated by Horner at x - abscissae[i] (local coordinates) or
  // at x. Outside the abscissae the end segments extrapolate.
  double Value(double x);
  // Value at each element, same length.
  Vector Values(const Vector& xs);

  // Segment 0 at or below the first abscissa (and for NaN); the last segment at or
  // above the second-to-last; otherwise the first i with x_i <= x <= x_(i+1), so an
  // interior knot belongs to the segment on its left. 0 without segments.
  int FindSegment(double x) const;

  // Fields in the order of the model; the fitting rules read and fill them.
  Vector abscissae;
  Vector ordinates;
  std::vector<Polynomial> segments;
  int degree = 0;
  FitRule fitRule = nullptr;
  bool localCoordinates = false;
  bool built = false;
};

// Degree 3, FitNaturalCubic, local coordinates: the natural cubic spline.
Interpolator MakeSpline(const SampleTable& table, bool buildNow);

}  // namespace tovan
