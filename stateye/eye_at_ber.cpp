#include "stateye/eye_at_ber.h"

#include <algorithm>
#include <cmath>

#include "stateye/ber_at_phase.h"
#include "stateye/bit_error_ratio.h"
#include "stateye/opening_edge.h"
#include "stateye/parallel_for.h"

namespace tovan {
namespace {

constexpr double kVoltTolerance = 0.05e-3;  // V
constexpr double kPhaseTolerancePs = 0.05;
constexpr double kGoldenFraction = 0.3819660112501051;  // (3 - sqrt(5)) / 2
// The first edge search takes a first step of a 64th of the swing; later ones start
// from the previous phase's margin and step by a millivolt, the secant steps that
// follow catching up.
constexpr double kFirstVoltStepOfSwing = 1.0 / 64.0;
constexpr double kNextVoltStep = 1e-3;
// The width's edges are looked for from the scan's crossings in steps of an eighth of
// the scan's spacing: the crossings are that close already.
constexpr double kWidthStepOfScanSpacing = 0.125;
// log of the smallest BER taken as is: an exact 0 (no error possible) stays finite.
constexpr double kSmallestBer = 1e-300;

// How far a BER lies beyond the target, on a scale on which a Gaussian tail is nearly
// straight: sqrt(-log BER) falls about linearly as a threshold or phase moves into a
// tail, so the edge searches' secants land close to the edge. Negative while BER <
// target, like log BER - log target.
double Closure(double ber, double rootOfMinusLogTarget) {
  return rootOfMinusLogTarget - std::sqrt(std::max(0.0, -std::log(std::max(ber, kSmallestBer))));
}

class HeightSolver {
 public:
  HeightSolver(const PeriodicEyeSignal& signal, const StatEyeSettings& settings)
      : signal_(signal), settings_(settings), rootTarget_(std::sqrt(-std::log(settings.targetBer))),
        swing_(signal.highLevel - signal.lowLevel), step_(kFirstVoltStepOfSwing * swing_) {}

  // The open interval's length at phase t; 0 when the mid level is not open there.
  double operator()(double t) {
    const BerAtPhase ber(signal_, settings_, t);
    const auto g = [&](double v) { return Closure(ber(v), rootTarget_); };
    const double mid = signal_.midLevel;
    if (g(mid) >= 0.0) return 0.0;
    // Each edge lies about as far inside the deterministic eye's inner level as it did
    // at the last phase: the spreads change slowly with the phase, the levels do not.
    const double lowestOne = ber.LowestOne();
    const double highestZero = ber.HighestZero();
    // The two edges are independent searches, one on each core when there are two.
    const OpeningSearch searches[2] = {{mid, lowestOne - upperMargin_, +1, step_, kVoltTolerance, 2.0 * swing_},
                                       {mid, highestZero + lowerMargin_, -1, step_, kVoltTolerance, 2.0 * swing_}};
    double edges[2];
    ParallelFor(2, [&](int i) { edges[i] = OpeningEdge(g, searches[i]); });
    const double upper = edges[0];
    const double lower = edges[1];
    upperMargin_ = lowestOne - upper;
    lowerMargin_ = lower - highestZero;
    step_ = kNextVoltStep;
    return upper - lower;
  }

