#include "transfer/interpolator.h"

#include "transfer/interpolation_rules.h"
#include "transfer/sample_order.h"

namespace tovan {
namespace {

Vector Reordered(const Vector& v, const IntVector& permutation) {
  Vector result(permutation.length());
  for (int i = 0; i < permutation.length(); ++i) result[i] = v[permutation[i]];
  return result;
}

}  // namespace

Interpolator::Interpolator(const SampleTable& table, int degree, FitRule fitRule, bool buildNow,
                           bool localCoordinates)
    : abscissae(table.abscissae),
      ordinates(table.ordinates),
      degree(degree),
      fitRule(fitRule),
      localCoordinates(localCoordinates) {
  if (buildNow) Prepare();
}

int Interpolator::Prepare() {
  if (abscissae.length() != ordinates.length()) return 0;
  if (!IsSorted(abscissae, true)) {
    const IntVector permutation = SortPermutation(abscissae, true);
    abscissae = Reordered(abscissae, permutation);
    ordinates = Reordered(ordinates, permutation);
  }
  const int count = abscissae.length() - 1;
  segments.assign(count > 0 ? count : 0, Polynomial(degree + 1));
  return fitRule != nullptr ? fitRule(*this) : 0;
}

double Interpolator::Value(double x) {
  if (!built) Prepare();
  if (!built) return 0.0;
  const int i = FindSegment(x);
  if (i >= static_cast<int>(segments.size())) return 0.0;
  const Polynomial& segment = segments[i];
  if (segment.length() == 0) return 0.0;
  return localCoordinates ? Evaluate(segment, x - abscissae[i]) : Evaluate(segment, x);
}

Vector Interpolator::Values(const Vector& xs) {
  Vector result(xs.length());
  for (int k = 0; k < xs.length(); ++k) result[k] = Value(xs[k]);
  return result;
}

int Interpolator::FindSegment(double x) const {
  const int count = static_cast<int>(segments.size());
  // A segment i needs abscissae i and i + 1; a stale segment list is never trusted.
  if (count == 0 || count >= abscissae.length()) return 0;
  if (x <= abscissae[0]) return 0;
  if (x >= abscissae[count - 1]) return count - 1;
  for (int i = 0; i < count; ++i)
    if (abscissae[i] <= x && x <= abscissae[i + 1]) return i;
  return 0;
}

Interpolator MakeSpline(const SampleTable& table, bool buildNow) {
  return Interpolator(table, 3, FitNaturalCubic, buildNow, true);
}

}  // namespace tovan
