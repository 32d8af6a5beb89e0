#include "measure/crossing_jitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tovan {
namespace {

Vector Phases(const std::vector<double>& values) {
  Vector v(static_cast<int>(values.size()));
  for (int k = 0; k < v.length(); ++k) v[k] = values[k];
  return v;
}

struct SpreadCase {
  const char* name;
  std::vector<double> phases;
  int samplesPerBit;
  double gap, peakToPeak, rms;
};

class SpreadOfCrossingsCases : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadOfCrossingsCases, MatchesTheClusterOnTheCircle) {
  const SpreadCase& c = GetParam();
  const CrossingSpread s = SpreadOfCrossings(Phases(c.phases), c.samplesPerBit);
  EXPECT_NEAR(s.largestGap, c.gap, 1e-12) << c.name;
  EXPECT_NEAR(s.peakToPeak, c.peakToPeak, 1e-12) << c.name;
  EXPECT_NEAR(s.rms, c.rms, 1e-12) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadOfCrossingsCases,
    ::testing::Values(
        SpreadCase{"one crossing", {2.0}, 10, 10.0, 0.0, 0.0},
        SpreadCase{"coincident", {3.5, 3.5, 3.5}, 10, 10.0, 0.0, 0.0},
        // 4 and 6 around a mean of 5: deviations of 1.
        SpreadCase{"inside the cell", {4.0, 6.0}, 10, 8.0, 2.0, 1.0},
        // 9 and 1 are one instant apart across the cell boundary (9 and 11).
        SpreadCase{"straddling the boundary", {9.0, 1.0}, 10, 8.0, 2.0, 1.0},
        // Unwrapped: 9, 10, 11, 12 -> mean 10.5, variance 1.25.
        SpreadCase{"unsorted and wrapped", {1.0, 9.0, 2.0, 10.0}, 10, 7.0, 3.0, std::sqrt(1.25)},
        // Spread over the whole cell: gaps of 2.5, nothing left open.
        SpreadCase{"closed", {0.5, 3.0, 5.5, 8.0}, 10, 2.5, 7.5, std::sqrt(7.8125)}));

TEST(SpreadOfCrossings, NoCrossingsGiveNaN) {
  const CrossingSpread s = SpreadOfCrossings(Vector(), 10);
  EXPECT_TRUE(std::isnan(s.largestGap));
  EXPECT_TRUE(std::isnan(s.peakToPeak));
  EXPECT_TRUE(std::isnan(s.rms));
}

}  // namespace
}  // namespace tovan
