#include "measure/edge_timing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

const EdgeLevels kRise1090{-0.48, 0.0, 0.48};
const EdgeLevels kFall1090{0.48, 0.0, -0.48};

// From -0.6 up to 0.6 (or down, with sign -1) over samples `start` ... start + ramp.
Vector RampWindow(int length, int start, int ramp, double sign) {
  Vector w(length);
  for (int n = 0; n < length; ++n) {
    const double x = n <= start ? 0.0 : n >= start + ramp ? 1.0 : double(n - start) / ramp;
    w[n] = sign * (-0.6 + 1.2 * x);
  }
  return w;
}

TEST(EdgeDuration, LinearRampTakesEightTenthsOfItsLength) {
  EXPECT_NEAR(EdgeDuration(RampWindow(20, 5, 10, 1.0), 10, +1, kRise1090), 8.0, 1e-12);
  EXPECT_NEAR(EdgeDuration(RampWindow(20, 5, 10, -1.0), 10, -1, kFall1090), 8.0, 1e-12);
  EXPECT_NEAR(EdgeDuration(RampWindow(20, 5, 10, 1.0), 10, +1, {-0.36, 0.0, 0.36}), 6.0, 1e-12);
}

TEST(EdgeDuration, IgnoresRingingAndOtherEdges) {
  Vector w = RampWindow(40, 20, 10, 1.0);
  w[3] = 0.3;   // an early excursion crossing every level up and down again
  w[32] = 0.7;  // ringing back below the 90 % level after the edge
  w[33] = 0.4;
  EXPECT_NEAR(EdgeDuration(w, 25, +1, kRise1090), 8.0, 1e-12);
}

TEST(EdgeDuration, NaNWhenALevelIsNeverReached) {
  Vector w = RampWindow(20, 5, 10, 1.0);
  for (int n = 13; n < 20; ++n) w[n] = 0.3;  // stops short of 90 %
  EXPECT_TRUE(std::isnan(EdgeDuration(w, 10, +1, kRise1090)));
  EXPECT_TRUE(std::isnan(EdgeDuration(RampWindow(20, 5, 10, 1.0), 10, -1, kFall1090)));
  EXPECT_TRUE(std::isnan(EdgeDuration(Vector(1, 0.0), 0, +1, kRise1090)));
}

TEST(AverageEdgeWindow, MeanOfTheTwoCellWindows) {
  const Vector signal = Vector::Ramp(8, 0.0, 1.0);
  const std::vector<Transition> t = FindTransitions(testing::Bits("0101"));
  // Rising at bits 1 and 3: samples 0-3 and 4-7. Falling at 0 and 2: 6, 7, 0, 1 and 2-5.
  const double rising[] = {2, 3, 4, 5};
  const double falling[] = {4, 5, 2, 3};
  const Vector up = AverageEdgeWindow(signal, t, true, 2);
  const Vector down = AverageEdgeWindow(signal, t, false, 2);
  ASSERT_EQ(up.length(), 4);
  ASSERT_EQ(down.length(), 4);
  for (int k = 0; k < 4; ++k) {
    EXPECT_DOUBLE_EQ(up[k], rising[k]) << k;
    EXPECT_DOUBLE_EQ(down[k], falling[k]) << k;
  }
}

}  // namespace
}  // namespace tovan
