#pragma once

#include <vector>

namespace tovan {

// The floor given to a magnitude of exactly zero, dB.
inline constexpr double kZeroMagnitudeDb = -300.0;

// 20 log10(magnitude), or kZeroMagnitudeDb for an exact zero.
double DecibelsOrFloor(double magnitude);

// y linear in x between the points (x strictly increasing, at least two), held at the
// end values outside them. Exact at the points.
double InterpolateHeldBelow(const std::vector<double>& x, const std::vector<double>& y, double at);

// The index i with x[i] <= at < x[i + 1], for x[0] <= at < x.back().
int SegmentOf(const std::vector<double>& x, double at);

}  // namespace tovan
