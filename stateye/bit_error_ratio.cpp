#include "stateye/bit_error_ratio.h"

#include "stateye/ber_at_phase.h"

namespace tovan {

double BitErrorRatio(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
                     double volts) {
  return BerAtPhase(signal, settings, phasePs)(volts);
}

}  // namespace tovan
