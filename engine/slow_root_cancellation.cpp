#include "engine/slow_root_cancellation.h"

#include <cmath>

#include "numeric/constants.h"

namespace tovan {
namespace {

// Removes from `partners` the root nearest to `root`; the rest end up ordered by
// their distance from it.
void RemoveNearest(FactoredPolynomial& partners, const Complex& root) {
  ComplexVector offsets = Subtract(static_cast<const ComplexVector&>(partners), root);
  SortByMagnitude(offsets);
  RemoveAt(offsets, 0);
  static_cast<ComplexVector&>(partners) = Add(root, offsets);
  partners.gain = 1.0;
}

bool CancelAgainst(FactoredPolynomial& side, FactoredPolynomial& other) {
  bool cancelled = false;
  int i = 0;
  while (i < side.length()) {
    if (IsSlowRoot(side[i]) && other.length() > 0) {
      RemoveNearest(other, side[i]);
      RemoveAt(side, i);
      cancelled = true;
    } else {
      ++i;
    }
  }
  return cancelled;
}

}  // namespace

bool IsSlowRoot(const Complex& root) {
  return (std::fabs(root.im) >= 1e-8 || root.re < 0.0) && root.re * kMinusInversePi <= 0.3;
}

bool CancelSlowRoots(FactoredPolynomial& zeros, FactoredPolynomial& poles) {
  const bool zerosCancelled = CancelAgainst(zeros, poles);
  const bool polesCancelled = CancelAgainst(poles, zeros);
  return zerosCancelled || polesCancelled;
}

}  // namespace tovan
