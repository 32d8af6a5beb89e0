#pragma once

#include "numeric/int_vector.h"
#include "numeric/vector.h"

namespace tovan {

// Pseudo-random bits from the linear recurrence over GF(2)
//   bit_i = (a_0 bit_(i-n) + a_1 bit_(i-n+1) + ... + a_(n-1) bit_(i-1)) mod 2
// with taps a_0 ... a_n (a_n = 1, n the degree), seeded with n ones that are
// inverted to zeros once the 2^n bits are generated. The sequence is generated on
// first use and cached. An invalid tap set gives empty outputs.
class PrbsGenerator {
 public:
  // Invalid, both levels 0.
  PrbsGenerator() = default;
  // Taps are read through the virtual `at` for indices 0 ... length - 1. Entries
  // must be 0 or 1; any other value makes the generator invalid. The degree is the
  // index of the last 1 and must be at least 1; entries above it are dropped.
  PrbsGenerator(const IntVector& taps, double highLevel, double lowLevel);

  bool IsValid() const { return valid; }

  // A copy of the 2^n bits (0 or 1); empty when invalid. A degree whose sequence
  // would not fit an int throws std::length_error.
  IntVector Sequence();

  // floor(2^n * samplesPerBit) samples; sample i is highLevel when bit
  // floor(i * (1/samplesPerBit)) is 1, else lowLevel (the reciprocal formed once).
  // Empty when invalid or when the count is not a positive number.
  Vector Samples(double samplesPerBit);

 private:
  void GenerateIfNeeded();

  bool valid = false;
  double highLevel = 0.0;
  double lowLevel = 0.0;
  IntVector taps;
  IntVector sequence;
};

}  // namespace tovan
