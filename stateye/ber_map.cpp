#include "stateye/ber_map.h"

#include "stateye/bathtub.h"
#include "stateye/ber_at_phase.h"
#include "stateye/parallel_for.h"

namespace tovan {
namespace {

constexpr double kMarginOfSwing = 0.2;
// An eighth of a UI beyond each cell boundary, so that the contours close around the
// crossings even when the eye opens right up to a boundary.
constexpr double kMarginOfUi = 0.125;

}  // namespace

ThresholdRange MapThresholds(const PeriodicEyeSignal& signal) {
  const double margin = kMarginOfSwing * (signal.highLevel - signal.lowLevel);
  return {signal.lowLevel - margin, signal.highLevel + margin};
}

BerMap ComputeBerMap(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, int columns, int rows) {
  BerMap map;
  map.columns = columns;
  map.rows = rows;
  map.firstPhaseUi = -kMarginOfUi;
  map.lastPhaseUi = 1.0 + kMarginOfUi;
  const ThresholdRange thresholds = MapThresholds(signal);
  map.lowVolts = thresholds.low;
  map.highVolts = thresholds.high;
  map.log10Ber.resize(static_cast<std::size_t>(columns) * rows);
  const double ui = signal.uiPs();
  // Each column is one phase, worked out whole by whichever thread takes it.
  ParallelFor(columns, [&](int column) {
    const BerAtPhase ber(signal, settings, map.phaseUi(column) * ui, kDrawingAccuracy);
    for (int row = 0; row < rows; ++row)
      map.log10Ber[static_cast<std::size_t>(row) * columns + column] = Log10Ber(ber(map.volts(row)));
  });
  return map;
}

}  // namespace tovan
