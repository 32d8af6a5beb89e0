#include "measure/level_excursion.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct ExcursionCase {
  const char* name;
  double highest, lowest;  // the extremes written into a signal at the levels
  double overshoot, undershoot;
};

class MeasureExcursionCases : public ::testing::TestWithParam<ExcursionCase> {};

TEST_P(MeasureExcursionCases, ShareOfTheSwing) {
  const ExcursionCase& c = GetParam();
  Vector signal(10, 0.6);
  for (int n = 5; n < 10; ++n) signal[n] = -0.6;
  signal[2] = c.highest;
  signal[7] = c.lowest;
  const LevelExcursion e = MeasureExcursion(signal, EyeFrame{});
  EXPECT_NEAR(e.overshoot, c.overshoot, 1e-9) << c.name;
  EXPECT_NEAR(e.undershoot, c.undershoot, 1e-9) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureExcursionCases,
    ::testing::Values(ExcursionCase{"at the levels", 0.6, -0.6, 0.0, 0.0},
                      ExcursionCase{"bump of a tenth", 0.72, -0.6, 10.0, 0.0},
                      ExcursionCase{"dip of a twentieth", 0.6, -0.66, 0.0, 5.0},
                      ExcursionCase{"both", 0.9, -0.9, 25.0, 25.0}));

TEST(MeasureExcursion, SignalInsideTheLevelsGivesZero) {
  const LevelExcursion e = MeasureExcursion(Vector(4, 0.1), EyeFrame{});
  EXPECT_EQ(e.overshoot, 0.0);
  EXPECT_EQ(e.undershoot, 0.0);
}

TEST(MeasureExcursion, RelativeToTheFramesLevels) {
  EyeFrame frame;
  frame.highLevel = 1.0;
  frame.lowLevel = 0.0;
  Vector signal(4, 0.5);
  signal[1] = 1.5;
  EXPECT_NEAR(MeasureExcursion(signal, frame).overshoot, 50.0, 1e-12);
}

}  // namespace
}  // namespace tovan
