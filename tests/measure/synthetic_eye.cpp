#include "measure/synthetic_eye.h"

#include <algorithm>
#include <cmath>

namespace tovan::testing {
namespace {

int Wrap(int i, int n) { return ((i % n) + n) % n; }

double Level(const RampPattern& p, int bit) {
  return p.bits[Wrap(bit, static_cast<int>(p.bits.size()))] == '1' ? p.high : p.low;
}

double EdgeValue(const RampPattern& p, int boundary, int n) {
  const double from = Level(p, boundary - 1);
  const double to = Level(p, boundary);
  const int count = static_cast<int>(p.bits.size());
  const double shift = p.shift.empty() ? 0.0 : p.shift[Wrap(boundary, count)];
  const double centre = boundary * p.samplesPerBit - 0.5 + shift;
  if (p.rampSamples == 0.0) return n < centre ? from : to;
  const double x = std::clamp((n - centre) / p.rampSamples + 0.5, 0.0, 1.0);
  return from + (to - from) * x;
}

}  // namespace

IntVector Bits(const std::string& pattern) {
  IntVector bits(static_cast<int>(pattern.size()));
  for (int j = 0; j < bits.length(); ++j) bits[j] = pattern[j] == '1' ? 1 : 0;
  return bits;
}

Vector RampSignal(const RampPattern& p) {
  const int s = p.samplesPerBit;
  Vector signal(static_cast<int>(p.bits.size()) * s);
  for (int n = 0; n < signal.length(); ++n) {
    const int cell = n / s;
    // Each half cell belongs to the edge at its nearer boundary.
    const int boundary = n % s < s / 2 ? cell : cell + 1;
    signal[n] = EdgeValue(p, boundary, n);
  }
  return signal;
}

Vector OnePoleSignal(const std::string& bits, int samplesPerBit, double tauSamples) {
  const int count = static_cast<int>(bits.size());
  const int length = count * samplesPerBit;
  const double halfStep = std::exp(-0.5 / tauSamples);
  const auto input = [&](int n) { return bits[Wrap(n / samplesPerBit, count)] == '1' ? 0.6 : -0.6; };
  Vector signal(length);
  double y = 0.0;
  // Three periods from rest: the start-up transient is gone long before the last.
  for (int n = 1; n <= 3 * length; ++n) {
    const double mid = input(n - 1) + (y - input(n - 1)) * halfStep;
    y = input(n) + (mid - input(n)) * halfStep;
    if (n >= 2 * length) signal[n % length] = y;
  }
  return signal;
}

Matrix OneCellTable(const Vector& signal, int samplesPerBit) {
  const int bits = signal.length() / samplesPerBit;
  Matrix table(samplesPerBit, bits);
  for (int j = 0; j < bits; ++j)
    for (int r = 0; r < samplesPerBit; ++r) table[r][j] = signal[j * samplesPerBit + r];
  return table;
}

Matrix ThreeCellTable(const Vector& signal, int samplesPerBit) {
  const int bits = signal.length() / samplesPerBit;
  Matrix table(3 * samplesPerBit, bits);
  for (int j = 0; j < bits; ++j)
    for (int r = 0; r < 3 * samplesPerBit; ++r)
      table[r][j] = signal[Wrap((j - 1) * samplesPerBit + r, signal.length())];
  return table;
}

}  // namespace tovan::testing
