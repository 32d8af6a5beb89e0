#include "engine/flatness_start_guess.h"

#include <cmath>

#include "numeric/constants.h"

namespace tovan {

RationalFunction FlatnessStartGuess() {
  const double ratio = std::pow(2.0, std::log2(33.333333333333336) / 9);
  double corner[10];
  for (int k = 0; k < 10; ++k) corner[k] = 0.3 * std::pow(ratio, k);
  FactoredPolynomial zeros(5), poles(5);
  const int zeroIndex[5] = {1, 2, 5, 6, 9};
  const int poleIndex[5] = {0, 3, 4, 7, 8};
  for (int i = 0; i < 5; ++i) {
    zeros[i] = Complex{corner[zeroIndex[i]] * kMinusTwoPi, 0.0};
    poles[i] = Complex{corner[poleIndex[i]] * kMinusTwoPi, 0.0};
  }
  zeros.gain = 1.0;
  poles.gain = 1.0;
  return RationalFunction(zeros, poles);
}

}  // namespace tovan
