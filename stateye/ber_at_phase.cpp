#include "stateye/ber_at_phase.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "stateye/normal_distribution.h"
#include "stateye/strip_mass.h"

namespace tovan {
namespace {

// Random jitter is followed to this many standard deviations (as in strip_mass.cpp).
constexpr double kJitterReach = 12.0;
// What is negligible (BerAccuracy) is raised as the sum grows, whenever it can rise by
// kFloorRise at least (each rise costs a logarithm).
constexpr double kFloorRise = 2.0;

double SampleAt(const PeriodicEyeSignal& signal, long long n) {
  const long long count = static_cast<long long>(signal.samples.size());
  return signal.samples[((n % count) + count) % count];
}

// The probability of a wrong decision at the level y, without random jitter.
double PointError(bool one, double y, double noise, double v) {
  const double margin = one ? v - y : y - v;
  if (noise > 0.0) return NormalCdf(margin / noise);
  return margin > 0.0 ? 1.0 : (margin == 0.0 ? 0.5 : 0.0);
}

}  // namespace

BerAtPhase::BerAtPhase(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
                       const BerAccuracy& accuracy)
    : settings_(settings), accuracy_(accuracy), bits_(signal.bits()),
      wholeJitterMass_(NormalMass(-kJitterReach, kJitterReach)) {
  const double ui = signal.uiPs();
  const double h = signal.samplePs;
  const double rj = settings.rj;
  const double halfDj = 0.5 * settings.dj;
  const int impulses = halfDj == 0.0 ? 1 : 2;
  positions_.reserve(static_cast<std::size_t>(bits_) * impulses);
  // Each position's strips: the intervals that 2 * 12 rj overlaps, one more at most.
  if (rj > 0.0) strips_.reserve(positions_.capacity() * static_cast<std::size_t>(2.0 * kJitterReach * rj / h + 2.0));
  const auto add = [&](bool one, double tau, double weight) {
    const double y = signal.at(tau);
    Position p{y, weight, one, static_cast<int>(strips_.size()), 0, y, y};
    if (rj > 0.0) {
      // Interval by interval over tau +- 12 rj.
      const double first = tau - kJitterReach * rj;
      const double last = tau + kJitterReach * rj;
      for (long long k = static_cast<long long>(std::floor(first / h)); k * h < last; ++k) {
        const double start = std::max(k * h, first);
        const double end = std::min((k + 1) * h, last);
        const double y0 = SampleAt(signal, k);
        const double slope = (SampleAt(signal, k + 1) - y0) / h;
        const JitterStrip z = MakeJitterStrip((start - tau) / rj, (end - tau) / rj, accuracy.stripsWorkedOut);
        const Strip strip{z, y0 + slope * (tau - k * h), slope * rj};
        for (const double z : {strip.z.za, strip.z.zb}) {
          p.lowest = std::min(p.lowest, strip.a + strip.b * z);
          p.highest = std::max(p.highest, strip.a + strip.b * z);
        }
        strips_.push_back(strip);
      }
    }
    p.endStrip = static_cast<int>(strips_.size());
    positions_.push_back(p);
  };
  for (int j = 0; j < bits_; ++j) {
    const bool one = signal.ones[j];
    const double tau = j * ui + phasePs;
    if (halfDj == 0.0) {
      add(one, tau, 1.0);
    } else {
      add(one, tau - halfDj, 0.5);
      add(one, tau + halfDj, 0.5);
    }
  }
}

// E_z[wrong decision at y(tau + rj z)], strip by strip.
double BerAtPhase::Error(const Position& p, double volts, const Negligible& negligible) const {
  if (settings_.rj == 0.0) return PointError(p.one, p.y, settings_.noise, volts);
  const double sign = p.one ? 1.0 : -1.0;
  const double noise = settings_.noise;
  if (noise > 0.0) {
    // Every strip's decision right beyond the noise's reach: each would give 0. Every
    // one wrong: each would give its whole mass, together the jitter's whole mass.
    if ((p.one ? volts - p.lowest : p.highest - volts) <= -negligible.reach * noise) return 0.0;
    if ((p.one ? volts - p.highest : p.lowest - volts) >= negligible.reach * noise) return wholeJitterMass_;
  }
  double sum = 0.0;
  for (int i = p.firstStrip; i < p.endStrip; ++i) {
    const Strip& s = strips_[i];
    // The decision errs where sign * (v - y) > 0.
    if (noise > 0.0)
      sum += StripMassBelowLine(s.z, sign * (volts - s.a) / noise, -sign * s.b / noise, negligible, accuracy_);
    else
      sum += StripMassWherePositive(s.z, sign * (volts - s.a), -sign * s.b);
  }
  return sum;
}

// The BER with the random jitter left out, the same sum over the same positions.
double BerAtPhase::WithoutRandomJitter(double volts) const {
  double sum = 0.0;
  for (const Position& p : positions_) sum += p.weight * PointError(p.one, p.y, settings_.noise, volts);
  return sum / bits_;
}

double BerAtPhase::LowestOne() const {
  double lowest = std::numeric_limits<double>::infinity();
  for (const Position& p : positions_) if (p.one) lowest = std::min(lowest, p.y);
  return lowest;
}

double BerAtPhase::HighestZero() const {
  double highest = -std::numeric_limits<double>::infinity();
  for (const Position& p : positions_) if (!p.one) highest = std::max(highest, p.y);
  return highest;
}

double BerAtPhase::operator()(double volts) const {
  const bool worthIt = accuracy_.estimateFirst && settings_.rj > 0.0 && settings_.noise > 0.0;
  const double estimate = worthIt ? WithoutRandomJitter(volts) : 0.0;
  const double relative = accuracy_.relativeFloor;
  double negligible = std::max(accuracy_.absoluteFloor, relative * estimate) * bits_;
  Negligible left = MakeNegligible(negligible, accuracy_);
  double sum = 0.0;
  // Positions in increasing order, the early impulse before the late one: the sum's
  // rounding depends on it.
  for (const Position& p : positions_) {
    sum += p.weight * Error(p, volts, left);
    // The sum so far is a lower bound of the result: what is negligible against it is
    // negligible against the result.
    if (relative * sum > kFloorRise * negligible) {
      negligible = relative * sum;
      left = MakeNegligible(negligible, accuracy_);
    }
  }
  return sum / bits_;
}

}  // namespace tovan
