#include "response/db_interpolation.h"

#include <algorithm>
#include <cmath>

namespace tovan {

double DecibelsOrFloor(double magnitude) {
  return magnitude == 0.0 ? kZeroMagnitudeDb : 20.0 * std::log10(magnitude);
}

int SegmentOf(const std::vector<double>& x, double at) {
  return static_cast<int>(std::upper_bound(x.begin(), x.end(), at) - x.begin()) - 1;
}

double InterpolateHeldBelow(const std::vector<double>& x, const std::vector<double>& y, double at) {
  if (at <= x.front()) return y.front();
  if (at >= x.back()) return y.back();
  const int i = SegmentOf(x, at);
  const double t = (at - x[i]) / (x[i + 1] - x[i]);
  return y[i] + t * (y[i + 1] - y[i]);
}

}  // namespace tovan