 private:
  const PeriodicEyeSignal& signal_;
  const StatEyeSettings& settings_;
  double rootTarget_;  // sqrt(-log target)
  double swing_;
  // How far inside the inner levels the last edges were found.
  double upperMargin_ = 0.0, lowerMargin_ = 0.0;
  double step_;
};

// The longest run of scan points below the target, widened by one point on each side,
// and where the scan crosses the target at its ends (log10 BER interpolated linearly;
// the widened end where the scan ends open).
struct PhaseBracket {
  double from, to;  // ps
  bool open;
  int lowest;       // index of the lowest scan value
  double earlyCrossing = 0.0, lateCrossing = 0.0;  // ps
};

// The phase between scan points `closed` and `open` where the scan reaches `target`.
double Crossing(const std::vector<double>& scan, int closed, int open, double target, double spacing) {
  const double fraction = (scan[closed] - target) / (scan[closed] - scan[open]);
  return (closed + (open - closed) * fraction) * spacing;
}

PhaseBracket OpenStretch(const std::vector<double>& scan, double target, double uiPs) {
  // `scan` and `target` are both log10 BER.
  const int n = static_cast<int>(scan.size());
  const double spacing = uiPs / (n - 1);
  PhaseBracket b{0.0, 0.0, false, 0};
  int bestLength = 0;
  for (int i = 0; i < n;) {
    if (scan[i] < scan[b.lowest]) b.lowest = i;
    if (!(scan[i] < target)) {
      ++i;
      continue;
    }
    int end = i;
    while (end + 1 < n && scan[end + 1] < target) ++end;
    for (int k = i; k <= end; ++k) if (scan[k] < scan[b.lowest]) b.lowest = k;
    if (end - i + 1 > bestLength) {
      bestLength = end - i + 1;
      b = {(i - 1) * spacing, (end + 1) * spacing, true, b.lowest};
      b.earlyCrossing = i > 0 ? Crossing(scan, i - 1, i, target, spacing) : b.from;
      b.lateCrossing = end + 1 < n ? Crossing(scan, end + 1, end, target, spacing) : b.to;
    }
    i = end + 1;
  }
  return b;
}

struct HighestPoint {
  double phasePs, height;
};

// The phase of the largest height on [a, b], to kPhaseTolerancePs, and that height:
// Brent's method, parabolic steps through the last three heights where they behave,
// golden-section steps where not.
HighestPoint BestPhase(HeightSolver& height, double a, double b) {
  const double tol = kPhaseTolerancePs;
  double x = a + kGoldenFraction * (b - a);
  double w = x, v = x;
  double fx = -height(x), fw = fx, fv = fx;
  double d = 0.0, e = 0.0;
  for (;;) {
    const double m = 0.5 * (a + b);
    if (std::abs(x - m) <= 2.0 * tol - 0.5 * (b - a)) return {x, -fx};
    double p = 0.0, q = 0.0, r = 0.0;
    if (std::abs(e) > tol) {
      r = (x - w) * (fx - fv);
      q = (x - v) * (fx - fw);
      p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0.0) p = -p;
      q = std::abs(q);
      r = e;
      e = d;
    }
    if (std::abs(p) < std::abs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
      d = p / q;
      const double u = x + d;
      if (u - a < 2.0 * tol || b - u < 2.0 * tol) d = x < m ? tol : -tol;
    } else {
      e = x < m ? b - x : a - x;
      d = kGoldenFraction * e;
    }
    const double u = std::abs(d) >= tol ? x + d : x + (d > 0.0 ? tol : -tol);
    const double fu = -height(u);
    if (fu <= fx) {
      (u < x ? b : a) = x;
      v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw, w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
}

// The width around phasePs; the edges are first looked for at the scan's crossings.
double WidthAt(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
               const PhaseBracket& stretch, double scanSpacingPs) {
  const double rootTarget = std::sqrt(-std::log(settings.targetBer));
  const auto g = [&](double t) { return Closure(BitErrorRatio(signal, settings, t, signal.midLevel), rootTarget); };
  const double ui = signal.uiPs();
  const double step = kWidthStepOfScanSpacing * scanSpacingPs;
  const double late = OpeningEdge(g, {phasePs, stretch.lateCrossing, +1, step, kPhaseTolerancePs, ui});
  const double early = OpeningEdge(g, {phasePs, stretch.earlyCrossing, -1, step, kPhaseTolerancePs, ui});
  return late - early;
}

}  // namespace

EyeAtBer SolveEyeAtBer(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                       const Bathtub& horizontal) {
  EyeAtBer eye;
  const double ui = signal.uiPs();
  const std::vector<double>& scan = horizontal.log10Ber;
  const PhaseBracket stretch = OpenStretch(scan, Log10Ber(settings.targetBer), ui);
  if (!stretch.open) {
    eye.bestPhase = horizontal.position[stretch.lowest];
    return eye;
  }
  HeightSolver height(signal, settings);
  const HighestPoint best = BestPhase(height, stretch.from, stretch.to);
  eye.eyeHeight = best.height;
  eye.bestPhase = best.phasePs / ui;
  const double spacing = ui / (static_cast<double>(scan.size()) - 1.0);
  eye.eyeWidth = eye.eyeHeight > 0.0 ? WidthAt(signal, settings, best.phasePs, stretch, spacing) : 0.0;
  return eye;
}

}  // namespace tovan
