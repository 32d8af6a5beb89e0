#include "stateye/normal_distribution.h"

#include <cmath>

namespace tovan {
namespace {

constexpr double kInverseSqrtTwoPi = 0.3989422804014327;
constexpr double kInverseSqrtTwo = 0.7071067811865476;

}  // namespace

double NormalDensity(double x) { return kInverseSqrtTwoPi * std::exp(-0.5 * x * x); }

double NormalCdf(double x) { return 0.5 * std::erfc(-x * kInverseSqrtTwo); }

double NormalTail(double x) { return 0.5 * std::erfc(x * kInverseSqrtTwo); }

double NormalMass(double a, double b) {
  if (b <= a) return 0.0;
  if (a >= 0.0) return NormalTail(a) - NormalTail(b);
  if (b <= 0.0) return NormalCdf(b) - NormalCdf(a);
  return 1.0 - NormalCdf(a) - NormalTail(b);
}

}  // namespace tovan
