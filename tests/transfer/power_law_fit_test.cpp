#include "transfer/power_law_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "transfer/transfer_test_support.h"

namespace tovan {
namespace {

using testing_support::TableOf;

// The group-delay settings: unit weights, start exponent 1, tolerance 0, 30 iterations.
Vector Fit(const SampleTable& table) {
  PowerLawFit fit(table, Vector(table.abscissae.length(), 1.0), true, 1.0, 0.0, 30, false);
  return fit.Result();
}

TEST(PowerLawFitTest, ThroughOneOneAndTwoThree) {
  PowerLawFit fit(TableOf({1, 2}, {1, 3}), Vector(2, 1.0), true, 1.0, 0.0, 30, false);
  const Vector result = fit.Result();
  ASSERT_EQ(result.length(), 2);
  EXPECT_DOUBLE_EQ(result[1], std::log2(3.0));
  EXPECT_DOUBLE_EQ(result[0], 1.0);
  EXPECT_LE(fit.iterationCount(), 30);
}

TEST(PowerLawFitTest, GroupDelayPointsGiveLog2Of3) {
  struct Case {
    double bandwidth;
    double delay;
  };
  const double p = std::log2(3.0);
  for (const Case c : {Case{6, 0.1}, Case{6, -0.032}, Case{1, 1}, Case{20, 0.25}, Case{2.5, -0.5}, Case{0.3, 7}}) {
    const Vector result = Fit(TableOf({c.bandwidth * 0.5, c.bandwidth}, {c.delay * 0.3333333333333333, c.delay}));
    EXPECT_NEAR(result[1], p, 1e-14) << c.bandwidth << " " << c.delay;
    const double amplitude = c.delay / std::pow(c.bandwidth, p);
    EXPECT_NEAR(result[0], amplitude, 1e-13 * std::fabs(amplitude)) << c.bandwidth << " " << c.delay;
  }
}

TEST(PowerLawFitTest, EngineCaseMatchesTheIndependentModel) {
  // Bandwidth 6 GHz, group delay -0.032 ns (the start-up preset), from the reference
  // document of the independent model: A, p and the iteration count.
  PowerLawFit fit(TableOf({6.0 * 0.5, 6.0}, {-0.032 * 0.3333333333333333, -0.032}), Vector(2, 1.0), true, 1.0, 0.0, 30,
                  false);
  const Vector result = fit.Result();
  EXPECT_EQ(result[0], -0.0018698614435465088);
  EXPECT_EQ(result[1], 1.5849625007211563);
  EXPECT_EQ(fit.iterationCount(), 15);
}

TEST(PowerLawFitTest, WithoutFittingEvaluatesTheStartExponent) {
  PowerLawFit fit(TableOf({1, 2}, {2, 4}), Vector(2, 1.0), false, 1.0, 0.0, 30, false);
  const Vector result = fit.Result();
  EXPECT_EQ(result[0], 2.0);
  EXPECT_EQ(result[1], 1.0);
  EXPECT_EQ(fit.iterationCount(), 0);
}

TEST(PowerLawFitTest, AmplitudeOfAnExactPowerLawIgnoresTheWeights) {
  const double p = 0.7;
  std::vector<double> x = {0.5, 1, 2, 4}, y;
  for (double v : x) y.push_back(5 * std::pow(v, p));
  PowerLawFit fit(TableOf(x, y), Vector(4, 1.0), false, p, 0.0, 30, false);
  std::vector<double> w = {1, 10, 0.1, 3};
  Vector weights(4);
  for (int k = 0; k < 4; ++k) weights[k] = w[k];
  PowerLawFit weighted(TableOf(x, y), weights, false, p, 0.0, 30, false);
  EXPECT_NEAR(fit.Result()[0], 5.0, 1e-14);
  EXPECT_EQ(weighted.Result()[0], fit.Result()[0]);
}

TEST(PowerLawFitTest, JacobianIsTheTotalDerivativeInTheExponent) {
  const std::vector<double> x = {0.5, 1.5, 3}, y = {0.2, 0.9, 2.1};
  const auto model = [&](double p, int i) {
    double cross = 0, squares = 0;
    for (int k = 0; k < 3; ++k) {
      cross += y[k] * std::pow(x[k], p);
      squares += std::pow(x[k], 2 * p);
    }
    return cross / squares * std::pow(x[i], p);
  };
  PowerLawFit fit(TableOf(x, y), Vector(3, 1.0), false, 1.3, 0.0, 30, false);
  const Linearization l = fit.Linearize();
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(l.residuals[i], model(1.3, i), 1e-15) << i;
    const double h = 1e-6;
    EXPECT_NEAR(l.jacobian[i][0], (model(1.3 + h, i) - model(1.3 - h, i)) / (2 * h), 1e-8) << i;
  }
}

TEST(PowerLawFitTest, NonPositiveAbscissaeDropOutOfTheDerivative) {
  // x = 0 enters the amplitude sums with 0^p = 0 and contributes nothing else.
  PowerLawFit withZero(TableOf({0, 1, 2}, {5, 1, 3}), Vector(3, 1.0), true, 1.0, 0.0, 30, false);
  const Vector result = withZero.Result();
  EXPECT_NEAR(result[1], std::log2(3.0), 1e-14);
  EXPECT_NEAR(result[0], 1.0, 1e-14);
}

}  // namespace
}  // namespace tovan
