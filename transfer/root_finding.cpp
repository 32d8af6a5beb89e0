#include "transfer/root_finding.h"

#include <cmath>

#include "optimize/factor_refiners.h"

namespace tovan {
namespace {

Complex ScaledBy(const Complex& z, double s) { return {z.re * s, z.im * s}; }

// The roots of w_2 x^2 + w_1 x + w_0 into roots[i] and roots[i+1]; w is deflated.
void SolveQuadratic(Polynomial& w, FactoredPolynomial& roots, int i) {
  const double d = w[1] * w[1] - 4.0 * w[2] * w[0];
  if (d < 0.0) {
    const double re = -w[1] / (2.0 * w[2]);
    const double im = std::sqrt(-d) / (2.0 * w[2]);
    roots.Element(i) = {re, im};
    roots.Element(i + 1) = {re, -im};
    const double size = Magnitude(Complex{re, im});
    Deflate(w, Polynomial{size * size, -2.0 * re, 1.0});
  } else {
    const double s = std::sqrt(d);
    const double r1 = (s - w[1]) / (2.0 * w[2]);
    const double r2 = (-w[1] - s) / (2.0 * w[2]);
    roots.Element(i) = {r1, 0.0};
    roots.Element(i + 1) = {r2, 0.0};
    Deflate(w, Polynomial{r1 * r2, -(r1 + r2), 1.0});
  }
}

// A Laguerre root polished by a factor refiner; returns how many roots were stored.
int RefineLaguerreRoot(Polynomial& w, FactoredPolynomial& roots, int i, double tolerance,
                       int maxIterations) {
  const Complex z = LaguerreRoot(w, {0.001, 0.0}, tolerance, maxIterations);
  if (std::fabs(z.im) <= tolerance * 0.5) {
    const LinearFactorRefiner refiner(w, z.re);
    roots.Element(i) = {refiner.Factor().at(0).re, 0.0};
    w = refiner.Quotient();
    return 1;
  }
  const QuadraticFactorRefiner refiner(w, z);
  const FactoredPolynomial pair = refiner.Factor();
  roots.Element(i) = pair.length() > 0 ? pair[0] : Complex{};
  roots.Element(i + 1) = pair.length() > 1 ? pair[1] : Complex{};
  w = refiner.Quotient();
  return 2;
}

}  // namespace

Complex ComplexSqrt(const Complex& z) {
  const double r = Magnitude(z);
  if (r == 0.0) return {};
  const double half = Argument(z) / 2.0;
  const double root = std::sqrt(r);
  return {root * std::cos(half), root * std::sin(half)};
}

Complex LaguerreRoot(const Polynomial& p, const Complex& start, double tolerance,
                     int maxIterations) {
  const double n = static_cast<double>(p.length() - 1);
  const Polynomial p1 = Derivative(p);
  const Polynomial p2 = Derivative(p1);
  Complex z = start;
  Complex compensation;
  for (int iteration = 0; iteration < maxIterations; ++iteration) {
    const Complex v = Evaluate(p, z);
    if (Magnitude(v) < tolerance) return z;
    const Complex d1 = Evaluate(p1, z);
    const Complex g = d1 / v;
    const Complex h = (d1 * d1) / (v * v) - Evaluate(p2, z) / v;
    const Complex s = ComplexSqrt(ScaledBy(ScaledBy(h, n) - g * g, n - 1.0));
    const Complex plus = g + s;
    const Complex minus = g - s;
    const Complex d = Magnitude(plus) > Magnitude(minus) ? plus : minus;
    const Complex step = ScaledBy(Complex{1.0, 0.0} / d, n) + compensation;
    const Complex next = z - step;
    compensation = compensation - ((z - next) - step);
    z = next;
  }
  return z;
}

FactoredPolynomial FindRoots(const Polynomial& p, double tolerance, int maxIterations) {
  const int count = p.length() > 1 ? p.length() - 1 : 0;
  FactoredPolynomial roots(count);
  Polynomial w = p;
  for (int i = 0; i < count;) {
    if (w.length() == 2) {
      const double root = -w[0] / w[1];
      roots.Element(i) = {root, 0.0};
      Deflate(w, Polynomial{-root, 1.0});
      i += 1;
    } else if (w.length() == 3) {
      SolveQuadratic(w, roots, i);
      i += 2;
    } else {
      i += RefineLaguerreRoot(w, roots, i, tolerance, maxIterations);
    }
  }
  roots.gain = 0.0;
  return roots;
}

}  // namespace tovan
