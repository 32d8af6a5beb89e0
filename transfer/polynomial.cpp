#include "transfer/polynomial.h"

#include <algorithm>
#include <utility>

namespace tovan {

Polynomial::Polynomial(std::initializer_list<double> coefficients)
    : Vector(static_cast<int>(coefficients.size())) {
  int k = 0;
  for (double c : coefficients) (*this)[k++] = c;
}

Polynomial::Polynomial(const Vector& coefficients) : Vector(coefficients) {}

double Evaluate(const Polynomial& p, double x) {
  const int n = p.length();
  if (n == 0) return 0.0;
  double acc = 0.0;
  for (int k = n - 1; k >= 1; --k) acc = (acc + p[k]) * x;
  return acc + p[0];
}

Complex Evaluate(const Polynomial& p, const Complex& z) {
  const int n = p.length();
  if (n == 0) return {};
  Complex acc;
  for (int k = n - 1; k >= 1; --k) acc = (acc + Complex{p[k], 0.0}) * z;
  return acc + Complex{p[0], 0.0};
}

ComplexVector EvaluateAt(const Polynomial& p, const ComplexVector& points) {
  ComplexVector values(points.length(), kForOverwrite);
  EvaluateMany(p, points.data(), points.length(), values.data());
  return values;
}

void EvaluateMany(const Polynomial& p, const Complex* z, int count, Complex* values) {
  const int n = p.length();
  int i = 0;
  // Four points at a time, their accumulators held apart so the chains overlap.
  for (; n > 0 && i + 4 <= count; i += 4) {
    Complex a0, a1, a2, a3;
    for (int k = n - 1; k >= 1; --k) {
      const Complex c{p[k], 0.0};
      a0 = (a0 + c) * z[i];
      a1 = (a1 + c) * z[i + 1];
      a2 = (a2 + c) * z[i + 2];
      a3 = (a3 + c) * z[i + 3];
    }
    const Complex c0{p[0], 0.0};
    values[i] = a0 + c0;
    values[i + 1] = a1 + c0;
    values[i + 2] = a2 + c0;
    values[i + 3] = a3 + c0;
  }
  for (; i < count; ++i) values[i] = Evaluate(p, z[i]);
}

Polynomial Derivative(const Polynomial& p) {
  const int n = p.length();
  if (n <= 1) return Polynomial{0.0};
  Polynomial d(n - 1);
  for (int k = 0; k < n - 1; ++k) d[k] = static_cast<double>(k + 1) * p[k + 1];
  return d;
}

Polynomial Add(const Polynomial& p, const Polynomial& q) {
  Polynomial sum = p.length() > q.length() ? p : q;
  const int common = std::min(p.length(), q.length());
  for (int k = 0; k < common; ++k) sum[k] = p[k] + q[k];
  return sum;
}

Polynomial Subtract(const Polynomial& p, const Polynomial& q) { return Add(p, Scale(q, -1.0)); }

Polynomial Scale(const Polynomial& p, double s) {
  Polynomial scaled(p.length());
  for (int k = 0; k < p.length(); ++k) scaled[k] = p[k] * s;
  return scaled;
}

Polynomial DivideBy(const Polynomial& p, double s) {
  Polynomial quotient(p.length());
  for (int k = 0; k < p.length(); ++k) quotient[k] = p[k] / s;
  return quotient;
}

void DivideByInPlace(Polynomial& p, double s) { p = DivideBy(p, s); }

Polynomial Multiply(const Polynomial& p, const Polynomial& q) {
  Polynomial product(p.length() + q.length() - 1);
  // Both indices run from the top down: the rounding of every coefficient
  // downstream depends on this accumulation order.
  for (int i = p.length() - 1; i >= 0; --i)
    for (int j = q.length() - 1; j >= 0; --j)
      product.Element(i + j) = product.Element(i + j) + p[i] * q[j];
  return product;
}

void MultiplyInPlace(Polynomial& p, const Polynomial& q) { p = Multiply(p, q); }

void ScaleArgument(Polynomial& p, double w) {
  double power = 1.0;
  for (int k = 1; k < p.length(); ++k) {
    power = power * w;
    p[k] = p[k] * power;
  }
}

void Trim(Polynomial& p) {
  int n = p.length();
  while (n > 0 && p[n - 1] == 0.0) --n;
  if (n == p.length()) return;
  Polynomial trimmed(n);
  for (int k = 0; k < n; ++k) trimmed[k] = p[k];
  p = std::move(trimmed);
}

PolynomialDivision DivRem(const Polynomial& a, const Polynomial& b) {
  const int la = a.length();
  const int lb = b.length();
  const int n = la - lb;
  if (n < 0) return {Polynomial(), a};
  PolynomialDivision result{Polynomial(n + 1), a};
  Polynomial& r = result.remainder;
  // Reads go through at(): an empty divisor must give non-finite terms, not a
  // read before the start.
  for (int j = 0; j <= n; ++j) {
    const int k = n - j;
    const double t = r.at(la - 1 - j) / b.at(lb - 1);
    result.quotient[k] = t;
    Polynomial monomial(k + 1);
    monomial[k] = t;
    r = Subtract(r, Multiply(monomial, b));
  }
  return result;
}

void Deflate(Polynomial& a, const Polynomial& b) { a = DivRem(a, b).quotient; }

}  // namespace tovan
