#pragma once

#include <vector>

#include "stateye/periodic_eye_signal.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// A cut through the BER (stateye/bit_error_ratio.h) along one axis: log10 BER at
// evenly spaced positions, first and last included. An exact 0 is written as
// kLog10BerFloor, below anything the method resolves.
inline constexpr double kLog10BerFloor = -40.0;

struct Bathtub {
  std::vector<double> position;  // phase in UI from the cell start, or threshold in V
  std::vector<double> log10Ber;
};

// log10 of a BER, kLog10BerFloor for 0 and anything below the floor.
double Log10Ber(double ber);

// Both bathtubs share their points out among the cores (stateye/parallel_for.h).

// BER(t, mid level) for t = 0 ... 1 UI at `points` (>= 2) phases.
Bathtub HorizontalBathtub(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, int points);

// BER(phase, v) for v from lowVolts to highVolts at `points` (>= 2) thresholds.
Bathtub VerticalBathtub(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phaseUi,
                        double lowVolts, double highVolts, int points);

}  // namespace tovan
