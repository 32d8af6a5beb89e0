#include "transfer/interpolation_rules.h"

namespace tovan {
namespace {

// Second derivatives z_0 ... z_n at the knots (z_0 = z_n = 0) from the tridiagonal
// elimination over h and d; sums in the written order, which the roundings follow.
Vector SecondDerivatives(const Vector& h, const Vector& d) {
  const int n = h.length();
  Vector u(n);
  Vector v(n);
  u[1] = 2.0 * (h[1] + h[0]);
  v[1] = 6.0 * (d[1] - d[0]);
  for (int i = 2; i < n; ++i) {
    u[i] = 2.0 * (h[i] + h[i - 1]) - h[i - 1] * h[i - 1] / u[i - 1];
    v[i] = 6.0 * (d[i] - d[i - 1]) - h[i - 1] * v[i - 1] / u[i - 1];
  }
  Vector z(n + 1);
  for (int i = n - 1; i >= 1; --i) z[i] = (v[i] - h[i] * z[i + 1]) / u[i];
  return z;
}

// One segment per interval between samples, as Prepare leaves it; anything else
// would index past the samples.
bool HasPreparedShape(const Interpolator& p) {
  const int n = static_cast<int>(p.segments.size());
  return p.abscissae.length() == n + 1 && p.ordinates.length() == n + 1;
}

}  // namespace

int FitLinear(Interpolator& p) {
  if (!HasPreparedShape(p)) return 0;
  const Vector& x = p.abscissae;
  const Vector& y = p.ordinates;
  for (int i = 0; i < static_cast<int>(p.segments.size()); ++i) {
    Polynomial& segment = p.segments[i];
    segment.Element(1) = (y[i + 1] - y[i]) / (x[i + 1] - x[i]);
    // Coefficient 0 is still 0 here, so this is y_i - slope * x_i as Horner forms it.
    segment.Element(0) = y[i] - Evaluate(segment, x[i]);
  }
  p.built = true;
  return 1;
}

int FitNaturalCubic(Interpolator& p) {
  const int n = static_cast<int>(p.segments.size());
  if (n == 0 || !HasPreparedShape(p)) return 0;
  if (n == 1) {
    const SampleTable prepared{p.abscissae, p.ordinates};
    p = Interpolator(prepared, 1, FitLinear, true, false);
    return 1;
  }
  const Vector& x = p.abscissae;
  const Vector& y = p.ordinates;
  Vector h(n);
  Vector d(n);
  for (int i = 0; i < n; ++i) {
    h[i] = x[i + 1] - x[i];
    if (h[i] == 0.0) return 0;
    d[i] = (1.0 / h[i]) * (y[i + 1] - y[i]);
  }
  const Vector z = SecondDerivatives(h, d);
  const double sixth = 0.16666666666666666;
  const double third = 0.3333333333333333;
  for (int i = 0; i < n; ++i) {
    Polynomial& segment = p.segments[i];
    segment.Element(0) = y[i];
    segment.Element(1) = -h[i] * z[i + 1] * sixth - h[i] * z[i] * third + d[i];
    segment.Element(2) = z[i] * 0.5;
    segment.Element(3) = (z[i + 1] - z[i]) * (1.0 / (6.0 * h[i]));
  }
  p.built = true;
  return 1;
}

}  // namespace tovan
