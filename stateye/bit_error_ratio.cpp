#include "stateye/bit_error_ratio.h"

#include <algorithm>
#include <cmath>

#include "stateye/normal_distribution.h"
#include "stateye/strip_mass.h"

namespace tovan {
namespace {

// Random jitter is followed to this many standard deviations (as in strip_mass.cpp).
constexpr double kJitterReach = 12.0;
// A cell's term is integrated to an absolute error of about kRelativeFloor times the
// BER without random jitter (a cheap first estimate of the result), and never finer
// than kAbsoluteFloor: far below any ratio the figures, bathtubs and contours read.
constexpr double kRelativeFloor = 1e-9;
constexpr double kAbsoluteFloor = 1e-26;

double SampleAt(const PeriodicEyeSignal& signal, long long n) {
  const long long count = static_cast<long long>(signal.samples.size());
  return signal.samples[((n % count) + count) % count];
}

// The probability of a wrong decision without random jitter: y(tau) against v.
double PointError(const PeriodicEyeSignal& signal, bool one, double tau, double noise, double v) {
  const double margin = one ? v - signal.at(tau) : signal.at(tau) - v;
  if (noise > 0.0) return NormalCdf(margin / noise);
  return margin > 0.0 ? 1.0 : (margin == 0.0 ? 0.5 : 0.0);
}

// E_z[wrong decision at y(tau + rj z)], interval by interval over tau +- 12 rj.
double JitteredError(const PeriodicEyeSignal& signal, bool one, double tau, double rj, double noise, double v,
                     double negligible) {
  if (rj == 0.0) return PointError(signal, one, tau, noise, v);
  const double h = signal.samplePs;
  const double first = tau - kJitterReach * rj;
  const double last = tau + kJitterReach * rj;
  const double sign = one ? 1.0 : -1.0;
  double sum = 0.0;
  for (long long k = static_cast<long long>(std::floor(first / h)); k * h < last; ++k) {
    const double start = std::max(k * h, first);
    const double end = std::min((k + 1) * h, last);
    const double za = (start - tau) / rj;
    const double zb = (end - tau) / rj;
    const double y0 = SampleAt(signal, k);
    const double slope = (SampleAt(signal, k + 1) - y0) / h;
    // y = a + b z on this interval; the decision errs where sign * (v - y) > 0.
    const double a = y0 + slope * (tau - k * h);
    const double b = slope * rj;
    if (noise > 0.0)
      sum += StripMassBelowLine(za, zb, sign * (v - a) / noise, -sign * b / noise, negligible);
    else
      sum += StripMassWherePositive(za, zb, sign * (v - a), -sign * b);
  }
  return sum;
}

// The BER with the random jitter left out, the same sum over the same cells.
double WithoutRandomJitter(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
                           double volts) {
  const double ui = signal.uiPs();
  const double halfDj = 0.5 * settings.dj;
  double sum = 0.0;
  for (int j = 0; j < signal.bits(); ++j) {
    const double tau = j * ui + phasePs;
    sum += 0.5 * PointError(signal, signal.ones[j], tau - halfDj, settings.noise, volts);
    sum += 0.5 * PointError(signal, signal.ones[j], tau + halfDj, settings.noise, volts);
  }
  return sum / signal.bits();
}

}  // namespace

double BitErrorRatio(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
                     double volts) {
  const double ui = signal.uiPs();
  const double halfDj = 0.5 * settings.dj;
  const double estimate = settings.rj > 0.0 && settings.noise > 0.0 ? WithoutRandomJitter(signal, settings, phasePs, volts) : 0.0;
  const double negligible = std::max(kAbsoluteFloor, kRelativeFloor * estimate) * signal.bits();
  double sum = 0.0;
  // Cells in increasing order, the early impulse before the late one: the sum's
  // rounding depends on it.
  for (int j = 0; j < signal.bits(); ++j) {
    const bool one = signal.ones[j];
    const double tau = j * ui + phasePs;
    if (halfDj == 0.0) {
      sum += JitteredError(signal, one, tau, settings.rj, settings.noise, volts, negligible);
    } else {
      sum += 0.5 * JitteredError(signal, one, tau - halfDj, settings.rj, settings.noise, volts, negligible);
      sum += 0.5 * JitteredError(signal, one, tau + halfDj, settings.rj, settings.noise, volts, negligible);
    }
  }
  return sum / signal.bits();
}

}  // namespace tovan
