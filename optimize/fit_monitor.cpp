#include "optimize/fit_monitor.h"

#include <cmath>

namespace tovan {
namespace {

bool Stagnates(int records, double timeConstant, double latestDb, double smoothedDb, double toleranceDb) {
  return records > timeConstant && std::fabs(latestDb - smoothedDb) < toleranceDb;
}

}  // namespace

FitMonitor::FitMonitor()
    : meritSmoother(MakeSmoother(settings.meritTimeConstant)),
      dampingSmoother(MakeSmoother(settings.dampingTimeConstant)) {
  Reset(0.0004, 100, FitMonitorSettings());
}

void FitMonitor::Reset(double newTarget, int newMaxIterations, const FitMonitorSettings& newSettings) {
  target = newTarget;
  maxIterations = newMaxIterations;
  settings = newSettings;
  records = 0;
  meritHistory = Vector(maxIterations);
  dampingHistory = Vector(maxIterations);
  meritSmoother = MakeSmoother(settings.meritTimeConstant);
  dampingSmoother = MakeSmoother(settings.dampingTimeConstant);
  lastValue = 0.0;
  lastDamping = 0.0;
  smoothedMeritDb = 0.0;
  smoothedDampingDb = 0.0;
  lastIteration = 0;
}

void FitMonitor::Record(int iteration, double merit, double damping) {
  lastIteration = iteration;
  lastValue = merit;
  lastDamping = damping;
  const double meritDb = 10.0 * std::log10(merit);
  const double dampingDb = 10.0 * std::log10(damping);
  smoothedMeritDb = meritSmoother.Step(meritDb);
  smoothedDampingDb = dampingSmoother.Step(dampingDb);
  dampingHistory.Element(records) = dampingDb;
  meritHistory.Element(records) = meritDb;
  records += 1;
}

bool FitMonitor::BothStagnate() const {
  return Stagnates(records, settings.dampingTimeConstant, 10.0 * std::log10(lastDamping), smoothedDampingDb,
                   settings.dampingToleranceDb) &&
         Stagnates(records, settings.meritTimeConstant, 10.0 * std::log10(lastValue), smoothedMeritDb,
                   settings.meritToleranceDb);
}

bool FitMonitor::ShouldContinue() const {
  if (lastIteration >= maxIterations) return false;
  if (!(settings.dampingFloor < lastDamping && lastDamping < settings.dampingCeiling)) return false;
  if (BothStagnate()) return false;
  if (lastValue < target) return false;
  return true;
}

}  // namespace tovan
