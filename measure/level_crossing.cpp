#include "measure/level_crossing.h"

#include <cmath>
#include <limits>

namespace tovan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The segment that holds a position: the one starting at floor(position), kept
// inside 0 ... last.
int SegmentOf(double position, int last) {
  const double start = std::floor(position);
  if (!(start >= 0.0)) return 0;
  if (start >= last) return last;
  return static_cast<int>(start);
}

}  // namespace

bool Crosses(double a, double b, double level) { return (a < level) != (b < level); }

bool CrossesInDirection(double a, double b, double level, int direction) {
  if (direction > 0) return a < level && !(b < level);
  return a > level && !(b > level);
}

double CrossingFraction(double a, double b, double level) { return (level - a) / (b - a); }

Vector CrossingPhases(const Vector& signal, double level, int samplesPerBit) {
  const int length = signal.length();
  Vector phases(length);
  int count = 0;
  for (int n = 0; n < length; ++n) {
    const double a = signal[n];
    const double b = signal[n + 1 < length ? n + 1 : 0];
    if (Crosses(a, b, level)) phases[count++] = (n % samplesPerBit) + CrossingFraction(a, b, level);
  }
  Vector result(count);
  for (int k = 0; k < count; ++k) result[k] = phases[k];
  return result;
}

double NearestCrossing(const Vector& window, double level, int direction, double target) {
  double best = kNaN;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int n = 0; n + 1 < window.length(); ++n) {
    if (!CrossesInDirection(window[n], window[n + 1], level, direction)) continue;
    const double position = n + CrossingFraction(window[n], window[n + 1], level);
    const double distance = std::fabs(position - target);
    if (distance < bestDistance) {
      best = position;
      bestDistance = distance;
    }
  }
  return best;
}

double LastCrossingBefore(const Vector& window, double level, int direction, double position) {
  const int last = window.length() - 2;
  if (last < 0) return kNaN;
  for (int n = SegmentOf(position, last); n >= 0; --n) {
    if (!CrossesInDirection(window[n], window[n + 1], level, direction)) continue;
    const double crossing = n + CrossingFraction(window[n], window[n + 1], level);
    if (crossing <= position) return crossing;
  }
  return kNaN;
}

double FirstCrossingAfter(const Vector& window, double level, int direction, double position) {
  const int last = window.length() - 2;
  if (last < 0) return kNaN;
  for (int n = SegmentOf(position, last); n <= last; ++n) {
    if (!CrossesInDirection(window[n], window[n + 1], level, direction)) continue;
    const double crossing = n + CrossingFraction(window[n], window[n + 1], level);
    if (crossing >= position) return crossing;
  }
  return kNaN;
}

}  // namespace tovan
