#include "optimize/rational_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "engine/flatness_start_guess.h"
#include "numeric/constants.h"
#include "transfer/factored_polynomial.h"
#include "transfer/interpolator.h"

namespace tovan {
namespace {

Polynomial Coefficients(const std::vector<double>& c) {
  Polynomial p(static_cast<int>(c.size()));
  for (int k = 0; k < p.length(); ++k) p[k] = c[k];
  return p;
}

// |N(j omega)/D(j omega)| in std::complex<long double>, independently of the fitter's tables.
double Magnitude(const std::vector<double>& a, const std::vector<double>& b, double omega) {
  const std::complex<long double> s(0, omega);
  std::complex<long double> n = 0, d = 0, power = 1;
  for (std::size_t k = 0; k < a.size() || k < b.size(); ++k) {
    if (k < a.size()) n += static_cast<long double>(a[k]) * power;
    if (k < b.size()) d += static_cast<long double>(b[k]) * power;
    power *= s;
  }
  return static_cast<double>(std::abs(n / d));
}

SampleTable Grid(int count, double step) {
  SampleTable t;
  t.abscissae = Vector::Ramp(count, 0.0, step);
  t.ordinates = Vector(count);
  return t;
}

TEST(RationalFitTest, ModelValuesAreTheMagnitudeOnTheImaginaryAxis) {
  const std::vector<double> a = {2, -0.5, 0.25, 0.01}, b = {1, 0.3, 0.02};
  SampleTable grid = Grid(21, 0.15);
  RationalFit fit(RationalFunction(Coefficients(a), Coefficients(b)), grid, Vector(21, 1.0), 0.0004, 10, false);
  const Vector values = fit.Residuals();
  ASSERT_EQ(values.length(), 21);
  for (int j = 0; j < 21; ++j) {
    const double omega = 2.0 * grid.abscissae[j] * kPi;
    EXPECT_NEAR(values[j], Magnitude(a, b, omega), 1e-13 * Magnitude(a, b, omega)) << j;
  }
}

TEST(RationalFitTest, JacobianMatchesCentralDifferencesAndFixesTheConstantTerm) {
  const std::vector<double> a = {1.5, 0.4, 0.03}, b = {1, 0.2, 0.05};
  SampleTable grid = Grid(8, 0.2);
  RationalFit fit(RationalFunction(Coefficients(a), Coefficients(b)), grid, Vector(8, 1.0), 0.0004, 10, false);
  const Linearization l = fit.Linearize();
  ASSERT_EQ(l.jacobian.rows(), 8);
  ASSERT_EQ(l.jacobian.cols(), 6);
  for (int j = 0; j < 8; ++j) {
    const double omega = 2.0 * grid.abscissae[j] * kPi;
    EXPECT_EQ(l.jacobian[j][0], 1e60);
    for (int c = 1; c < 6; ++c) {
      std::vector<double> up_a = a, down_a = a, up_b = b, down_b = b;
      const double h = 1e-6;
      if (c < 3) {
        up_a[c] += h;
        down_a[c] -= h;
      } else {
        up_b[c - 3] += h;
        down_b[c - 3] -= h;
      }
      const double numeric = (Magnitude(up_a, up_b, omega) - Magnitude(down_a, down_b, omega)) / (2 * h);
      EXPECT_NEAR(l.jacobian[j][c], numeric, 1e-7) << "sample " << j << " column " << c;
    }
  }
}

TEST(RationalFitTest, HighFrequencySamplesTakeTheLimit) {
  struct Case {
    std::vector<double> a, b;
    double limit;
  };
  const Case cases[] = {
      {{1, 2}, {1, 4}, 0.5},      // m = n: a_m / b_n
      {{1}, {1, 1}, 0.0},         // m < n
      {{1, 1, 1}, {1, 1}, 1e101}, // m > n stands for infinity
  };
  for (const Case& c : cases) {
    SampleTable table;
    table.abscissae = Vector(1, 2000.0);  // omega about 12566 > 1e4
    table.ordinates = Vector(1, 0.0);
    RationalFit fit(RationalFunction(Coefficients(c.a), Coefficients(c.b)), table, Vector(1, 1.0), 0.0, 1, false);
    EXPECT_EQ(fit.Residuals()[0], c.limit);
    const Linearization l = fit.Linearize();
    EXPECT_EQ(l.residuals[0], c.limit);
    EXPECT_EQ(l.jacobian[0][0], 1e60);
  }
  // With m = n the row is the derivative of a_m / b_n: 1/b_n and -a_m/b_n^2.
  SampleTable table;
  table.abscissae = Vector(1, 2000.0);
  table.ordinates = Vector(1, 0.0);
  RationalFit fit(RationalFunction(Coefficients({1, 2}), Coefficients({1, 4})), table, Vector(1, 1.0), 0.0, 1, false);
  const Linearization l = fit.Linearize();
  EXPECT_EQ(l.jacobian[0][1], 0.25);
  EXPECT_EQ(l.jacobian[0][2], 0.0);
  EXPECT_EQ(l.jacobian[0][3], -0.125);
}

SampleTable KnownTarget(const std::vector<double>& a, const std::vector<double>& b) {
  SampleTable target = Grid(101, 0.02);
  for (int j = 0; j < 101; ++j) target.ordinates[j] = Magnitude(a, b, 2.0 * target.abscissae[j] * kPi);
  return target;
}

TEST(RationalFitTest, RecoversAKnownMagnitudeFromTwoStarts) {
  // Target |(1 + 0.5 s) / (1 + 0.2 s)|; a_0 is held at its start value 1. From these
  // starts the run converges before the monitor sees both curves stagnate.
  const std::vector<double> a = {1, 0.5}, b = {1, 0.2};
  const SampleTable target = KnownTarget(a, b);
  for (const std::vector<double>& s : {std::vector<double>{1, 0.6, 0.9, 0.15}, std::vector<double>{1, 0.8, 1.2, 0.1}}) {
    const RationalFunction start(Coefficients({s[0], s[1]}), Coefficients({s[2], s[3]}));
    RationalFit fit(start, target, Vector(101, 1.0), 1e-26, 1000, false);
    const RationalFunction result = fit.Fit();
    const Polynomial& n = result.NumeratorCoefficients();
    const Polynomial& d = result.DenominatorCoefficients();
    ASSERT_EQ(n.length(), 2);
    ASSERT_EQ(d.length(), 2);
    for (int k = 0; k < 2; ++k) {
      EXPECT_NEAR(n[k], a[k], 1e-9) << "a" << k << " from " << s[1];
      EXPECT_NEAR(d[k], b[k], 1e-9) << "b" << k << " from " << s[1];
    }
    EXPECT_LT(fit.lastMerit(), 1e-20);
  }
}

// Parameters and iteration counts of the flatness fit computed by the independent
// model of the engine (reference documents "no-preset" and "preset-0").
TEST(RationalFitTest, FlatnessFitOfFlatLevelsMatchesTheIndependentModel) {
  SampleTable target = Grid(101, 0.1);
  for (int j = 0; j < 101; ++j) target.ordinates[j] = 1.0;
  RationalFit fit(FlatnessStartGuess(), target, Vector(101, 1.0), 0.0004, 1000, false);
  fit.Fit();
  const double want[12] = {185484.1709885061,  123517.75116895819, 29961.72349478779,  2758.6261513123895,
                           95.65310754188857,  0.9915586486338513, 183533.26420169295, 122242.35028424472,
                           29652.570413063975, 2730.1012804480556, 94.66615732592611,  0.9811351250493208};
  EXPECT_EQ(fit.iterationCount(), 8);
  const Vector p = fit.Parameters();
  ASSERT_EQ(p.length(), 12);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(p[k], want[k]) << k;
}

TEST(RationalFitTest, FlatnessFitOfABumpMatchesTheIndependentModel) {
  SampleTable knots{Vector::Ramp(11, 0.0, 1.0), Vector(11)};
  const double levels[10] = {0, 0, 0, 0.5, 0.5, 1, 1, 0, 0, 0};
  for (int k = 0; k < 10; ++k) knots.ordinates[k + 1] = levels[k];
  SampleTable target;
  target.abscissae = Vector::Ramp(101, 0.0, 0.1);
  target.ordinates = MakeSpline(knots, true).Values(target.abscissae);
  for (int j = 0; j < 101; ++j) target.ordinates[j] = std::pow(10.0, target.ordinates[j] * 0.05);
  EXPECT_EQ(target.ordinates[1], 0.9998524502665321);
  EXPECT_EQ(target.ordinates[2], 0.9997138627729447);
  RationalFit fit(FlatnessStartGuess(), target, Vector(101, 1.0), 0.0004, 1000, false);
  fit.Fit();
  const double want[12] = {185484.1709885061,  140838.42172294605, 27050.07584143947,  3962.748133534301,
                           59.4853033364483,   2.0949509243763575, 186313.75564255117, 140855.67944329837,
                           27044.946686195974, 3941.8969540833605, 55.09195988034794,  2.147906762871008};
  EXPECT_EQ(fit.iterationCount(), 11);
  const Vector p = fit.Parameters();
  ASSERT_EQ(p.length(), 12);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(p[k], want[k]) << k;
}

TEST(FitRationalFunctionTest, ReturnsTheFitInCoefficientFormOnly) {
  SampleTable target = Grid(101, 0.1);
  for (int j = 0; j < 101; ++j) target.ordinates[j] = 1.0;
  const RationalFunction fitted = FitRationalFunction(FlatnessStartGuess(), target, Vector(101, 1.0), 0.0004, 1000, false);
  EXPECT_TRUE(fitted.HasNumeratorCoefficients());
  EXPECT_TRUE(fitted.HasDenominatorCoefficients());
  EXPECT_FALSE(fitted.HasNumeratorFactored());
  EXPECT_FALSE(fitted.HasDenominatorFactored());
  RationalFit fit(FlatnessStartGuess(), target, Vector(101, 1.0), 0.0004, 1000, false);
  const RationalFunction direct = fit.Fit();
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(fitted.NumeratorCoefficients()[k], direct.NumeratorCoefficients()[k]);
    EXPECT_EQ(fitted.DenominatorCoefficients()[k], direct.DenominatorCoefficients()[k]);
  }
}

TEST(RationalFitTest, AStartWithinToleranceStopsAtOnce) {
  const std::vector<double> a = {1, 0.2}, b = {1, 0.25};
  SampleTable target = Grid(11, 0.1);
  for (int j = 0; j < 11; ++j) target.ordinates[j] = Magnitude(a, b, 2.0 * target.abscissae[j] * kPi) + 0.001;
  RationalFit fit(RationalFunction(Coefficients(a), Coefficients(b)), target, Vector(11, 1.0), 0.0004, 1000, false);
  EXPECT_TRUE(fit.Run());
  EXPECT_EQ(fit.iterationCount(), 1);
}

TEST(RationalFitTest, AnEmptyNumeratorDoesNotReadPastTheParameters) {
  SampleTable target = Grid(3, 1000.0);  // the last two samples are above the limit
  RationalFit fit(RationalFunction(Polynomial(), Coefficients({1, 1})), target, Vector(3, 1.0), 0.0, 3, false);
  const Vector values = fit.Residuals();
  EXPECT_EQ(values[1], 0.0);
  EXPECT_EQ(values[2], 0.0);
  fit.Fit();
  EXPECT_EQ(fit.Parameters().length(), 2);
}

}  // namespace
}  // namespace tovan
