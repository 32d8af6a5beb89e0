#include "stateye/opening_edge.h"

#include <cmath>

namespace tovan {
namespace {

constexpr int kMostRefinements = 80;
constexpr double kSecantReach = 1.25;

struct Bracket {
  double in, gIn;    // g < 0
  double out, gOut;  // g >= 0
};

double Refine(const std::function<double(double)>& g, Bracket b, double tolerance) {
  // The ends' true values: the Illinois modification scales b.gIn and b.gOut.
  double trueIn = b.gIn, trueOut = b.gOut;
  int lastMoved = 0;  // +1 when the outer end moved last, -1 for the inner end
  for (int i = 0; i < kMostRefinements && std::abs(b.out - b.in) > tolerance; ++i) {
    double x = b.in + (b.out - b.in) * (b.gIn / (b.gIn - b.gOut));
    // Keep strictly inside so that the bracket always shrinks.
    const double margin = 0.25 * tolerance;
    if (std::abs(x - b.in) < margin) x = b.in + std::copysign(margin, b.out - b.in);
    if (std::abs(b.out - x) < margin) x = b.out - std::copysign(margin, b.out - b.in);
    const double gx = g(x);
    // Done when g is straight enough across the bracket (the secants on both sides of
    // x agree within a factor of 2; a jump, as BER has without spreads, never is) and
    // the secant towards the far end puts the root within a quarter of the tolerance.
    const double slopeIn = (gx - trueIn) / (x - b.in);
    const double slopeOut = (trueOut - gx) / (b.out - x);
    const double ratio = slopeIn / slopeOut;
    if (ratio > 0.5 && ratio < 2.0) {
      const double correction = -gx / (gx < 0.0 ? slopeOut : slopeIn);
      if (std::abs(correction) <= 0.25 * tolerance) return x + correction;
    }
    if (gx < 0.0) {
      b.in = x;
      b.gIn = trueIn = gx;
      if (lastMoved == -1) b.gOut *= 0.5;
      lastMoved = -1;
    } else {
      b.out = x;
      b.gOut = trueOut = gx;
      if (lastMoved == +1) b.gIn *= 0.5;
      lastMoved = +1;
    }
  }
  return 0.5 * (b.in + b.out);
}

// The step after a walk has moved `step` from a point where g was gBefore to one where
// it is gNow: where the secant through the two points puts the root, a quarter further
// (so that the root is usually bracketed at once), or double the step when the secant
// does not lead towards the root.
double NextStep(double step, double gBefore, double gNow, double tolerance) {
  const bool approaching = gNow != gBefore && (gNow < 0.0) == (gNow > gBefore);
  if (!approaching) return 2.0 * step;
  const double toRoot = step * std::abs(gNow / (gNow - gBefore));
  return kSecantReach * toRoot + 0.5 * tolerance;
}

}  // namespace

double OpeningEdge(const std::function<double(double)>& g, const OpeningSearch& s) {
  const double limit = s.inside + s.direction * s.reach;
  const auto beyondInside = [&](double x) { return (x - s.inside) * s.direction > 0.0; };
  double x = s.guess;
  if (!beyondInside(x) || (x - limit) * s.direction > 0.0) x = s.inside + s.direction * s.step;
  double gx = g(x);
  double step = s.step;
  while (gx >= 0.0) {
    // Already outside: walk back towards `inside`.
    const double in = x - s.direction * step;
    if (!beyondInside(in)) return Refine(g, {s.inside, g(s.inside), x, gx}, s.tolerance);
    const double gIn = g(in);
    if (gIn < 0.0) return Refine(g, {in, gIn, x, gx}, s.tolerance);
    step = NextStep(step, gx, gIn, s.tolerance);
    x = in;
    gx = gIn;
  }
  step = s.step;
  for (;;) {
    if (x == limit) return limit;
    const double in = x, gIn = gx;
    x += s.direction * step;
    if ((x - limit) * s.direction > 0.0) x = limit;
    gx = g(x);
    if (gx >= 0.0) return Refine(g, {in, gIn, x, gx}, s.tolerance);
    step = NextStep(std::abs(x - in), gIn, gx, s.tolerance);
  }
}

}  // namespace tovan
