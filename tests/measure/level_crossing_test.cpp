#include "measure/level_crossing.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct SegmentCase {
  double a, b, level;
  bool crosses, rising, falling;
  double fraction;  // where it meets the level, when it crosses
};

class LevelCrossingSegment : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(LevelCrossingSegment, ClassifiesAndPlaces) {
  const SegmentCase& c = GetParam();
  EXPECT_EQ(Crosses(c.a, c.b, c.level), c.crosses);
  EXPECT_EQ(CrossesInDirection(c.a, c.b, c.level, +1), c.rising);
  EXPECT_EQ(CrossesInDirection(c.a, c.b, c.level, -1), c.falling);
  if (c.crosses) {
    EXPECT_DOUBLE_EQ(CrossingFraction(c.a, c.b, c.level), c.fraction);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelCrossingSegment,
    ::testing::Values(SegmentCase{-1.0, 1.0, 0.0, true, true, false, 0.5},
                      SegmentCase{1.0, -1.0, 0.0, true, false, true, 0.5},
                      SegmentCase{-1.0, 3.0, 0.0, true, true, false, 0.25},
                      SegmentCase{0.0, 4.0, 1.0, true, true, false, 0.25},
                      SegmentCase{-1.0, 0.0, 0.0, true, true, false, 1.0},   // lands on it
                      SegmentCase{0.0, 1.0, 0.0, false, false, false, 0.0},  // leaves from it
                      SegmentCase{1.0, 0.0, 0.0, false, false, true, 0.0},   // falls onto it: not yet below
                      SegmentCase{0.0, -1.0, 0.0, true, false, false, 0.0},  // leaves it downwards
                      SegmentCase{0.5, 0.7, 0.0, false, false, false, 0.0},
                      SegmentCase{-0.5, -0.7, 0.0, false, false, false, 0.0}));

TEST(CrossingPhases, FoldsIntoTheCellAndIncludesTheWrap) {
  // Two cells of four samples; the last segment runs from sample 7 back to sample 0.
  Vector signal(8, -1.0);
  signal[2] = 1.0;  // up between 1 and 2, down between 2 and 3
  signal[6] = 3.0;  // up between 5 and 6 at 1/4, down between 6 and 7 at 3/4
  signal[0] = 1.0;  // up between 7 and 0, down between 0 and 1
  const Vector phases = CrossingPhases(signal, 0.0, 4);
  const double expected[] = {0.5, 1.5, 2.5, 1.25, 2.75, 3.5};
  ASSERT_EQ(phases.length(), 6);
  for (int k = 0; k < 6; ++k) EXPECT_DOUBLE_EQ(phases[k], expected[k]) << k;
}

TEST(CrossingPhases, NoneForASignalOnOneSide) {
  EXPECT_EQ(CrossingPhases(Vector(8, 0.25), 0.0, 4).length(), 0);
}

}  // namespace
}  // namespace tovan
