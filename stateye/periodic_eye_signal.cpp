#include "stateye/periodic_eye_signal.h"

#include <algorithm>
#include <cmath>

#include "measure/bit_alignment.h"
#include "measure/periodic_trace.h"

namespace tovan {

double PeriodicEyeSignal::at(double tauPs) const {
  const double position = tauPs / samplePs;
  const double below = std::floor(position);
  const double fraction = position - below;
  const long long n = static_cast<long long>(below);
  const long long count = static_cast<long long>(samples.size());
  const long long first = ((n % count) + count) % count;
  const long long second = first + 1 == count ? 0 : first + 1;
  return samples[first] + (samples[second] - samples[first]) * fraction;
}

PeriodicEyeSignal MakePeriodicEyeSignal(const Matrix& traces, const IntVector& bits, const EyeFrame& frame) {
  PeriodicEyeSignal out;
  if (!IsUsable(frame)) return out;
  const Vector signal = UnrollTraceTable(traces, frame.samplesPerBit, frame.threeCells);
  if (signal.length() == 0 || bits.length() != traces.cols() || !AllFinite(signal)) return out;
  const IntVector aligned = DelayBits(bits, CellLag(signal, bits, frame.samplesPerBit, Threshold(frame)));
  std::vector<bool> ones(aligned.length());
  for (int j = 0; j < aligned.length(); ++j) ones[j] = aligned[j] == 1;
  const auto oneCount = std::count(ones.begin(), ones.end(), true);
  if (oneCount == 0 || oneCount == static_cast<long>(ones.size())) return out;
  out.samples.assign(signal.data(), signal.data() + signal.length());
  out.ones = std::move(ones);
  out.samplesPerBit = frame.samplesPerBit;
  out.samplePs = SampleSpacingPs(frame);
  out.highLevel = frame.highLevel;
  out.lowLevel = frame.lowLevel;
  out.midLevel = Threshold(frame);
  return out;
}

}  // namespace tovan
