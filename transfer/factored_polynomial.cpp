#include "transfer/factored_polynomial.h"

#include <cmath>
#include <utility>

#include "transfer/root_finding.h"

namespace tovan {
namespace {

constexpr double kComplexRootThreshold = 1e-7;

// Moves the later root nearest to conj(roots[i]) to position i+1. The current
// neighbour wins every tie, so a list whose pairs are adjacent is never touched.
void BringConjugateNext(ComplexVector& roots, int i) {
  const int n = roots.length();
  if (i + 1 >= n) return;
  const Complex wanted = Conjugate(roots[i]);
  int nearest = i + 1;
  double best = Magnitude(roots[i + 1] - wanted);
  for (int j = i + 2; j < n; ++j) {
    const double distance = Magnitude(roots[j] - wanted);
    if (distance < best) {
      nearest = j;
      best = distance;
    }
  }
  if (nearest != i + 1) std::swap(roots[i + 1], roots[nearest]);
}

}  // namespace

FactoredPolynomial::FactoredPolynomial(const ComplexVector& roots, double gain)
    : ComplexVector(roots), gain(gain) {}

FactoredPolynomial FromPolynomial(const Polynomial& p) {
  Polynomial monic = p;
  Trim(monic);
  if (monic.length() == 0) return FactoredPolynomial(ComplexVector(), 0.0);
  const double lead = monic[monic.length() - 1];
  DivideByInPlace(monic, lead);
  FactoredPolynomial f = FindRoots(monic, 1e-9, 4000);
  f.gain = lead;
  return f;
}

Polynomial Expand(const FactoredPolynomial& f) {
  ComplexVector roots = f;
  SortByMagnitude(roots);
  Polynomial result{f.gain};
  const int n = roots.length();
  for (int i = 0; i < n;) {
    const Complex r = roots[i];
    if (std::fabs(r.im) > kComplexRootThreshold) {
      BringConjugateNext(roots, i);
      const double size = Magnitude(r);
      result = Multiply(result, Polynomial{size * size, -2.0 * r.re, 1.0});
      i += 2;
    } else {
      result = Multiply(result, Polynomial{-r.re, 1.0});
      i += 1;
    }
  }
  return result;
}

FactoredPolynomial Multiply(const FactoredPolynomial& f, const FactoredPolynomial& h) {
  const int nf = f.length();
  ComplexVector roots(nf + h.length());
  for (int k = 0; k < nf; ++k) roots[k] = f[k];
  for (int k = 0; k < h.length(); ++k) roots[nf + k] = h[k];
  return FactoredPolynomial(roots, f.gain * h.gain);
}

void MultiplyInPlace(FactoredPolynomial& f, const FactoredPolynomial& h) { f = Multiply(f, h); }

}  // namespace tovan
