#include "optimize/convergence_monitor.h"

#include <cmath>

namespace tovan {

ConvergenceMonitor::ConvergenceMonitor(double target, int maxIterations, double timeConstant,
                                       double toleranceDb)
    : smoother(MakeSmoother(timeConstant)) {
  Reset(target, maxIterations, timeConstant, toleranceDb);
}

void ConvergenceMonitor::Reset(double target, int maxIterations, double timeConstant,
                               double toleranceDb) {
  this->target = target;
  this->maxIterations = maxIterations;
  this->timeConstant = timeConstant;
  this->toleranceDb = toleranceDb;
  records = 0;
  history = Vector(maxIterations);
  smoother = MakeSmoother(timeConstant);
  lastValue = 0.0;
  smoothedDb = 0.0;
  lastIteration = 0;
}

void ConvergenceMonitor::Record(int iteration, double value) {
  lastValue = value;
  lastIteration = iteration;
  const double db = 10.0 * std::log10(value);
  smoothedDb = smoother.Step(db);
  history.Element(records) = db;
  records += 1;
}

bool ConvergenceMonitor::ShouldContinue() const {
  if (lastIteration >= maxIterations) return false;
  const bool stagnant =
      records > timeConstant && std::fabs(10.0 * std::log10(lastValue) - smoothedDb) < toleranceDb;
  if (stagnant) return false;
  if (lastValue < target || lastValue == 0.0) return false;
  return true;
}

}  // namespace tovan
