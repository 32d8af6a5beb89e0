#include "measure/eye_opening.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

using testing::Bits;

// Bits 1, 0, 1, 0 at two samples per bit, written cell by cell.
Vector TwoRowSignal() {
  Vector v(8);
  const double cells[4][2] = {{0.5, 0.6}, {-0.4, -0.6}, {0.3, 0.2}, {-0.1, 0.0}};
  for (int j = 0; j < 4; ++j)
    for (int r = 0; r < 2; ++r) v[j * 2 + r] = cells[j][r];
  return v;
}

TEST(EyeHeightAt, LowestOneMinusHighestZero) {
  // Row 0: min(0.5, 0.3) - max(-0.4, -0.1); row 1: min(0.6, 0.2) - max(-0.6, 0.0).
  EXPECT_DOUBLE_EQ(EyeHeightAt(TwoRowSignal(), Bits("1010"), 2, 0), 0.3 - -0.1);
  EXPECT_DOUBLE_EQ(EyeHeightAt(TwoRowSignal(), Bits("1010"), 2, 1), 0.2 - 0.0);
}

TEST(EyeHeightAt, NaNWithoutBothBitValues) {
  EXPECT_TRUE(std::isnan(EyeHeightAt(TwoRowSignal(), Bits("1111"), 2, 0)));
  EXPECT_TRUE(std::isnan(EyeHeightAt(TwoRowSignal(), Bits("0000"), 2, 1)));
}

TEST(BestEyeOpening, TiesGoToTheRowNearestTheCentre) {
  // Openings per row of an 8-sample cell: 1 everywhere except rows 0 and 7 (0.5).
  Vector signal(16, 0.5);
  for (int r = 8; r < 16; ++r) signal[r] = -0.5;
  signal[0] = 0.0;
  signal[7] = 0.0;
  const BestOpening best = BestEyeOpening(signal, Bits("10"), 8);
  EXPECT_EQ(best.row, 4);
  EXPECT_DOUBLE_EQ(best.height, 1.0);
  // Rows 3 and 5 equally near centre 4 once row 4 is worse: the earlier wins.
  signal[4] = 0.25;
  EXPECT_EQ(BestEyeOpening(signal, Bits("10"), 8).row, 3);
}

}  // namespace
}  // namespace tovan
