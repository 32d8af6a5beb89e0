#include "transfer/bisection_search.h"

#include <cmath>

namespace tovan {

void BisectionSearch::Begin(double low, double valueAtLow, double high, double valueAtHigh,
                            double target, double tolerance, int maxIterations) {
  widthTolerance = 2.0 * tolerance;
  increasing = valueAtHigh > valueAtLow;
  this->high = high;
  iterationsLeft = maxIterations;
  this->low = low;
  first = true;
  this->target = target;
}

bool BisectionSearch::Advance(double& x, double value) {
  if (first) {
    x = (high + low) * 0.5;
    first = false;
    return true;
  }
  if (value > target) {
    (increasing ? high : low) = x;
  } else {
    (increasing ? low : high) = x;
  }
  const double width = std::fabs(high - low);
  if (iterationsLeft != 0) --iterationsLeft;
  x = (low + high) * 0.5;
  return iterationsLeft > 0 && width > widthTolerance;
}

}  // namespace tovan
