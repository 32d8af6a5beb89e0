#pragma once

#include "transfer/factored_polynomial.h"

namespace tovan {

// A root qualifies for cancellation when it is complex or negative real and decays
// slower than about 0.15 GHz: (|Im r| >= 1e-8 or Re r < 0) and Re r * (-1/pi) <= 0.3.
bool IsSlowRoot(const Complex& root);

// Cancels every slow zero against its nearest pole, then every slow pole against its
// nearest zero. The side that loses a root is re-ordered by distance from the
// cancelled root and its gain set to 1. A slow root whose other side is already
// empty is kept: there is nothing to cancel it against. Returns whether any root
// was cancelled.
bool CancelSlowRoots(FactoredPolynomial& zeros, FactoredPolynomial& poles);

}  // namespace tovan
