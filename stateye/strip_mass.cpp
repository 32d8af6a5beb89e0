#include "stateye/strip_mass.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stateye/normal_distribution.h"

namespace tovan {
namespace {

// Beyond 12 standard deviations less than 2e-33 of either distribution remains.
constexpr double kReach = 12.0;
// A piece's integrand may change by a factor of e^8 at most, and a piece is never
// longer than four standard deviations: the 8-point rule then integrates exp(a x) and
// the Gaussian on it to a relative 1e-7 or better.
constexpr double kPieceLogSpan = 8.0;
constexpr double kLongestPiece = 4.0;

constexpr std::array<double, 4> kNodes{0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                       0.9602898564975363};
constexpr std::array<double, 4> kWeights{0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                         0.1012285362903763};

template <typename F>
double GaussLegendre8(double a, double b, const F& f) {
  const double half = 0.5 * (b - a);
  const double centre = 0.5 * (a + b);
  double sum = 0.0;
  for (int i = 0; i < 4; ++i) sum += kWeights[i] * (f(centre - half * kNodes[i]) + f(centre + half * kNodes[i]));
  return half * sum;
}

// Integrates f over [a, b] in pieces no longer than kPieceLogSpan / logSlope(x), judged
// at both ends of each piece; `skip(x0, x1)` says a piece is negligible.
template <typename F, typename L, typename S>
double Composite(double a, double b, const F& f, const L& logSlope, const S& skip) {
  double sum = 0.0;
  for (double x = a; x < b;) {
    double step = std::min(kLongestPiece, kPieceLogSpan / logSlope(x));
    step = std::min(step, kPieceLogSpan / logSlope(std::min(x + step, b)));
    const double end = b - x <= step ? b : x + step;
    if (!skip(x, end)) sum += GaussLegendre8(x, end, f);
    x = end;
  }
  return sum;
}

// Log of the largest value of exp(-x^2 / 2) on [a, b].
double GaussianLogPeak(double a, double b) {
  const double nearest = a > 0.0 ? a : (b < 0.0 ? b : 0.0);
  return -0.5 * nearest * nearest;
}

// A line so flat that Phi(c + d z) is a parabola to within about 1e-5 over the strip's
// Gaussian mass: Phi is expanded about the mass's mean and integrated against the
// truncated normal's first three moments. Returns a negative number when the line is
// too steep for it.
constexpr double kFlatEnough = 0.05;

double NearlyFlat(double za, double zb, double c, double d) {
  const double mass = NormalMass(za, zb);
  if (mass == 0.0) return 0.0;
  const double pa = NormalDensity(za);
  const double pb = NormalDensity(zb);
  const double mean = (pa - pb) / mass;
  const double variance = std::max(0.0, (mass + za * pa - zb * pb) / mass - mean * mean);
  const double u = c + d * mean;
  if (std::abs(d) * (1.0 + std::abs(u)) * std::sqrt(variance) > kFlatEnough) return -1.0;
  const double curvature = -d * d * u * NormalDensity(u);  // d^2/dz^2 of Phi(c + d z)
  return mass * (NormalCdf(u) + 0.5 * curvature * variance);
}

// Along z: phi(z) Phi(c + d z) with |d| <= 1.
double AlongJitter(double za, double zb, double c, double d, double negligibleLog) {
  const auto f = [&](double z) { return NormalDensity(z) * NormalCdf(c + d * z); };
  const auto slope = [&](double z) { return std::max(1.0, std::abs(z)) + std::abs(d) * std::max(0.0, -(c + d * z)); };
  const auto skip = [&](double z0, double z1) {
    const double uMax = std::max(c + d * z0, c + d * z1);
    return GaussianLogPeak(z0, z1) + (uMax < 0.0 ? -0.5 * uMax * uMax : 0.0) < negligibleLog;
  };
  return Composite(std::max(za, -kReach), std::min(zb, kReach), f, slope, skip);
}

// Along w: phi(w) times the mass of the z in [za, zb] with c + d z > w, |d| > 1. Below
// the line's lowest point on the strip the whole strip counts.
double AlongNoise(double za, double zb, double c, double d, double negligibleLog) {
  const double ua = c + d * za;
  const double ub = c + d * zb;
  const double low = std::min(ua, ub);
  const double high = std::max(ua, ub);
  const double whole = NormalCdf(low) * NormalMass(za, zb);
  const auto zAt = [&](double w) { return (w - c) / d; };
  const auto f = [&](double w) {
    const double z = zAt(w);
    return NormalDensity(w) * (d > 0.0 ? NormalMass(z, zb) : NormalMass(za, z));
  };
  const auto slope = [&](double w) { return std::max(1.0, std::abs(w)) + std::abs(zAt(w)) / std::abs(d); };
  // The strip's mass above the line shrinks as w grows: on a piece it is at most its
  // value at the piece's lower end.
  const auto skip = [&](double w0, double w1) {
    const double z = zAt(w0);
    const double mass = d > 0.0 ? NormalMass(z, zb) : NormalMass(za, z);
    return mass == 0.0 || GaussianLogPeak(w0, w1) + std::log(mass) < negligibleLog;
  };
  return whole + Composite(std::max(low, -kReach), std::min(high, kReach), f, slope, skip);
}

}  // namespace

double StripMassBelowLine(double za, double zb, double c, double d, double negligible) {
  const double ua = c + d * za;
  const double ub = c + d * zb;
  if (std::min(ua, ub) >= kReach) return NormalMass(za, zb);
  if (std::max(ua, ub) <= -kReach) return 0.0;
  const double negligibleLog = std::log(negligible);
  if (std::abs(d) > 1.0) return AlongNoise(za, zb, c, d, negligibleLog);
  const double flat = NearlyFlat(za, zb, c, d);
  return flat >= 0.0 ? flat : AlongJitter(za, zb, c, d, negligibleLog);
}

double StripMassWherePositive(double za, double zb, double c, double d) {
  if (d == 0.0) {
    if (c == 0.0) return 0.5 * NormalMass(za, zb);
    return c > 0.0 ? NormalMass(za, zb) : 0.0;
  }
  const double root = -c / d;
  return d > 0.0 ? NormalMass(std::max(za, root), zb) : NormalMass(za, std::min(zb, root));
}

}  // namespace tovan
