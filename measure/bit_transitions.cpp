#include "measure/bit_transitions.h"

#include <algorithm>

namespace tovan {
namespace {

bool IsOne(const IntVector& bits, long long j) {
  const long long count = bits.length();
  return bits[static_cast<int>(((j % count) + count) % count)] == 1;
}

// Equal bits from `start` on in steps of `step` (+1 or -1), at most the pattern's length.
int RunLength(const IntVector& bits, int start, int step) {
  const bool value = IsOne(bits, start);
  int run = 1;
  while (run < bits.length() && IsOne(bits, start + static_cast<long long>(run) * step) == value) ++run;
  return run;
}

}  // namespace

std::vector<Transition> FindTransitions(const IntVector& bits) {
  std::vector<Transition> transitions;
  for (int j = 0; j < bits.length(); ++j) {
    const bool before = IsOne(bits, j - 1);
    const bool after = IsOne(bits, j);
    if (before == after) continue;
    transitions.push_back({j, after, RunLength(bits, j - 1, -1), RunLength(bits, j, +1)});
  }
  return transitions;
}

int MostIsolated(const std::vector<Transition>& transitions, bool rising) {
  int best = -1;
  for (int k = 0; k < static_cast<int>(transitions.size()); ++k) {
    const Transition& t = transitions[k];
    if (t.rising != rising) continue;
    if (best < 0) {
      best = k;
      continue;
    }
    const Transition& b = transitions[best];
    const int settled = std::min(t.runBefore, t.runAfter);
    const int bestSettled = std::min(b.runBefore, b.runAfter);
    if (settled > bestSettled ||
        (settled == bestSettled && t.runBefore + t.runAfter > b.runBefore + b.runAfter))
      best = k;
  }
  return best;
}

}  // namespace tovan
