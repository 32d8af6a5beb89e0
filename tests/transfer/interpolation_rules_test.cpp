#include "transfer/interpolation_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "transfer/transfer_test_support.h"

namespace tovan {
namespace {

using testing_support::TableOf;

TEST(FitLinearTest, SegmentsAreTheChordsInGlobalCoordinates) {
  Interpolator line(TableOf({0, 2, 3}, {1, 5, 2}), 1, FitLinear, true, false);
  ASSERT_TRUE(line.built);
  ASSERT_EQ(line.segments.size(), 2u);
  // Chord through (0, 1), (2, 5): 1 + 2x. Chord through (2, 5), (3, 2): 11 - 3x.
  EXPECT_EQ(line.segments[0][0], 1.0);
  EXPECT_EQ(line.segments[0][1], 2.0);
  EXPECT_EQ(line.segments[1][0], 11.0);
  EXPECT_EQ(line.segments[1][1], -3.0);
  EXPECT_EQ(line.Value(1.0), 3.0);
  EXPECT_EQ(line.Value(2.5), 3.5);
  EXPECT_EQ(line.Value(4.0), -1.0);
}

TEST(FitNaturalCubicTest, CoefficientsOfTheHat) {
  Interpolator spline(TableOf({0, 1, 2}, {0, 1, 0}), 3, FitNaturalCubic, true, true);
  ASSERT_TRUE(spline.built);
  // z = (0, -3, 0): segment 0 is 1.5 t - 0.5 t^3, segment 1 is 1 - 1.5 t^2 + 0.5 t^3.
  const std::vector<std::vector<double>> want = {{0, 1.5, 0, -0.5}, {1, 0, -1.5, 0.5}};
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(spline.segments[i][k], want[i][k]) << i << " " << k;
}

TEST(FitNaturalCubicTest, SecondDerivativesSolveTheNaturalSystem) {
  // Knots 0, 1, 3, 4 with values 0, 2, 2, 0: by hand h = (1, 2, 1), d = (2, 0, -2);
  // 6 z_1 + 2 z_2 = -12 and 2 z_1 + 6 z_2 = -12 give z_1 = z_2 = -1.5.
  Interpolator spline(TableOf({0, 1, 3, 4}, {0, 2, 2, 0}), 3, FitNaturalCubic, true, true);
  ASSERT_TRUE(spline.built);
  const double z[4] = {0, -1.5, -1.5, 0};
  const double h[3] = {1, 2, 1};
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(2 * spline.segments[i][2], z[i]) << i;
    EXPECT_NEAR(6 * spline.segments[i][3] * h[i], z[i + 1] - z[i], 1e-15) << i;
  }
}

TEST(FitNaturalCubicTest, AZeroIntervalLeavesTheInterpolatorUnbuilt) {
  Interpolator spline(TableOf({0, 1, 1, 2}, {0, 1, 2, 0}), 3, FitNaturalCubic, false, true);
  spline.segments.assign(3, Polynomial(4));
  EXPECT_EQ(FitNaturalCubic(spline), 0);
  EXPECT_FALSE(spline.built);
}

TEST(FitNaturalCubicTest, TwoSamplesBecomeALinearInterpolator) {
  Interpolator spline(TableOf({0, 4}, {1, 3}), 3, FitNaturalCubic, true, true);
  EXPECT_TRUE(spline.built);
  EXPECT_EQ(spline.degree, 1);
  EXPECT_EQ(spline.fitRule, &FitLinear);
  EXPECT_FALSE(spline.localCoordinates);
  ASSERT_EQ(spline.segments.size(), 1u);
  EXPECT_EQ(spline.segments[0][0], 1.0);
  EXPECT_EQ(spline.segments[0][1], 0.5);
}

TEST(FitNaturalCubicTest, WithoutSegmentsNothingIsBuilt) {
  Interpolator spline(TableOf({5}, {1}), 3, FitNaturalCubic, true, true);
  EXPECT_FALSE(spline.built);
  EXPECT_EQ(spline.Value(5), 0.0);
}

TEST(FittingRulesTest, ShortSegmentsDropCoefficientsInsteadOfOverrunning) {
  Interpolator flat(TableOf({0, 1, 2}, {3, 3, 3}), 0, FitNaturalCubic, true, true);
  ASSERT_EQ(flat.segments.size(), 2u);
  EXPECT_EQ(flat.segments[0].length(), 1);
  EXPECT_EQ(flat.Value(0.5), 3.0);
}

}  // namespace
}  // namespace tovan
