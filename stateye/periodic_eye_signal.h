#pragma once

#include <vector>

#include "measure/eye_frame.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"

namespace tovan {

// The scope-affected signal over one pattern period, as the statistical eye reads it:
// y(tau) for any time tau in ps, periodic, linear between samples (sample n lies at
// tau = n * samplePs), and the bit each cell carries.
struct PeriodicEyeSignal {
  std::vector<double> samples;  // B * S samples; cell j holds samples j*S ... j*S + S - 1
  std::vector<bool> ones;       // B bits, lined up with the cells
  int samplesPerBit = 0;
  double samplePs = 0.0;  // SampleSpacingPs of the frame
  double highLevel = 0.0;
  double lowLevel = 0.0;
  double midLevel = 0.0;  // Threshold of the frame

  bool empty() const { return ones.empty(); }
  int bits() const { return static_cast<int>(ones.size()); }
  double uiPs() const { return samplesPerBit * samplePs; }
  // y(tau), linear between the two samples around tau, wrapped into the period.
  double at(double tauPs) const;
};

// The period behind a trace table (measure/periodic_trace.h) with the bits lined up by
// the same whole-cell lag the eye measurements use (measure/bit_alignment.h), so that
// every figure here speaks of the same cells as MeasureEye. Empty when MeasureEye would
// measure nothing: an unusable frame, a table that does not fit it, a bit count other
// than the column count, a sample that is not finite, or a pattern without both ones
// and zeros.
PeriodicEyeSignal MakePeriodicEyeSignal(const Matrix& traces, const IntVector& bits, const EyeFrame& frame);

}  // namespace tovan
