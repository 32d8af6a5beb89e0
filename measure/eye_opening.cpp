#include "measure/eye_opening.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tovan {

double EyeHeightAt(const Vector& signal, const IntVector& bits, int samplesPerBit, int row) {
  double lowestOne = std::numeric_limits<double>::infinity();
  double highestZero = -std::numeric_limits<double>::infinity();
  bool anyOne = false;
  bool anyZero = false;
  for (int j = 0; j < bits.length(); ++j) {
    const double v = signal[j * samplesPerBit + row];
    if (bits[j] == 1) {
      anyOne = true;
      if (v < lowestOne) lowestOne = v;
    } else {
      anyZero = true;
      if (v > highestZero) highestZero = v;
    }
  }
  if (!anyOne || !anyZero) return std::numeric_limits<double>::quiet_NaN();
  return lowestOne - highestZero;
}

int CentreRow(int samplesPerBit) { return samplesPerBit / 2; }

BestOpening BestEyeOpening(const Vector& signal, const IntVector& bits, int samplesPerBit) {
  const int centre = CentreRow(samplesPerBit);
  BestOpening best{std::numeric_limits<double>::quiet_NaN(), -1};
  for (int r = 0; r < samplesPerBit; ++r) {
    const double height = EyeHeightAt(signal, bits, samplesPerBit, r);
    if (std::isnan(height)) continue;
    const bool better = best.row < 0 || height > best.height ||
                        (height == best.height && std::abs(r - centre) < std::abs(best.row - centre));
    if (better) best = {height, r};
  }
  return best;
}

}  // namespace tovan
