#include "optimize/recursive_filter.h"

#include <cmath>

namespace tovan {

RecursiveFilter::RecursiveFilter(const RationalFunction& coefficients)
    : numerator(coefficients.NumeratorCoefficients()),
      denominator(coefficients.DenominatorCoefficients()) {
  const double a0 = denominator.at(0);
  if (a0 != 0.0) {
    DivideByInPlace(numerator, a0);
    DivideByInPlace(denominator, a0);
  }
  inputs = Vector(numerator.length());
  outputs = Vector(denominator.length());
}

double RecursiveFilter::Step(double input) {
  inputs.Element(0) = input;
  // One running sum, numerator terms first, each in index order.
  double y = 0.0;
  for (int i = 0; i < numerator.length(); ++i) y = y + numerator[i] * inputs[i];
  for (int i = 1; i < denominator.length(); ++i) y = y - denominator[i] * outputs[i];
  outputs.Element(0) = y;
  for (int k = inputs.length() - 1; k >= 1; --k) inputs[k] = inputs[k - 1];
  for (int k = outputs.length() - 1; k >= 1; --k) outputs[k] = outputs[k - 1];
  return y;
}

RecursiveFilter MakeSmoother(double timeConstant) {
  const double f = std::exp(-1.0 / timeConstant);
  return RecursiveFilter(RationalFunction(Polynomial{1.0 - f}, Polynomial{1.0, -f}));
}

}  // namespace tovan
