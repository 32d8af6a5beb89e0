#include "transfer/prbs_generator.h"

#include <climits>
#include <cmath>
#include <stdexcept>

#include "transfer/power_by_squaring.h"

namespace tovan {

PrbsGenerator::PrbsGenerator(const IntVector& givenTaps, double high, double low)
    : highLevel(high), lowLevel(low) {
  int degree = 0;
  for (int k = 0; k < givenTaps.length(); ++k) {
    const int tap = givenTaps.at(k);
    if (tap == 1) {
      degree = k;
    } else if (tap != 0) {
      return;
    }
  }
  if (degree == 0) return;
  taps.Resize(degree + 1);
  for (int k = 0; k <= degree; ++k) taps[k] = givenTaps.at(k);
  valid = true;
}

void PrbsGenerator::GenerateIfNeeded() {
  if (sequence.length() > 0) return;
  const int n = taps.length() - 1;
  const double bits = std::floor(PowerBySquaring(2.0, n));
  if (bits > INT_MAX) throw std::length_error("pseudo-random sequence too long");
  const int length = static_cast<int>(bits);
  sequence.Resize(length);
  for (int i = 0; i < n; ++i) sequence[i] = 1;
  for (int i = n; i < length; ++i) {
    // The k = n term reads bit i itself, still 0.
    int s = 0;
    for (int k = 0; k <= n; ++k) s += taps[k] * sequence[i - n + k];
    sequence[i] = s % 2;
  }
  for (int i = 0; i < n; ++i) sequence[i] = 1 - sequence[i];
}

IntVector PrbsGenerator::Sequence() {
  if (!valid) return IntVector();
  GenerateIfNeeded();
  return sequence;
}

Vector PrbsGenerator::Samples(double samplesPerBit) {
  if (!valid) return Vector();
  GenerateIfNeeded();
  const int bits = sequence.length();
  const double count = std::floor(bits * samplesPerBit);
  if (!(count > 0.0)) return Vector();
  if (count > INT_MAX) throw std::length_error("too many samples");
  const int n = static_cast<int>(count);
  const double step = 1.0 / samplesPerBit;
  Vector result(n);
  for (int i = 0; i < n; ++i) {
    // The floored product can reach the bit count itself for extreme rates; that
    // sample reads as a 0 bit rather than past the end.
    const double position = std::floor(i * step);
    const bool one = position < bits && sequence[static_cast<int>(position)] == 1;
    result[i] = one ? highLevel : lowLevel;
  }
  return result;
}

}  // namespace tovan
