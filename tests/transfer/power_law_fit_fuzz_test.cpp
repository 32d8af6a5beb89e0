#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "transfer/power_law_fit.h"
#include "transfer/transfer_test_support.h"

// The group-delay form of the power-law fit, (B/2, G/3) and (B, G) from exponent 1,
// with delays G of every magnitude. Asserted:
// - for 1e-140 <= |G| <= 1e140 the fit finds p = log2 3 and A B^p = G, both to 1e-12
//   relative (the squared model values stay inside the double range);
// - for any G from 1e-320 to 1e308 it returns with a finite exponent; the amplitude
//   is that of the last trial evaluated and is not asserted there.
namespace tovan {
namespace {

using testing_support::Draws;

Vector FitTwoPoints(double bandwidth, double delay) {
  SampleTable points;
  points.abscissae = Vector(2);
  points.ordinates = Vector(2);
  points.abscissae[0] = bandwidth * 0.5;
  points.abscissae[1] = bandwidth;
  points.ordinates[0] = delay * 0.3333333333333333;
  points.ordinates[1] = delay;
  PowerLawFit fit(points, Vector(2, 1.0), true, 1.0, 0.0, 30, false);
  return fit.Result();
}

TEST(PowerLawFitFuzzTest, DelaysOfModerateMagnitudeAreFittedExactly) {
  Draws draws(37001u);
  const double exponent = std::log2(3.0);
  for (int trial = 0; trial < 400; ++trial) {
    const double bandwidth = draws.Uniform(0.5, 20.0);
    const double magnitude = draws.Uniform(-140.0, 140.0);
    const double delay = (trial % 2 == 0 ? 1.0 : -1.0) * std::pow(10.0, magnitude);
    SCOPED_TRACE("bandwidth " + std::to_string(bandwidth) + ", delay 1e" + std::to_string(magnitude));
    const Vector result = FitTwoPoints(bandwidth, delay);
    ASSERT_EQ(result.length(), 2);
    EXPECT_NEAR(result[1], exponent, 1e-12 * exponent);
    EXPECT_NEAR(result[0] * std::pow(bandwidth, result[1]) / delay, 1.0, 1e-12);
  }
}

TEST(PowerLawFitFuzzTest, AnyDelayKeepsAFiniteExponent) {
  for (int magnitude = -320; magnitude <= 308; magnitude += 4) {
    for (const double bandwidth : {0.5, 6.0, 20.0}) {
      SCOPED_TRACE("bandwidth " + std::to_string(bandwidth) + ", delay 1e" + std::to_string(magnitude));
      const Vector result = FitTwoPoints(bandwidth, std::pow(10.0, magnitude));
      ASSERT_EQ(result.length(), 2);
      EXPECT_TRUE(std::isfinite(result[1]));
    }
  }
}

}  // namespace
}  // namespace tovan
