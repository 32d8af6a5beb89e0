#include "measure/crossing_jitter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tovan {
namespace {

struct Gap {
  double width;
  double upperEnd;  // the phase at which the cluster starts
};

Gap LargestGap(const Vector& phases, double cell) {
  std::vector<double> sorted(phases.data(), phases.data() + phases.length());
  std::sort(sorted.begin(), sorted.end());
  Gap gap{sorted.front() + cell - sorted.back(), sorted.front()};
  for (std::size_t k = 1; k < sorted.size(); ++k) {
    const double width = sorted[k] - sorted[k - 1];
    if (width > gap.width) gap = {width, sorted[k]};
  }
  return gap;
}

double Unwrapped(double phase, double clusterStart, double cell) {
  return phase < clusterStart ? phase + cell : phase;
}

double RmsAboutMean(const Vector& phases, double clusterStart, double cell) {
  const int count = phases.length();
  // Two passes in the order of the phases: the rounding of the result depends on it.
  double sum = 0.0;
  for (int k = 0; k < count; ++k) sum += Unwrapped(phases[k], clusterStart, cell);
  const double mean = sum / count;
  double squares = 0.0;
  for (int k = 0; k < count; ++k) {
    const double deviation = Unwrapped(phases[k], clusterStart, cell) - mean;
    squares += deviation * deviation;
  }
  return std::sqrt(squares / count);
}

}  // namespace

CrossingSpread SpreadOfCrossings(const Vector& phases, int samplesPerBit) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  if (phases.length() == 0) return {kNaN, kNaN, kNaN};
  const double cell = samplesPerBit;
  const Gap gap = LargestGap(phases, cell);
  return {gap.width, cell - gap.width, RmsAboutMean(phases, gap.upperEnd, cell)};
}

}  // namespace tovan
