#include "stateye/strip_mass.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stateye/normal_distribution.h"

namespace tovan {
namespace {

// Beyond 12 standard deviations less than 2e-33 of either distribution remains.
constexpr double kReach = 12.0;
// A piece is never longer than four standard deviations, nor than its integrand's
// logarithm allows (BerAccuracy): with a change by e^8 at most, the 8-point rule
// integrates exp(a x) and the Gaussian on it to a relative 1e-7 or better.
constexpr double kLongestPiece = 4.0;
// log(2 kReach / sqrt(2 pi)): the longest strip times the largest standard normal density.
constexpr double kLogLongestStripOverSqrtTwoPi = 2.259115297143273;

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

// Integrates f over [a, b] in pieces no longer than logSpan / logSlope(x), judged at
// both ends of each piece; `skip(x0, x1)` says a piece is negligible.
template <typename F, typename L, typename S>
double Composite(double a, double b, double logSpan, const F& f, const L& logSlope, const S& skip) {
  double sum = 0.0;
  for (double x = a; x < b;) {
    double step = std::min(kLongestPiece, logSpan / logSlope(x));
    step = std::min(step, logSpan / logSlope(std::min(x + step, b)));
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

// log Phi(c + d z) expanded to second order about the strip's Gaussian mean m: the
// integrand becomes a Gaussian, integrated in closed form. log Phi is nearly a
// parabola wherever the decision is seldom wrong (for c + d z well below 0 its third
// derivative vanishes) and wherever the line is flat, so this covers most strips. It
// is used when the third-order term (the largest third derivative of the middle and
// the ends, over the distance from m that the tilted Gaussian reaches within the
// strip) stays below `cubicTolerance`; otherwise the result is negative and the caller
// integrates.
constexpr double kLargestExponent = 600.0;

// d^3/du^3 log Phi(u) = lambda ((u + lambda)(u + 2 lambda) - 1), lambda = phi / Phi.
double LogCdfThirdDerivative(double u) {
  const double phiU = NormalCdf(u);
  if (phiU == 0.0) return 0.0;
  const double lambda = NormalDensity(u) / phiU;
  return lambda * ((u + lambda) * (u + 2.0 * lambda) - 1.0);
}

double LogQuadratic(const JitterStrip& strip, double c, double d, double cubicTolerance) {
  const double mass = strip.Mass();
  if (mass == 0.0) return 0.0;
  const double za = strip.za;
  const double zb = strip.zb;
  const double m = strip.Mean(mass);
  const double u = c + d * m;
  const double phiU = NormalCdf(u);
  if (phiU == 0.0) return -1.0;
  const double lambda = NormalDensity(u) / phiU;  // d/du log Phi(u)
  const double l1 = d * lambda;
  const double l2 = -d * d * lambda * (u + lambda);
  // The third derivative at the middle and at both ends: it changes sign once, and
  // its size at a single point could be an accidental zero.
  const double third = std::max({std::abs(lambda * ((u + lambda) * (u + 2.0 * lambda) - 1.0)),
                                 std::abs(LogCdfThirdDerivative(c + d * za)),
                                 std::abs(LogCdfThirdDerivative(c + d * zb))});
  const double l3 = std::abs(d * d * d) * third;
  const double precision = 1.0 - l2;  // at least 1: log Phi is concave
  const double centre = (l1 - l2 * m) / precision;
  const double reach = std::min(std::abs(std::clamp(centre, za, zb) - m) + 3.0 / std::sqrt(precision),
                                std::max(m - za, zb - m));
  if (l3 * reach * reach * reach / 6.0 > cubicTolerance) return -1.0;
  const double exponent = 0.5 * precision * centre * centre - l1 * m + 0.5 * l2 * m * m;
  if (exponent > kLargestExponent) return -1.0;
  const double root = std::sqrt(precision);
  return phiU * std::exp(exponent) / root * NormalMass(root * (za - centre), root * (zb - centre));
}

// An upper bound of log integral_{za}^{zb} phi(z) Phi(c + d z) dz without special
// functions, for strips no longer than 2 kReach: with Phi(u) <= exp(-u^2 / 2) for u <= 0
// the integrand is at most exp(-q(z) / 2) / sqrt(2 pi), q(z) = z^2 + min(0, c + d z)^2.
// q is convex, least at 0 when c >= 0 and at -c d / (1 + d^2) otherwise; on the strip
// it is least at the nearest point to that.
double LogMassBound(double za, double zb, double c, double d) {
  const double zLeast = std::clamp(c >= 0.0 ? 0.0 : -c * d / (1.0 + d * d), za, zb);
  const double u = std::min(0.0, c + d * zLeast);
  return kLogLongestStripOverSqrtTwoPi - 0.5 * (zLeast * zLeast + u * u);
}

// Along z: phi(z) Phi(c + d z) with |d| <= 1.
double AlongJitter(double za, double zb, double c, double d, double negligibleLog, double logSpan) {
  const auto f = [&](double z) { return NormalDensity(z) * NormalCdf(c + d * z); };
  const auto slope = [&](double z) { return std::max(1.0, std::abs(z)) + std::abs(d) * std::max(0.0, -(c + d * z)); };
  const auto skip = [&](double z0, double z1) {
    const double uMax = std::max(c + d * z0, c + d * z1);
    return GaussianLogPeak(z0, z1) + (uMax < 0.0 ? -0.5 * uMax * uMax : 0.0) < negligibleLog;
  };
  return Composite(std::max(za, -kReach), std::min(zb, kReach), logSpan, f, slope, skip);
}

// NormalMass with one end fixed over many calls: that end's two tail probabilities are
// worked out once; the arithmetic is NormalMass's.
class MassToFixedEnd {
 public:
  explicit MassToFixedEnd(double end) : end_(end), cdf_(NormalCdf(end)), tail_(NormalTail(end)) {}
  // NormalMass(a, end).
  double From(double a) const {
    if (end_ <= a) return 0.0;
    if (a >= 0.0) return NormalTail(a) - tail_;
    if (end_ <= 0.0) return cdf_ - NormalCdf(a);
    return 1.0 - NormalCdf(a) - tail_;
  }
  // NormalMass(end, b).
  double To(double b) const {
    if (b <= end_) return 0.0;
    if (end_ >= 0.0) return tail_ - NormalTail(b);
    if (b <= 0.0) return NormalCdf(b) - cdf_;
    return 1.0 - cdf_ - NormalTail(b);
  }

 private:
  double end_, cdf_, tail_;
};

// Along w: phi(w) times the mass of the z in [za, zb] with c + d z > w, |d| > 1. Below
// the line's lowest point on the strip the whole strip counts.
double AlongNoise(const JitterStrip& strip, double c, double d, double negligibleLog, double reach, double logSpan) {
  const double za = strip.za;
  const double zb = strip.zb;
  const double ua = c + d * za;
  const double ub = c + d * zb;
  const double low = std::min(ua, ub);
  const double high = std::max(ua, ub);
  const double whole = NormalCdf(low) * strip.Mass();
  const auto zAt = [&](double w) { return (w - c) / d; };
  const MassToFixedEnd fixedEnd(d > 0.0 ? zb : za);
  const auto massAbove = [&](double w) { return d > 0.0 ? fixedEnd.From(zAt(w)) : fixedEnd.To(zAt(w)); };
  const auto f = [&](double w) { return NormalDensity(w) * massAbove(w); };
  const auto slope = [&](double w) { return std::max(1.0, std::abs(w)) + std::abs(zAt(w)) / std::abs(d); };
  // The strip's mass above the line shrinks as w grows: on a piece it is at most its
  // bound at the piece's lower end, where the z above the line start nearest the mean.
  const auto skip = [&](double w0, double w1) {
    const double from = d > 0.0 ? std::max(za, zAt(w0)) : za;
    const double to = d > 0.0 ? zb : std::min(zb, zAt(w0));
    return from >= to || GaussianLogPeak(w0, w1) + GaussianLogPeak(from, to) < negligibleLog;
  };
  return whole + Composite(std::max(low, -reach), std::min(high, reach), logSpan, f, slope, skip);
}

// integral_{-inf}^{inf} phi(z) Phi(c + d z) dz = Phi(s), s = c / sqrt(1 + d^2). When the
// line is far below 0 at one end of the strip and far above at the other, beyond the
// strip the integrand is either about 0 or about phi(z), so the strip's part is Phi(s)
// less the normal mass beyond the end where the line is above. Written with whichever
// pair of terms stays at most 1/2, so that the difference keeps its digits; the tails
// left out may take a mass below them just under 0.
double AcrossTheLine(const JitterStrip& strip, double c, double d) {
  const double s = c / std::sqrt(1.0 + d * d);
  double mass;
  if (d > 0.0)
    mass = s <= 0.0 ? NormalCdf(s) - NormalTail(strip.zb) : NormalCdf(strip.zb) - NormalCdf(-s);
  else
    mass = s <= 0.0 ? NormalCdf(s) - NormalCdf(strip.za) : NormalTail(strip.za) - NormalCdf(-s);
  return std::max(0.0, mass);
}

// The mean of a standard normal z on [za, zb] of that mass.
double MeanOnStrip(double za, double zb, double mass) {
  return mass == 0.0 ? 0.0 : (NormalDensity(za) - NormalDensity(zb)) / mass;
}

}  // namespace

double JitterStrip::Mass() const { return workedOut ? mass : NormalMass(za, zb); }

double JitterStrip::Mean(double stripMass) const { return workedOut ? mean : MeanOnStrip(za, zb, stripMass); }

JitterStrip MakeJitterStrip(double za, double zb, bool workOut) {
  if (!workOut) return {za, zb, false, 0.0, 0.0};
  const double mass = NormalMass(za, zb);
  return {za, zb, true, mass, MeanOnStrip(za, zb, mass)};
}

Negligible MakeNegligible(double negligible, const BerAccuracy& accuracy) {
  const double log = std::log(negligible);
  // Beyond r deviations a normal tail of at most exp(-r^2 / 2) is left.
  return {log, accuracy.cutAtNegligible ? std::min(kReach, std::sqrt(std::max(0.0, -2.0 * log))) : kReach};
}

double StripMassBelowLine(const JitterStrip& strip, double c, double d, const Negligible& negligible,
                          const BerAccuracy& accuracy) {
  const double za = strip.za;
  const double zb = strip.zb;
  const double ua = c + d * za;
  const double ub = c + d * zb;
  const double reach = negligible.reach;
  if (std::min(ua, ub) >= reach) return strip.Mass();
  if (std::max(ua, ub) <= -reach) return 0.0;
  if (LogMassBound(za, zb, c, d) < negligible.log) return 0.0;
  if (accuracy.cutAtNegligible && std::min(ua, ub) <= -reach && std::max(ua, ub) >= reach)
    return AcrossTheLine(strip, c, d);
  if (std::abs(d) > 1.0) return AlongNoise(strip, c, d, negligible.log, reach, accuracy.pieceLogSpan);
  const double closedForm = LogQuadratic(strip, c, d, accuracy.cubicTolerance);
  return closedForm >= 0.0 ? closedForm : AlongJitter(za, zb, c, d, negligible.log, accuracy.pieceLogSpan);
}

double StripMassWherePositive(const JitterStrip& strip, double c, double d) {
  if (d == 0.0) {
    if (c == 0.0) return 0.5 * strip.Mass();
    return c > 0.0 ? strip.Mass() : 0.0;
  }
  // The line crosses 0 at `root`; a strip wholly on one side needs no special function.
  const double root = -c / d;
  if (d > 0.0) return root <= strip.za ? strip.Mass() : NormalMass(root, strip.zb);
  return root >= strip.zb ? strip.Mass() : NormalMass(strip.za, root);
}

}  // namespace tovan
