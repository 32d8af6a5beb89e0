#include "transfer/rational_function.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "numeric/constants.h"
#include "transfer/cascade.h"

namespace tovan {
namespace {

const Polynomial& CoefficientsOf(std::optional<Polynomial>& coefficients,
                                 const std::optional<FactoredPolynomial>& factored) {
  if (!coefficients) coefficients = factored ? Expand(*factored) : Polynomial();
  return *coefficients;
}

const FactoredPolynomial& FactoredOf(std::optional<FactoredPolynomial>& factored,
                                     const std::optional<Polynomial>& coefficients) {
  if (!factored)
    factored =
        coefficients ? FromPolynomial(*coefficients) : FactoredPolynomial(ComplexVector(), 0.0);
  return *factored;
}

}  // namespace

RationalFunction::RationalFunction(const Polynomial& numerator, const Polynomial& denominator)
    : numeratorCoefficients(numerator), denominatorCoefficients(denominator) {}

RationalFunction::RationalFunction(const FactoredPolynomial& numerator,
                                   const FactoredPolynomial& denominator)
    : numeratorFactored(numerator), denominatorFactored(denominator) {}

void RationalFunction::SetNumeratorCoefficients(const Polynomial& p) {
  numeratorFactored.reset();
  numeratorCoefficients = p;
}

void RationalFunction::SetDenominatorCoefficients(const Polynomial& p) {
  denominatorFactored.reset();
  denominatorCoefficients = p;
}

void RationalFunction::SetNumeratorFactored(const FactoredPolynomial& f) {
  numeratorCoefficients.reset();
  numeratorFactored = f;
}

void RationalFunction::SetDenominatorFactored(const FactoredPolynomial& f) {
  denominatorCoefficients.reset();
  denominatorFactored = f;
}

const Polynomial& RationalFunction::NumeratorCoefficients() const {
  return CoefficientsOf(numeratorCoefficients, numeratorFactored);
}

const Polynomial& RationalFunction::DenominatorCoefficients() const {
  return CoefficientsOf(denominatorCoefficients, denominatorFactored);
}

const FactoredPolynomial& RationalFunction::NumeratorFactored() const {
  return FactoredOf(numeratorFactored, numeratorCoefficients);
}

const FactoredPolynomial& RationalFunction::DenominatorFactored() const {
  return FactoredOf(denominatorFactored, denominatorCoefficients);
}

Complex RationalFunction::ResponseAt(const Complex& s) const {
  return Evaluate(NumeratorCoefficients(), s) / Evaluate(DenominatorCoefficients(), s);
}

ComplexVector RationalFunction::Response(const ComplexVector& points) const {
  const Polynomial& numerator = NumeratorCoefficients();
  const Polynomial& denominator = DenominatorCoefficients();
  ComplexVector values(points.length(), kForOverwrite);
  // A run of points at a time, both sides evaluated side by side, then divided.
  constexpr int kRun = 64;
  std::array<Complex, kRun> below;
  for (int first = 0; first < points.length(); first += kRun) {
    const int count = std::min(kRun, points.length() - first);
    EvaluateMany(numerator, points.data() + first, count, values.data() + first);
    EvaluateMany(denominator, points.data() + first, count, below.data());
    for (int k = 0; k < count; ++k) values[first + k] = values[first + k] / below[k];
  }
  return values;
}

double RationalFunction::Magnitude(double f) const {
  return tovan::Magnitude(ResponseAt({0.0, kTwoPi * f}));
}

double RationalFunction::MagnitudeDb(double f) const { return MagnitudeToDb(Magnitude(f)); }

double MagnitudeToDb(double magnitude) { return std::log2(magnitude) * std::log10(2.0) * 20.0; }

RationalFunction Multiply(const RationalFunction& a, const RationalFunction& b) {
  RationalFunction product;
  if (a.HasNumeratorFactored() && b.HasNumeratorFactored())
    product.SetNumeratorFactored(Multiply(a.NumeratorFactored(), b.NumeratorFactored()));
  else
    product.SetNumeratorCoefficients(
        Multiply(a.NumeratorCoefficients(), b.NumeratorCoefficients()));
  if (a.HasDenominatorFactored() && b.HasDenominatorFactored())
    product.SetDenominatorFactored(Multiply(a.DenominatorFactored(), b.DenominatorFactored()));
  else
    product.SetDenominatorCoefficients(
        Multiply(a.DenominatorCoefficients(), b.DenominatorCoefficients()));
  return product;
}

RationalFunction FromCascade(const Cascade& cascade) {
  FactoredPolynomial numerator = FromPolynomial(Polynomial{1.0});
  FactoredPolynomial denominator = FromPolynomial(Polynomial{1.0});
  for (int i = 0; i < cascade.Count(); ++i) {
    MultiplyInPlace(numerator, cascade.Section(i).NumeratorFactored());
    MultiplyInPlace(denominator, cascade.Section(i).DenominatorFactored());
  }
  RationalFunction product;
  product.SetNumeratorFactored(numerator);
  product.SetDenominatorFactored(denominator);
  return product;
}

}  // namespace tovan
