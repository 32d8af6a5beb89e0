#pragma once

namespace tovan {

// Bracket-halving search for the abscissa where a monotone curve crosses target.
// Use: Begin(...); then do { v = f(x); } while (Advance(x, v)); x is the answer (the
// last midpoint, not itself evaluated). The first Advance ignores v. A bracket that
// misses the crossing closes onto its end nearest to it.
class BisectionSearch {
 public:
  // Stops after maxIterations updates or once the bracket is no wider than
  // 2 * tolerance. increasing is decided by valueAtHigh > valueAtLow (strictly).
  void Begin(double low, double valueAtLow, double high, double valueAtHigh, double target,
             double tolerance, int maxIterations);
  // Takes the value at the last proposed x, writes the next midpoint to x and returns
  // whether the caller should evaluate there and call again.
  bool Advance(double& x, double value);

 private:
  double low = 0.0;
  double high = 0.0;
  int iterationsLeft = 0;
  double widthTolerance = 0.0;
  double target = 0.0;
  bool increasing = false;
  bool first = true;
};

}  // namespace tovan
