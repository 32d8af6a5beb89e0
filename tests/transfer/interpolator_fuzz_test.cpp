#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "transfer/interpolator.h"
#include "transfer/transfer_test_support.h"

// The spline over odd tables. Asserted, beyond "no crash and no sanitizer report":
// - every query, including NaN and infinite ones, returns, and Values keeps the length;
// - tables that cannot be fitted (fewer than two distinct abscissae, vectors of
//   unequal length) give exactly 0 everywhere;
// - tables with NaN or infinite samples return for every query (values unasserted);
// - random tables of 2 to 300 samples in any order, with repeated samples, give
//   finite values at and between the knots, reproduce every knot from both sides to
//   1e-9 of the largest ordinate, and equal the spline of the same table presorted
//   bit for bit;
// - scaled tables stay finite and reproduce their knots while interval widths lie in
//   [1e-50, 1e50] and ordinates in [1e-100, 1e100] (the segment polynomials hold
//   y / h^3, which leaves the double range beyond that).
namespace tovan {
namespace {

using testing_support::Draws;
using testing_support::TableOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const std::vector<double> kQueries{-1e300, -2.0, -1.0, 0.0, 0.5, 1.0, 1.5, 2.0, 3.0, 1e300, kNaN, kInf, -kInf};

Vector QueryVector() {
  Vector q(static_cast<int>(kQueries.size()));
  for (std::size_t i = 0; i < kQueries.size(); ++i) q[static_cast<int>(i)] = kQueries[i];
  return q;
}

struct OddTable {
  std::string name;
  std::vector<double> xs;
  std::vector<double> ys;
  bool zeroEverywhere;
};

void PrintTo(const OddTable& t, std::ostream* os) { *os << t.name; }

class OddTableTest : public ::testing::TestWithParam<OddTable> {};

TEST_P(OddTableTest, EveryQueryReturns) {
  const OddTable& odd = GetParam();
  Interpolator spline = MakeSpline(TableOf(odd.xs, odd.ys), true);
  Interpolator lazy = MakeSpline(TableOf(odd.xs, odd.ys), false);
  const Vector values = spline.Values(QueryVector());
  ASSERT_EQ(values.length(), static_cast<int>(kQueries.size()));
  for (std::size_t i = 0; i < kQueries.size(); ++i) {
    const double lazyValue = lazy.Value(kQueries[i]);
    if (!odd.zeroEverywhere) continue;
    EXPECT_EQ(values[static_cast<int>(i)], 0.0) << "query " << kQueries[i];
    EXPECT_EQ(lazyValue, 0.0) << "query " << kQueries[i];
  }
  EXPECT_EQ(spline.Values(Vector()).length(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, OddTableTest,
    ::testing::Values(OddTable{"Empty", {}, {}, true}, OddTable{"OneSample", {1.0}, {5.0}, true},
                      OddTable{"AllOneAbscissa", {2.0, 2.0, 2.0, 2.0}, {1.0, 2.0, 3.0, 4.0}, true},
                      OddTable{"MoreAbscissae", {0.0, 1.0, 2.0}, {1.0, 2.0}, true},
                      OddTable{"MoreOrdinates", {0.0, 1.0}, {1.0, 2.0, 3.0}, true},
                      OddTable{"NoOrdinates", {0.0, 1.0, 2.0}, {}, true},
                      OddTable{"NaNOrdinate", {0.0, 1.0, 2.0, 3.0}, {1.0, kNaN, 0.0, 2.0}, false},
                      OddTable{"NaNAbscissa", {0.0, kNaN, 2.0, 3.0}, {1.0, 2.0, 0.0, 2.0}, false},
                      OddTable{"AllNaN", {kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}, false},
                      OddTable{"InfiniteAbscissae", {-kInf, 0.0, 1.0, kInf}, {1.0, 2.0, 0.0, 2.0}, false},
                      OddTable{"InfiniteOrdinate", {0.0, 1.0, 2.0}, {1.0, kInf, 0.0}, false},
                      OddTable{"LargestDoubles", {-1.7e308, 0.0, 1.7e308}, {1.7e308, -1.7e308, 1.7e308}, false},
                      OddTable{"SubnormalSpacing", {0.0, 4e-324, 1e-323, 1.5e-323}, {1.0, 2.0, 0.0, 1.0}, false},
                      OddTable{"TwoAbscissaeManyCopies", {1.0, 0.0, 1.0, 0.0, 1.0}, {3.0, 1.0, 3.0, 1.0, 3.0}, false}),
    [](const auto& info) { return info.param.name; });

// Distinct increasing abscissae scaled by xScale, ordinates scaled by yScale, then
// some samples repeated and the order shuffled. The sorted distinct table comes back
// in `sorted`.
SampleTable RandomTable(Draws& draws, int n, double xScale, double yScale, SampleTable& sorted) {
  std::vector<double> xs, ys;
  double x = draws.Uniform(-5.0, 5.0);
  for (int i = 0; i < n; ++i) {
    x += draws.Uniform(0.1, 3.0);
    xs.push_back(x * xScale);
    ys.push_back(draws.Uniform(-1.0, 1.0) * yScale);
  }
  sorted = TableOf(xs, ys);
  const int repeats = draws.Index(n / 3 + 1);
  for (int r = 0; r < repeats; ++r) {
    const int i = draws.Index(n);
    xs.push_back(xs[i]);
    ys.push_back(ys[i]);
  }
  for (int i = static_cast<int>(xs.size()) - 1; i > 0; --i) {
    const int j = draws.Index(i + 1);
    std::swap(xs[i], xs[j]);
    std::swap(ys[i], ys[j]);
  }
  return TableOf(xs, ys);
}

// Each knot's ordinate at the knot and one ulp to either side; finite midpoints.
void ExpectReproducesKnots(Interpolator& spline, const SampleTable& sorted) {
  const Vector& x = sorted.abscissae;
  const Vector& y = sorted.ordinates;
  double largest = 0.0;
  for (int i = 0; i < y.length(); ++i) largest = std::max(largest, std::fabs(y[i]));
  for (int i = 0; i < x.length(); ++i) {
    const double tolerance = 1e-9 * largest;
    ASSERT_NEAR(spline.Value(x[i]), y[i], tolerance) << "knot " << i;
    ASSERT_NEAR(spline.Value(std::nextafter(x[i], kInf)), y[i], tolerance) << "right of knot " << i;
    ASSERT_NEAR(spline.Value(std::nextafter(x[i], -kInf)), y[i], tolerance) << "left of knot " << i;
    if (i + 1 < x.length()) {
      ASSERT_TRUE(std::isfinite(spline.Value(0.5 * x[i] + 0.5 * x[i + 1]))) << "middle " << i;
    }
  }
}

TEST(InterpolatorFuzzTest, RandomTablesInAnyOrderWithRepeats) {
  Draws draws(34001u);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 2 + draws.Index(299);
    SampleTable sorted;
    const SampleTable shuffled = RandomTable(draws, n, 1.0, 1.0, sorted);
    SCOPED_TRACE("trial " + std::to_string(trial) + ", " + std::to_string(n) + " samples");
    Interpolator spline = MakeSpline(shuffled, true);
    Interpolator reference = MakeSpline(sorted, true);
    ExpectReproducesKnots(spline, sorted);
    if (HasFatalFailure()) return;
    for (int k = 0; k < 50; ++k) {
      const double q = draws.Uniform(sorted.abscissae[0] - 1.0, sorted.abscissae[n - 1] + 1.0);
      ASSERT_EQ(spline.Value(q), reference.Value(q)) << "at " << q;
    }
  }
}

TEST(InterpolatorFuzzTest, ScaledTablesWithinTheRepresentableRange) {
  Draws draws(34002u);
  for (int xExponent = -50; xExponent <= 50; xExponent += 10) {
    for (int yExponent = -100; yExponent <= 100; yExponent += 25) {
      SampleTable sorted;
      RandomTable(draws, 12, std::pow(10.0, xExponent), std::pow(10.0, yExponent), sorted);
      SCOPED_TRACE("x 1e" + std::to_string(xExponent) + ", y 1e" + std::to_string(yExponent));
      Interpolator spline = MakeSpline(sorted, true);
      ExpectReproducesKnots(spline, sorted);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(InterpolatorFuzzTest, ExtremeScalesReturnForEveryQuery) {
  Draws draws(34003u);
  for (int xExponent = -300; xExponent <= 300; xExponent += 50) {
    for (int yExponent = -300; yExponent <= 300; yExponent += 100) {
      SampleTable sorted;
      RandomTable(draws, 8, std::pow(10.0, xExponent), std::pow(10.0, yExponent), sorted);
      Interpolator spline = MakeSpline(sorted, true);
      EXPECT_EQ(spline.Values(sorted.abscissae).length(), 8);
      EXPECT_EQ(spline.Values(QueryVector()).length(), static_cast<int>(kQueries.size()));
    }
  }
}

}  // namespace
}  // namespace tovan
