#include "stateye/bathtub.h"

#include <cmath>

#include "stateye/ber_at_phase.h"
#include "stateye/bit_error_ratio.h"
#include "stateye/parallel_for.h"

namespace tovan {

double Log10Ber(double ber) {
  if (!(ber > 0.0)) return kLog10BerFloor;
  const double value = std::log10(ber);
  return value < kLog10BerFloor ? kLog10BerFloor : value;
}

Bathtub HorizontalBathtub(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, int points) {
  Bathtub tub{std::vector<double>(points), std::vector<double>(points)};
  const double ui = signal.uiPs();
  ParallelFor(points, [&](int i) {
    const double phaseUi = static_cast<double>(i) / (points - 1);
    tub.position[i] = phaseUi;
    tub.log10Ber[i] = Log10Ber(BitErrorRatio(signal, settings, phaseUi * ui, signal.midLevel));
  });
  return tub;
}

Bathtub VerticalBathtub(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phaseUi,
                        double lowVolts, double highVolts, int points) {
  Bathtub tub{std::vector<double>(points), std::vector<double>(points)};
  const BerAtPhase ber(signal, settings, phaseUi * signal.uiPs());
  ParallelFor(points, [&](int i) {
    const double volts = lowVolts + (highVolts - lowVolts) * i / (points - 1);
    tub.position[i] = volts;
    tub.log10Ber[i] = Log10Ber(ber(volts));
  });
  return tub;
}

}  // namespace tovan
