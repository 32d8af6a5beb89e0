#pragma once

#include "numeric/vector.h"

namespace tovan {

// The spread of threshold crossings in time, all in samples.
//
// Crossing phases live on a circle one bit cell long (phase q and q + S are the same
// instant of the cell). The circle is cut open in the middle of the largest gap
// between circularly consecutive phases: the crossings then form one cluster, and
// its spread no longer depends on where the cell boundary lies (a delayed signal
// whose crossings straddle the boundary measures like an undelayed one).
struct CrossingSpread {
  double largestGap;  // the horizontal opening: the crossing-free part of the cell
  double peakToPeak;  // samplesPerBit - largestGap
  double rms;         // population standard deviation of the unwrapped phases
};

// The largest gap is sought first across the wrap (from the last sorted phase round
// to the first), then between sorted neighbours in increasing order; only a strictly
// larger gap replaces it. Phases below the gap's upper end are unwrapped by adding
// samplesPerBit. The mean and then the sum of squared deviations are accumulated in
// the order of `phases`, and rms = sqrt(sum / count). One crossing gives a gap of a
// whole cell and zero spread; no crossings give NaN in every field.
CrossingSpread SpreadOfCrossings(const Vector& phases, int samplesPerBit);

}  // namespace tovan
