#pragma once

#include "numeric/vector.h"
#include "optimize/recursive_filter.h"

namespace tovan {

// The monitor settings besides target and iteration limit, with the values every
// caller of the least-squares fitter passes.
struct FitMonitorSettings {
  double dampingCeiling = 1e10;
  double dampingFloor = 1e-10;
  double dampingTimeConstant = 5.0;
  double meritTimeConstant = 5.0;
  double dampingToleranceDb = 2.5;
  double meritToleranceDb = 2.5;
};

// Watches a damped least-squares run through its merit and its damping factor, both
// in dB (10 log10) and smoothed by first-order recursive filters
// y = (1 - f) x + f y_prev with f = exp(-1/timeConstant). ShouldContinue is false
// at the iteration limit, when the damping leaves the open interval (floor, ceiling),
// when both curves stagnate (more records than the time constant and the latest
// value within the tolerance of its smoothed curve), or below target. Comparisons
// with NaN count as not satisfied.
class FitMonitor {
 public:
  FitMonitor();

  void Reset(double target, int maxIterations, const FitMonitorSettings& settings);
  void Record(int iteration, double merit, double damping);
  bool ShouldContinue() const;

  int Records() const { return records; }
  double SmoothedMeritDb() const { return smoothedMeritDb; }
  double SmoothedDampingDb() const { return smoothedDampingDb; }

 private:
  bool BothStagnate() const;

  int maxIterations = 0;
  double target = 0.0;
  FitMonitorSettings settings;
  int records = 0;
  // 10 log10 of each recorded merit and damping; kept, never read back. A record
  // past the iteration limit is absorbed by the bounded element reference.
  Vector meritHistory;
  Vector dampingHistory;
  RecursiveFilter meritSmoother;
  RecursiveFilter dampingSmoother;
  double lastValue = 0.0;
  double lastDamping = 0.0;
  double smoothedMeritDb = 0.0;
  double smoothedDampingDb = 0.0;
  int lastIteration = 0;
};

}  // namespace tovan
