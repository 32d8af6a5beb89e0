#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "optimize/rational_fit.h"

// The rational magnitude fit with targets from 1e-300 to 1e300 (and zero), with
// sample frequencies inside and beyond the high-frequency bound (omega > 1e4), with
// every combination of small numerator and denominator degrees, and with weights from
// 1e-300 to 1e300. Asserted: the fit returns a function with the start's coefficient
// counts and every coefficient finite. Not asserted: whether tiny or huge targets are
// matched (the merit is an absolute mean square, so 1e-300 targets count as met by
// almost any function, and squares of 1e300 overflow), nor the magnitude of the
// result: with a_0 held at its start value, unreachable targets can walk the other
// coefficients to 1e200 and beyond, where evaluating |N/D| overflows in the complex
// division.
namespace tovan {
namespace {

Polynomial Geometric(int degree, double ratio) {
  Polynomial p(degree + 1);
  double term = 1.0;
  for (int k = 0; k <= degree; ++k, term *= ratio) p[k] = term;
  return p;
}

SampleTable Targets(int count, double topFrequency, double scale) {
  SampleTable t;
  t.abscissae = Vector::Ramp(count, 0.0, count > 1 ? topFrequency / (count - 1) : 0.0);
  t.ordinates = Vector(count);
  for (int k = 0; k < count; ++k) t.ordinates[k] = scale * (1.0 + 0.5 * std::sin(0.7 * k));
  return t;
}

void ExpectFiniteFit(const RationalFunction& start, const SampleTable& targets, const Vector& weights) {
  const RationalFunction fitted = FitRationalFunction(start, targets, weights, 0.0004, 1000, false);
  const Polynomial& numerator = fitted.NumeratorCoefficients();
  const Polynomial& denominator = fitted.DenominatorCoefficients();
  ASSERT_EQ(numerator.length(), start.NumeratorCoefficients().length());
  ASSERT_EQ(denominator.length(), start.DenominatorCoefficients().length());
  for (int k = 0; k < numerator.length(); ++k) EXPECT_TRUE(std::isfinite(numerator[k])) << "a" << k;
  for (int k = 0; k < denominator.length(); ++k) EXPECT_TRUE(std::isfinite(denominator[k])) << "b" << k;
}

TEST(RationalFitFuzzTest, TinyAndHugeTargetsForEveryDegreePair) {
  for (int m : {0, 1, 3, 5}) {
    for (int n : {0, 1, 3, 5}) {
      const RationalFunction start(Geometric(m, 0.5), Geometric(n, 0.4));
      for (double top : {10.0, 5000.0}) {
        for (int exponent = -300; exponent <= 300; exponent += 50) {
          SCOPED_TRACE("degrees " + std::to_string(m) + "/" + std::to_string(n) + ", up to " + std::to_string(top) +
                       " GHz, targets 1e" + std::to_string(exponent));
          ExpectFiniteFit(start, Targets(101, top, std::pow(10.0, exponent)), Vector(101, 1.0));
        }
      }
    }
  }
}

TEST(RationalFitFuzzTest, ZeroSubnormalAndLargestTargets) {
  const RationalFunction start(Geometric(5, 0.5), Geometric(5, 0.4));
  for (double scale : {0.0, 5e-324, 1e-310, 1.7e308}) {
    SCOPED_TRACE("targets " + std::to_string(scale));
    ExpectFiniteFit(start, Targets(101, 10.0, scale), Vector(101, 1.0));
  }
}

TEST(RationalFitFuzzTest, ExtremeWeights) {
  const RationalFunction start(Geometric(5, 0.5), Geometric(5, 0.4));
  for (double weight : {1e-300, 1e-100, 1e100, 1e300}) {
    SCOPED_TRACE("weights " + std::to_string(weight));
    ExpectFiniteFit(start, Targets(101, 10.0, 1.0), Vector(101, weight));
  }
}

TEST(RationalFitFuzzTest, FewSamples) {
  const RationalFunction start(Geometric(5, 0.5), Geometric(5, 0.4));
  for (int count : {1, 2, 3}) {
    SCOPED_TRACE(std::to_string(count) + " samples");
    ExpectFiniteFit(start, Targets(count, 10.0, 1.0), Vector(count, 1.0));
  }
}

}  // namespace
}  // namespace tovan
