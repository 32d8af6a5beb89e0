#pragma once

#include <vector>

#include "numeric/int_vector.h"

namespace tovan {

// The transitions of a periodic bit pattern (a bit equal to 1 is a one, any other
// value a zero; the bit before bit 0 is the last bit).
struct Transition {
  int bit;        // the first bit after the transition: its cell starts the new level
  bool rising;    // a zero followed by a one
  int runBefore;  // how many equal bits end at bit - 1 (at least 1)
  int runAfter;   // how many equal bits start at bit (at least 1)
};

// Every transition in increasing order of `bit`; none for a constant or empty pattern.
std::vector<Transition> FindTransitions(const IntVector& bits);

// The isolated edge of one direction: the transition with the longest settled runs
// around it, that is the largest min(runBefore, runAfter), then the largest
// runBefore + runAfter, then the earliest. Its index in `transitions`, -1 when the
// pattern has no transition of that direction.
int MostIsolated(const std::vector<Transition>& transitions, bool rising);

}  // namespace tovan
