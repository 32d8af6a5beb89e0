#pragma once

#include "transfer/rational_function.h"

namespace tovan {

// Where the flatness fit starts: five real zeros and five real poles alternating in
// pairs along the negative real axis, at -2pi times frequencies geometric from 0.3 to
// 10 GHz (e_k = 0.3 * r^k with std::pow, not repeated multiplication: the roundings
// differ). Both gains are 1.
RationalFunction FlatnessStartGuess();

}  // namespace tovan
