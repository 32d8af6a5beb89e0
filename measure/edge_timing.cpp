#include "measure/edge_timing.h"

#include <cmath>
#include <limits>

#include "measure/level_crossing.h"
#include "measure/periodic_trace.h"

namespace tovan {

double EdgeDuration(const Vector& window, int boundary, int direction, const EdgeLevels& levels) {
  const double middle = NearestCrossing(window, levels.middle, direction, boundary - 0.5);
  if (std::isnan(middle)) return std::numeric_limits<double>::quiet_NaN();
  const double start = LastCrossingBefore(window, levels.start, direction, middle);
  const double end = FirstCrossingAfter(window, levels.end, direction, middle);
  return end - start;
}

Vector IsolatedEdgeWindow(const Vector& signal, const Transition& edge, int samplesPerBit) {
  const long long first = static_cast<long long>(edge.bit - edge.runBefore) * samplesPerBit;
  const int count = (edge.runBefore + edge.runAfter) * samplesPerBit;
  return PeriodicWindow(signal, first, count);
}

Vector AverageEdgeWindow(const Vector& signal, const std::vector<Transition>& transitions,
                         bool rising, int samplesPerBit) {
  int edges = 0;
  for (const Transition& t : transitions) edges += t.rising == rising ? 1 : 0;
  if (edges == 0) return Vector();
  // A pattern with transitions has at least two bits, so the window fits in an int.
  const int count = 2 * samplesPerBit;
  Vector sum(count, 0.0);
  for (const Transition& t : transitions) {
    if (t.rising != rising) continue;
    const long long first = static_cast<long long>(t.bit - 1) * samplesPerBit;
    for (int k = 0; k < count; ++k) sum[k] += PeriodicSample(signal, first + k);
  }
  for (int k = 0; k < count; ++k) sum[k] = sum[k] / edges;
  return sum;
}

}  // namespace tovan
