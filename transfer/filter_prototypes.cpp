#include "transfer/filter_prototypes.h"

#include <cmath>

#include "numeric/complex.h"
#include "numeric/constants.h"
#include "transfer/bisection_search.h"
#include "transfer/factored_polynomial.h"

namespace tovan {

Cascade MakeButterworth(double f0, int n) {
  Cascade cascade;
  if (n <= 0) return cascade;
  const double tau = 1.0 / (kTwoPi * f0);
  cascade.Resize((n + 1) / 2);
  if (n % 2 == 1) {
    const ComplexVector pole(1, Complex{-1.0 / tau, 0.0});
    cascade.SetSection((n - 1) / 2, RationalFunction(FactoredPolynomial(ComplexVector(), 1.0 / tau),
                                                     FactoredPolynomial(pole, 1.0)));
  }
  for (int i = 0; i < n / 2; ++i) {
    const int k = 2 * i + 1;
    // The product k * pi first, then the division: the pole angles depend on it.
    const double theta = (k * kPi) / (2 * n);
    const Complex p = Complex{-std::sin(theta), std::cos(theta)} / Complex{tau, 0.0};
    ComplexVector poles(2);
    poles[0] = p;
    poles[1] = Conjugate(p);
    cascade.SetSection(i, RationalFunction(FactoredPolynomial(ComplexVector(), 1.0 / (tau * tau)),
                                           FactoredPolynomial(poles, 1.0)));
  }
  return cascade;
}

double Factorial(int n) {
  // n * ((n-1) * (... * (1 * 1))): the recursive definition's products, bottom up.
  double product = 1.0;
  for (int k = 1; k <= n; ++k) product = static_cast<double>(k) * product;
  return product;
}

Polynomial BesselCoefficients(int n) {
  Polynomial a(n + 1);
  for (int k = 0; k <= n; ++k)
    a[k] = Factorial(2 * n - k) / (std::pow(2.0, n - k) * Factorial(k) * Factorial(n - k));
  return a;
}

RationalFunction MakeBessel(double fc, int n) {
  const Polynomial a = BesselCoefficients(n);
  const Polynomial numerator{a.at(0)};
  const RationalFunction prototype(numerator, a);
  const double f1 = std::pow(a.at(0) * (2.0 / std::sqrt(2.0)), 1.0 / n) * kInverseTwoPi;
  BisectionSearch search;
  search.Begin(0.0, prototype.MagnitudeDb(0.0), f1, prototype.MagnitudeDb(f1), -3.0, 1e-5, 1000);
  double x = f1;
  double value = 0.0;
  do {
    value = prototype.MagnitudeDb(x);
  } while (search.Advance(x, value));
  Polynomial denominator = a;
  ScaleArgument(denominator, x / fc);
  return RationalFunction(numerator, denominator);
}

}  // namespace tovan
