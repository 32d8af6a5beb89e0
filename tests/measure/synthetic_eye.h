#pragma once

#include <string>
#include <utility>
#include <vector>

#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan::testing {

// Bits from a string of '0' and '1'.
IntVector Bits(const std::string& pattern);

// A periodic two-level signal with straight-line edges. Boundary k (between bit k - 1
// and bit k) has its edge centred at k*S - 0.5 + shift[k] samples; each edge is a
// ramp of `rampSamples` from one level to the other (0: an ideal step).
struct RampPattern {
  RampPattern(std::string pattern, int samples, double ramp = 0.0)
      : bits(std::move(pattern)), samplesPerBit(samples), rampSamples(ramp) {}

  std::string bits;
  int samplesPerBit;
  double rampSamples;
  std::vector<double> shift;  // per boundary, samples; empty for none
  double high = 0.6;
  double low = -0.6;
};
Vector RampSignal(const RampPattern& pattern);

// The exact sampled output of a one-pole low-pass (time constant tauSamples) driven
// by the ideal two-level pattern whose steps lie half a sample before each cell.
Vector OnePoleSignal(const std::string& bits, int samplesPerBit, double tauSamples);

// The trace tables of a periodic signal: one cell per column, or the previous, the
// current and the next cell stacked.
Matrix OneCellTable(const Vector& signal, int samplesPerBit);
Matrix ThreeCellTable(const Vector& signal, int samplesPerBit);

}  // namespace tovan::testing
