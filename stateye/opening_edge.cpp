#include "stateye/opening_edge.h"

#include <cmath>

namespace tovan {
namespace {

constexpr int kMostRefinements = 80;

struct Bracket {
  double in, gIn;    // g < 0
  double out, gOut;  // g >= 0
};

double Refine(const std::function<double(double)>& g, Bracket b, double tolerance) {
  int lastMoved = 0;  // +1 when the outer end moved last, -1 for the inner end
  for (int i = 0; i < kMostRefinements && std::abs(b.out - b.in) > tolerance; ++i) {
    double x = b.in + (b.out - b.in) * (b.gIn / (b.gIn - b.gOut));
    // Keep strictly inside so that the bracket always shrinks.
    const double margin = 0.25 * tolerance;
    if (std::abs(x - b.in) < margin) x = b.in + std::copysign(margin, b.out - b.in);
    if (std::abs(b.out - x) < margin) x = b.out - std::copysign(margin, b.out - b.in);
    const double gx = g(x);
    if (gx < 0.0) {
      b.in = x;
      b.gIn = gx;
      if (lastMoved == -1) b.gOut *= 0.5;
      lastMoved = -1;
    } else {
      b.out = x;
      b.gOut = gx;
      if (lastMoved == +1) b.gIn *= 0.5;
      lastMoved = +1;
    }
  }
  return 0.5 * (b.in + b.out);
}

}  // namespace

double OpeningEdge(const std::function<double(double)>& g, const OpeningSearch& s) {
  const double limit = s.inside + s.direction * s.reach;
  Bracket b{s.inside, g(s.inside), 0.0, 0.0};
  double x = s.guess;
  if ((x - s.inside) * s.direction <= 0.0 || (x - limit) * s.direction > 0.0) x = s.inside + s.direction * s.step;
  double step = s.step;
  for (;;) {
    const double gx = g(x);
    if (gx >= 0.0) {
      b.out = x;
      b.gOut = gx;
      return Refine(g, b, s.tolerance);
    }
    b.in = x;
    b.gIn = gx;
    if (x == limit) return limit;
    x += s.direction * step;
    step *= 2.0;
    if ((x - limit) * s.direction > 0.0) x = limit;
  }
}

}  // namespace tovan
