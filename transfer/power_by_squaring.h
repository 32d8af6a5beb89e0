#pragma once

#include <cstdint>

namespace tovan {

// x^k by repeated squaring of x, multiplying in the squares selected by the bits of
// |k| from the lowest up; 1/x^|k| for negative k. x^0 is 1.
double PowerBySquaring(double x, int k);

// base^k for k >= 0 by repeated squaring in 64-bit integers; 1 for k <= 0. The
// caller keeps the result within range.
std::int64_t IntegerPowerBySquaring(std::int64_t base, int k);

}  // namespace tovan
