#include "measure/periodic_trace.h"

#include <climits>
#include <cmath>

namespace tovan {
namespace {

bool HasShape(const Matrix& traces, int samplesPerBit, bool threeCells) {
  if (samplesPerBit < 1) return false;
  const long long rows = threeCells ? 3LL * samplesPerBit : samplesPerBit;
  if (traces.rows() != rows) return false;
  const int bits = traces.cols();
  if (bits < 1 || static_cast<long long>(bits) * samplesPerBit > INT_MAX) return false;
  for (int r = 0; r < traces.rows(); ++r)
    if (traces[r].size() != bits) return false;
  return true;
}

}  // namespace

Vector UnrollTraceTable(const Matrix& traces, int samplesPerBit, bool threeCells) {
  if (!HasShape(traces, samplesPerBit, threeCells)) return Vector();
  const int bits = traces.cols();
  const int firstRow = threeCells ? samplesPerBit : 0;
  Vector signal(bits * samplesPerBit);
  int n = 0;
  for (int j = 0; j < bits; ++j)
    for (int r = 0; r < samplesPerBit; ++r) signal[n++] = traces[firstRow + r][j];
  return signal;
}

double PeriodicSample(const Vector& signal, long long n) {
  const long long length = signal.length();
  long long wrapped = n % length;
  if (wrapped < 0) wrapped += length;
  return signal[static_cast<int>(wrapped)];
}

Vector PeriodicWindow(const Vector& signal, long long first, int count) {
  Vector window(count);
  for (int k = 0; k < count; ++k) window[k] = PeriodicSample(signal, first + k);
  return window;
}

bool AllFinite(const Vector& signal) {
  for (int n = 0; n < signal.length(); ++n)
    if (!std::isfinite(signal[n])) return false;
  return true;
}

}  // namespace tovan
