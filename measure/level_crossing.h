#pragma once

#include "numeric/vector.h"

namespace tovan {

// Crossings of a level by a sampled signal, between samples by linear interpolation.
// The segment from value a (sample n) to value b (sample n + 1) crosses `level`
// when exactly one end is below it: (a < level) differs from (b < level). A sample
// lying exactly on the level therefore belongs to the side at or above it.

bool Crosses(double a, double b, double level);
// Rising (direction +1): a < level <= b. Falling (direction -1): a > level >= b, the
// mirror image (a falling crossing of a signal is a rising crossing of its negation).
bool CrossesInDirection(double a, double b, double level, int direction);
// Where a crossing segment meets the level, (level - a) / (b - a), in samples after
// the segment's first sample: in [0, 1], and in (0, 1] for a crossing in a direction.
// Only asked of a crossing segment.
double CrossingFraction(double a, double b, double level);

// Every crossing of the periodic signal, either direction, segment by segment in
// increasing n (segment length - 1 runs from the last sample to sample 0), each as
// its phase in the bit cell: (n mod samplesPerBit) + fraction, in [0, samplesPerBit]
// samples after the start of the cell holding sample n.
Vector CrossingPhases(const Vector& signal, double level, int samplesPerBit);

// The crossing of `level` in `direction` within `window` whose position (in samples
// from the window's first sample) is nearest to `target`; the earlier on a tie.
// NaN when there is none.
double NearestCrossing(const Vector& window, double level, int direction, double target);
// The last crossing of `level` in `direction` at or before `position`, scanning
// segments from the one holding `position` backwards; NaN when there is none.
double LastCrossingBefore(const Vector& window, double level, int direction, double position);
// The first crossing at or after `position`, scanning forwards; NaN when there is none.
double FirstCrossingAfter(const Vector& window, double level, int direction, double position);

}  // namespace tovan
