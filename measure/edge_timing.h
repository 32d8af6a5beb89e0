#pragma once

#include <vector>

#include "measure/bit_transitions.h"
#include "numeric/vector.h"

namespace tovan {

// Transition times of single edges, in samples.
//
// An edge's window is a stretch of the period around one transition, and the
// transition's nominal instant lies half a sample before the window's `boundary`
// sample (the first sample of the new bit): where a step between the two cells
// crosses. Within the window the edge is found as the crossing of `levels.middle`
// in the edge's direction nearest that instant; it starts at the last crossing of
// `levels.start` at or before it and ends at the first crossing of `levels.end` at
// or after it (so ringing after the edge and the tail of an earlier edge are not
// taken for the edge itself).
struct EdgeLevels {
  double start;   // for a rising 10-90 measurement the 10 % level, for a falling one the 90 %
  double middle;  // the decision threshold
  double end;
};

// end - start in samples; NaN when the window lacks one of the three crossings.
double EdgeDuration(const Vector& window, int boundary, int direction, const EdgeLevels& levels);

// The isolated edge's window: its whole runs, from the first cell of the run before
// the transition to the last cell of the run after it. `boundary` is
// runBefore * samplesPerBit.
Vector IsolatedEdgeWindow(const Vector& signal, const Transition& edge, int samplesPerBit);

// The average edge of one direction: the sample-by-sample mean of the two-cell
// windows (the cell before each transition and the cell after it; boundary
// samplesPerBit) over every transition of that direction, summed in increasing
// order of the transition's bit and then divided by their number. Empty when there
// is no such transition.
Vector AverageEdgeWindow(const Vector& signal, const std::vector<Transition>& transitions,
                         bool rising, int samplesPerBit);

}  // namespace tovan
