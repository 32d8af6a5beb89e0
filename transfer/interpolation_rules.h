#pragma once

#include "transfer/interpolator.h"

namespace tovan {

// Fitting rules for Interpolator. Both expect prepared samples (one segment per
// interval already allocated; otherwise they do nothing) and return 1 when they set
// `built`, 0 otherwise.
// Coefficients a segment is too short to hold are dropped.

// Degree 1 in global coordinates: segment i is y_i + s (x - x_i) written as
// [y_i - s x_i, s] with s = (y_(i+1) - y_i) / (x_(i+1) - x_i).
int FitLinear(Interpolator& interpolator);

// Degree 3 in local coordinates t = x - x_i, natural end conditions (zero second
// derivative at both ends). Two samples turn the interpolator into a linear one
// (FitLinear, global coordinates). A zero interval leaves it unbuilt; fewer than
// two samples leave it unbuilt as well.
int FitNaturalCubic(Interpolator& interpolator);

}  // namespace tovan
