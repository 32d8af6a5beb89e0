#include "transfer/interpolator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "transfer/interpolation_rules.h"
#include "transfer/transfer_test_support.h"

namespace tovan {
namespace {

using testing_support::TableOf;

TEST(InterpolatorTest, SplineOfTheHatReproducesTheHandComputedCubic) {
  // z_1 = -3: segment 0 is 1.5 t - 0.5 t^3, segment 1 its mirror image.
  Interpolator spline = MakeSpline(TableOf({0, 1, 2}, {0, 1, 0}), true);
  EXPECT_TRUE(spline.built);
  EXPECT_EQ(spline.Value(0.5), 0.6875);
  for (double x : {0.0, 0.25, 0.5, 1.0, 1.5, 1.75, 2.0}) {
    const double t = x <= 1 ? x : 2 - x;
    EXPECT_NEAR(spline.Value(x), 1.5 * t - 0.5 * t * t * t, 1e-15) << x;
  }
}

TEST(InterpolatorTest, SplinePassesThroughItsKnots) {
  const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const std::vector<double> y = {0, 0, 0, 0, 0.5, 0.5, 1, 1, 0, 0, 0};
  Interpolator spline = MakeSpline(TableOf(x, y), false);
  for (std::size_t k = 0; k < x.size(); ++k) EXPECT_NEAR(spline.Value(x[k]), y[k], 1e-15) << x[k];
}

TEST(InterpolatorTest, SplineOfACubicPolynomialAgreesInTheInterior) {
  // The natural spline differs from a cubic only through its end conditions; far
  // from the ends of a fine grid the difference has decayed below 1e-6.
  std::vector<double> x, y;
  const auto f = [](double v) { return 0.1 * v * v * v - v * v + 2 * v - 3; };
  for (int k = 0; k <= 40; ++k) {
    x.push_back(0.25 * k);
    y.push_back(f(0.25 * k));
  }
  Interpolator spline = MakeSpline(TableOf(x, y), true);
  for (double v = 3.0; v <= 7.0; v += 0.1) EXPECT_NEAR(spline.Value(v), f(v), 1e-6) << v;
}

TEST(InterpolatorTest, SplineHasZeroSecondDerivativeAtBothEnds) {
  Interpolator spline = MakeSpline(TableOf({0, 1, 2.5, 3, 4.5}, {1, -2, 0.5, 3, 2}), true);
  ASSERT_EQ(spline.segments.size(), 4u);
  EXPECT_EQ(spline.segments.front()[2], 0.0);  // a2 = z_0 / 2 with z_0 = 0
  // The last segment's second derivative at its right end, 2 a2 + 6 a3 h, vanishes.
  const Polynomial& last = spline.segments.back();
  EXPECT_NEAR(2 * last[2] + 6 * last[3] * 1.5, 0.0, 1e-13);
  // Central second differences close to the ends agree.
  const double h = 1e-3;
  for (double at : {h, 4.5 - h}) {
    const double second = (spline.Value(at + h) - 2 * spline.Value(at) + spline.Value(at - h)) / (h * h);
    EXPECT_NEAR(second, 0.0, 0.05) << at;
  }
}

TEST(InterpolatorTest, SplineThroughTwoPointsIsAStraightLineEverywhere) {
  Interpolator spline = MakeSpline(TableOf({1, 3}, {2, 6}), true);
  EXPECT_EQ(spline.degree, 1);
  EXPECT_FALSE(spline.localCoordinates);
  for (double x : {-4.0, 0.0, 1.0, 2.0, 3.0, 10.0}) EXPECT_DOUBLE_EQ(spline.Value(x), 2 * x) << x;
}

TEST(InterpolatorTest, EndSegmentsExtrapolate) {
  Interpolator spline = MakeSpline(TableOf({0, 1, 2}, {0, 1, 0}), true);
  // Segment 0 (1.5 t - 0.5 t^3) below the first knot, segment 1 above the last.
  EXPECT_DOUBLE_EQ(spline.Value(-1.0), -1.5 + 0.5);
  // Segment 1 is 1 - 1.5 u^2 + 0.5 u^3 in u = x - 1; x = 3 is u = 2.
  EXPECT_DOUBLE_EQ(spline.Value(3.0), 1.0 - 1.5 * 4 + 0.5 * 8);
}

TEST(InterpolatorTest, DescendingAndDuplicatedSamplesAreSortedAndMerged) {
  Interpolator sorted = MakeSpline(TableOf({0, 1, 2, 3}, {0, 1, 0, 2}), true);
  Interpolator shuffled = MakeSpline(TableOf({3, 2, 1, 0}, {2, 0, 1, 0}), true);
  Interpolator repeated = MakeSpline(TableOf({2, 0, 3, 1, 2}, {0, 0, 2, 1, 0}), true);
  EXPECT_EQ(repeated.abscissae.length(), 4);
  for (double x = -0.5; x <= 3.5; x += 0.25) {
    EXPECT_EQ(shuffled.Value(x), sorted.Value(x)) << x;
    EXPECT_EQ(repeated.Value(x), sorted.Value(x)) << x;
  }
}

TEST(InterpolatorTest, TablesThatCannotBeFittedGiveZero) {
  struct Case {
    const char* name;
    SampleTable table;
  };
  const Case cases[] = {
      {"empty", TableOf({}, {})},
      {"one sample", TableOf({1}, {4})},
      {"more ordinates", TableOf({0, 1}, {1, 2, 3})},
      {"more abscissae", TableOf({0, 1, 2, 3}, {1, 2})},
      {"no ordinates", TableOf({0, 1, 2}, {})},
  };
  for (const Case& c : cases) {
    Interpolator spline = MakeSpline(c.table, true);
    for (double x : {-1.0, 0.0, 0.5, 1.0, 7.0}) EXPECT_EQ(spline.Value(x), 0.0) << c.name << " at " << x;
    Interpolator line(c.table, 1, FitLinear, true, false);
    EXPECT_EQ(line.Value(0.5), 0.0) << c.name;
  }
  Interpolator uneven = MakeSpline(TableOf({0, 1, 2}, {1, 2}), false);
  EXPECT_EQ(uneven.Prepare(), 0);
  EXPECT_FALSE(uneven.built);
  EXPECT_TRUE(uneven.segments.empty());
}

TEST(InterpolatorTest, ValuesEvaluatesEachAbscissa) {
  Interpolator spline = MakeSpline(TableOf({0, 1, 2}, {0, 1, 0}), false);
  EXPECT_EQ(spline.Values(Vector()).length(), 0);
  Vector xs(3);
  xs[0] = 0.5;
  xs[1] = 1.0;
  xs[2] = 1.5;
  const Vector v = spline.Values(xs);
  ASSERT_EQ(v.length(), 3);
  EXPECT_EQ(v[0], 0.6875);
  EXPECT_EQ(v[1], 1.0);
  EXPECT_EQ(v[2], 0.6875);
}

TEST(InterpolatorTest, FindSegmentRules) {
  Interpolator spline = MakeSpline(TableOf({0, 1, 2, 3}, {0, 0, 0, 0}), true);
  struct Case {
    double x;
    int segment;
  };
  for (const Case c : {Case{-5, 0}, Case{0, 0}, Case{0.5, 0}, Case{1, 0}, Case{1.5, 1}, Case{2, 2},
                       Case{2.5, 2}, Case{3, 2}, Case{9, 2}, Case{std::nan(""), 0}})
    EXPECT_EQ(spline.FindSegment(c.x), c.segment) << c.x;
}

}  // namespace
}  // namespace tovan
