#pragma once

#include <initializer_list>

#include "numeric/complex.h"
#include "numeric/complex_vector.h"
#include "numeric/vector.h"

namespace tovan {

// Real coefficients in ascending powers: element k multiplies x^k. Reading past the
// end gives 0.0 (a coefficient beyond the degree is zero). Length 0 is the zero
// polynomial; trailing zeros stay until Trim removes them.
class Polynomial : public Vector {
 public:
  using Vector::Vector;
  Polynomial() = default;
  Polynomial(std::initializer_list<double> coefficients);
  explicit Polynomial(const Vector& coefficients);

  double at(int i) const override { return i >= 0 && i < length() ? (*this)[i] : 0.0; }
};

// Horner from the top coefficient down: acc = (acc + p_k) * x for k = L-1 ... 1,
// then acc + p_0. Length 0 gives 0.
double Evaluate(const Polynomial& p, double x);
Complex Evaluate(const Polynomial& p, const Complex& z);
// p at every point, same length as points.
ComplexVector EvaluateAt(const Polynomial& p, const ComplexVector& points);
// values[i] = Evaluate(p, z[i]) for i < count, bit for bit; the points' Horner
// chains run side by side, so their latencies overlap.
void EvaluateMany(const Polynomial& p, const Complex* z, int count, Complex* values);

// Element k is (k+1) * p_{k+1}; a constant or the zero polynomial gives [0].
Polynomial Derivative(const Polynomial& p);

// Length max(Lp, Lq): the longer operand (q on a tie) with its first min(Lp, Lq)
// elements replaced by p_k + q_k.
Polynomial Add(const Polynomial& p, const Polynomial& q);
// Add(p, q scaled by -1.0).
Polynomial Subtract(const Polynomial& p, const Polynomial& q);
Polynomial Scale(const Polynomial& p, double s);
Polynomial DivideBy(const Polynomial& p, double s);
void DivideByInPlace(Polynomial& p, double s);

// The product (and the full convolution of two coefficient vectors): length
// Lp + Lq - 1 (never below 0); element i+j accumulates p_i * q_j with i and then j
// running from the top down.
Polynomial Multiply(const Polynomial& p, const Polynomial& q);
void MultiplyInPlace(Polynomial& p, const Polynomial& q);

// p becomes p(w x): p_k *= w^k for k >= 1, w^k built by repeated multiplication.
void ScaleArgument(Polynomial& p, double w);
// Drops trailing coefficients equal to 0.0; an all-zero polynomial becomes empty.
void Trim(Polynomial& p);

struct PolynomialDivision {
  Polynomial quotient;
  Polynomial remainder;
};

// Long division by b, whose last coefficient leads. The quotient has La - Lb + 1
// terms (empty, with remainder a, when b is longer); the remainder keeps the full
// length La, its top terms left (near) zero. A zero leading divisor coefficient
// gives non-finite results.
PolynomialDivision DivRem(const Polynomial& a, const Polynomial& b);
// a becomes the quotient of DivRem(a, b); the remainder is dropped.
void Deflate(Polynomial& a, const Polynomial& b);

}  // namespace tovan
