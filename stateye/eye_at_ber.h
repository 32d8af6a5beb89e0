#pragma once

#include "stateye/bathtub.h"
#include "stateye/periodic_eye_signal.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// The eye left open at the target bit error ratio (BER as in stateye/bit_error_ratio.h),
// solved on continuous phase and threshold, not on the sample grid:
// - eyeHeight (V): at each phase t, the length of the interval of v around the mid
//   level where BER(t, v) < target; the largest over all phases.
// - bestPhase (UI from the cell start): the phase of that largest height.
// - eyeWidth (ps): at v = mid level, the length of the interval of t around bestPhase
//   where BER(t, mid) < target.
// All three are 0 when BER(t, mid) reaches the target at every phase (a closed eye),
// except bestPhase, which is then the phase of the lowest BER(t, mid) on `horizontal`.
struct EyeAtBer {
  double eyeHeight = 0.0;
  double eyeWidth = 0.0;
  double bestPhase = 0.0;
};

// Resolution: edges to 0.05 ps and 0.05 mV, the best phase to 0.05 ps. The longest
// open stretch of phases is bracketed on `horizontal` (HorizontalBathtub) and
// the height maximised over that stretch by Brent's method (the height of an
// eye rises to one peak and falls again). Each height's edges are first looked for as
// far inside the deterministic eye's inner levels as the previous phase's were, and
// the width's edges where `horizontal` crosses the target.
EyeAtBer SolveEyeAtBer(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                       const Bathtub& horizontal);

}  // namespace tovan
