#pragma once

#include "numeric/vector.h"
#include "optimize/recursive_filter.h"

namespace tovan {

// Watches a minimiser's merit in dB (10 log10): stops at the iteration limit, below
// target (or at exactly 0), or when the latest value stays within toleranceDb of its
// smoothed curve once more than timeConstant values were recorded. Comparisons with
// NaN count as not satisfied.
class ConvergenceMonitor {
 public:
  ConvergenceMonitor(double target, int maxIterations, double timeConstant, double toleranceDb);

  void Reset(double target, int maxIterations, double timeConstant, double toleranceDb);
  void Record(int iteration, double value);
  bool ShouldContinue() const;

  int Records() const { return records; }
  double SmoothedDb() const { return smoothedDb; }

 private:
  int maxIterations = 0;
  double target = 0.0;
  double timeConstant = 0.0;
  double toleranceDb = 0.0;
  int records = 0;
  Vector history;  // 10 log10 of each recorded value; kept, never read back
  RecursiveFilter smoother;
  double lastValue = 0.0;
  double smoothedDb = 0.0;
  int lastIteration = 0;
};

}  // namespace tovan
