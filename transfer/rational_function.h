#pragma once

#include <optional>

#include "numeric/complex.h"
#include "numeric/complex_vector.h"
#include "transfer/factored_polynomial.h"
#include "transfer/polynomial.h"

namespace tovan {

class Cascade;

// H(s) = N(s) / D(s). Each side is held in coefficient form, factored form or both;
// a missing form is derived on first request (Expand or FromPolynomial) and kept.
// Setting one form of a side discards both forms of that side first. A side with
// neither form reads as the empty polynomial (length 0, no roots, gain 0).
class RationalFunction {
 public:
  RationalFunction() = default;
  RationalFunction(const Polynomial& numerator, const Polynomial& denominator);
  RationalFunction(const FactoredPolynomial& numerator, const FactoredPolynomial& denominator);

  void SetNumeratorCoefficients(const Polynomial& p);
  void SetDenominatorCoefficients(const Polynomial& p);
  void SetNumeratorFactored(const FactoredPolynomial& f);
  void SetDenominatorFactored(const FactoredPolynomial& f);

  // The cached forms, derived now if absent. References stay valid until the side
  // is set again or the object is assigned or destroyed.
  const Polynomial& NumeratorCoefficients() const;
  const Polynomial& DenominatorCoefficients() const;
  const FactoredPolynomial& NumeratorFactored() const;
  const FactoredPolynomial& DenominatorFactored() const;

  // Whether a form is held at this moment (set or already derived).
  bool HasNumeratorCoefficients() const { return numeratorCoefficients.has_value(); }
  bool HasDenominatorCoefficients() const { return denominatorCoefficients.has_value(); }
  bool HasNumeratorFactored() const { return numeratorFactored.has_value(); }
  bool HasDenominatorFactored() const { return denominatorFactored.has_value(); }

  // N(s) / D(s) by Horner on the coefficient forms and one complex division; a zero
  // denominator gives infinities or NaN.
  Complex ResponseAt(const Complex& s) const;
  ComplexVector Response(const ComplexVector& points) const;
  // |H(j 2pi f)| with 2pi the decimal constant; f in cycles per unit time.
  double Magnitude(double f) const;
  // 20 log10 Magnitude(f), computed as log2(x) * log10(2) * 20; -inf for 0.
  double MagnitudeDb(double f) const;

 private:
  // Caches filled by the const getters.
  mutable std::optional<Polynomial> numeratorCoefficients;
  mutable std::optional<FactoredPolynomial> numeratorFactored;
  mutable std::optional<Polynomial> denominatorCoefficients;
  mutable std::optional<FactoredPolynomial> denominatorFactored;
};

// 20 log10 of a magnitude, computed as log2(x) * log10(2) * 20.
double MagnitudeToDb(double magnitude);

// Per side: if both operands hold a factored form at the time of the call, the
// result holds their factored product (roots of a, then of b); otherwise it holds
// the product of their coefficient forms.
RationalFunction Multiply(const RationalFunction& a, const RationalFunction& b);

// The product of all sections in factored form only, roots concatenated in section
// order; an empty cascade gives no roots and gain 1 on both sides. Sections lacking
// a factored form get one derived and cached.
RationalFunction FromCascade(const Cascade& cascade);

}  // namespace tovan
