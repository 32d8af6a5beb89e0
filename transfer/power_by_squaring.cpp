#include "transfer/power_by_squaring.h"

namespace tovan {

double PowerBySquaring(double x, int k) {
  // Unsigned magnitude, so that the most negative int has one too.
  unsigned int e = k < 0 ? 0u - static_cast<unsigned int>(k) : static_cast<unsigned int>(k);
  double result = 1.0;
  double square = x;
  while (e > 0) {
    if (e & 1u) result = result * square;
    e >>= 1;
    if (e > 0) square = square * square;
  }
  return k < 0 ? 1.0 / result : result;
}

std::int64_t IntegerPowerBySquaring(std::int64_t base, int k) {
  std::int64_t result = 1;
  std::int64_t square = base;
  for (int e = k; e > 0; e >>= 1) {
    if (e & 1) result = result * square;
    if (e > 1) square = square * square;
  }
  return result;
}

}  // namespace tovan
