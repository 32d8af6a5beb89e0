// The interpolation rules, each on a small table whose answer is worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "response/interpolated_response.h"

namespace tovan {
namespace {

constexpr double kPi = std::numbers::pi;

// Points at 1, 2 and 4 GHz: 6 dB, 0 dB, -14 dB; phases 0.5, -2.5 and +3.0 rad, so
// unwrapped 0.5, -2.5 and 3.0 - 2 pi (the step of 5.5 rad is taken as 5.5 - 2 pi).
ResponseTable Table() {
  ResponseTable table;
  table.frequencies = {1.0, 2.0, 4.0};
  const double db[] = {6.0, 0.0, -14.0};
  const double phase[] = {0.5, -2.5, 3.0};
  for (int i = 0; i < 3; ++i) {
    const double magnitude = std::pow(10.0, db[i] / 20.0);
    table.values.push_back({magnitude * std::cos(phase[i]), magnitude * std::sin(phase[i])});
  }
  return table;
}

struct Expected {
  double f;
  double db;     // after scaling to 0 dB at 1 GHz
  double phase;  // unwrapped, radians
};

class GridInterpolationTest : public ::testing::TestWithParam<Expected> {};

TEST_P(GridInterpolationTest, FollowsTheRules) {
  const Expected& e = GetParam();
  const Complex h = InterpolatedResponse(Table()).At(e.f);
  EXPECT_NEAR(20.0 * std::log10(std::hypot(h.re, h.im)), e.db, 1e-9);
  const double wrapped = std::remainder(std::atan2(h.im, h.re) - e.phase, 2.0 * kPi);
  EXPECT_NEAR(wrapped, 0.0, 1e-9);
}

const double kLast = 3.0 - 2.0 * kPi;

INSTANTIATE_TEST_SUITE_P(
    Rules, GridInterpolationTest,
    ::testing::Values(Expected{0.0, 0.0, 0.0},                 // DC: held magnitude, phase 0
                      Expected{0.25, 0.0, 0.125},              // below: phase linear to 0
                      Expected{1.0, 0.0, 0.5},                 // the first point scaled to 0 dB
                      Expected{1.5, -3.0, -1.0},                // dB and phase linear
                      Expected{3.0, -13.0, (-2.5 + kLast) / 2},  // across the unwrapped step
                      Expected{4.0, -20.0, kLast},
                      Expected{6.0, -20.0, kLast + 2.0 * (kLast + 2.5) / 2.0}));  // held, slope

TEST(GridInterpolation, AnExactZeroCountsAsMinus300Db) {
  ResponseTable table;
  table.frequencies = {1.0, 3.0};
  table.values = {Complex{1.0, 0.0}, Complex{0.0, 0.0}};
  const Complex h = InterpolatedResponse(table).At(2.0);
  EXPECT_NEAR(20.0 * std::log10(std::hypot(h.re, h.im)), -150.0, 1e-9);
}

TEST(GridInterpolation, ATableStartingAtDcKeepsItsPhaseThere) {
  ResponseTable table;
  table.frequencies = {0.0, 1.0};
  table.values = {Complex{-2.0, 0.0}, Complex{0.0, -2.0}};
  const ComplexVector h = InterpolatedResponse(table).On(Vector::Ramp(2, 0.0, 1.0));
  EXPECT_NEAR(h[0].re, -1.0, 1e-15);
  EXPECT_NEAR(h[1].im, -1.0, 1e-15);
}

}  // namespace
}  // namespace tovan
