#include "measure/eye_frame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

TEST(EyeFrame, DerivedQuantitiesOfTheDefaults) {
  const EyeFrame frame;
  EXPECT_EQ(Threshold(frame), 0.0);
  EXPECT_DOUBLE_EQ(Swing(frame), 1.2);
  // 100 samples per ns.
  EXPECT_NEAR(SampleSpacingPs(frame), 10.0, 1e-12);
}

TEST(EyeFrame, ThresholdIsTheMidLevel) {
  EyeFrame frame;
  frame.highLevel = 1.0;
  frame.lowLevel = 0.0;
  EXPECT_EQ(Threshold(frame), 0.5);
  EXPECT_EQ(Swing(frame), 1.0);
}

struct UsableCase {
  const char* name;
  double high, low;
  int samplesPerBit;
  double bitrate;
  bool usable;
};

class EyeFrameUsable : public ::testing::TestWithParam<UsableCase> {};

TEST_P(EyeFrameUsable, OnlySensibleFramesAreUsable) {
  const UsableCase& c = GetParam();
  const EyeFrame frame{c.high, c.low, c.samplesPerBit, c.bitrate, false};
  EXPECT_EQ(IsUsable(frame), c.usable) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EyeFrameUsable,
    ::testing::Values(UsableCase{"defaults", 0.6, -0.6, 32, 3.125, true},
                      UsableCase{"one sample per bit", 0.6, -0.6, 1, 3.125, true},
                      UsableCase{"equal levels", 0.6, 0.6, 32, 3.125, false},
                      UsableCase{"swapped levels", -0.6, 0.6, 32, 3.125, false},
                      UsableCase{"no samples", 0.6, -0.6, 0, 3.125, false},
                      UsableCase{"zero bitrate", 0.6, -0.6, 32, 0.0, false},
                      UsableCase{"negative bitrate", 0.6, -0.6, 32, -1.0, false},
                      UsableCase{"infinite level", INFINITY, -0.6, 32, 3.125, false},
                      UsableCase{"NaN bitrate", 0.6, -0.6, 32, NAN, false}));

}  // namespace
}  // namespace tovan
