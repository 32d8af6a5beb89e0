#pragma once

#include "numeric/complex_vector.h"
#include "transfer/polynomial.h"

namespace tovan {

// gain * (x - r_1) * ... * (x - r_m): the roots are the vector's elements. No roots
// is the constant gain. Complex roots of a real polynomial come in conjugate pairs.
class FactoredPolynomial : public ComplexVector {
 public:
  using ComplexVector::ComplexVector;
  FactoredPolynomial() = default;
  FactoredPolynomial(const ComplexVector& roots, double gain);

  double gain = 0.0;
};

// Trims p, makes it monic and finds its roots (tolerance 1e-9, 4000 iterations);
// gain is the leading coefficient. The zero polynomial gives no roots and gain 0.
FactoredPolynomial FromPolynomial(const Polynomial& p);

// The real coefficients: the roots sorted by magnitude, then [gain] multiplied by
// [|r|^2, -2 Re r, 1] for each conjugate pair (|Im r| > 1e-7) and by [-Re r, 1] for
// each real root. A pair the sort left apart is brought together first (the later
// root nearest to the conjugate moves next to its partner); where pairs are already
// adjacent nothing is moved.
Polynomial Expand(const FactoredPolynomial& f);

// Gains multiplied; roots of f followed by those of h, unsorted.
FactoredPolynomial Multiply(const FactoredPolynomial& f, const FactoredPolynomial& h);
void MultiplyInPlace(FactoredPolynomial& f, const FactoredPolynomial& h);

}  // namespace tovan
