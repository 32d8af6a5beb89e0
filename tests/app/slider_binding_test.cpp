#include "app/slider_binding.h"

#include <gtest/gtest.h>

#include "recording_controls.h"

namespace tovan {
namespace {

class SliderBindingTest : public ::testing::Test {
 protected:
  CachedNode owner;
  RecordingControl control;
  RecordingText text;
};

TEST_F(SliderBindingTest, BitrateRefreshAndReadBack) {
  InputCell<double> bitrate(3.125, &owner);
  CSliderBinding binding(&control, BindingKind::Slider, &text, &bitrate, 6.0, 1.0, 0.005, 1.0);
  EXPECT_EQ(control.lowest, 0);
  EXPECT_EQ(control.highest, 1000);
  binding.Refresh();
  EXPECT_EQ(control.position, 575);
  EXPECT_EQ(text.text, "3.125");
  const auto stamp = owner.dirtyStamp;
  binding.ReadControl();
  EXPECT_EQ(bitrate.value, 3.125);
  EXPECT_EQ(owner.dirtyStamp, stamp) << "an equal value stamps nothing";
}

TEST_F(SliderBindingTest, BandwidthKeepsItsValueUntilTheSliderMoves) {
  InputCell<double> bandwidth(4.1, &owner);
  CSliderBinding binding(&control, BindingKind::Slider, &text, &bandwidth, 20.0, 1.0, 0.1, 1.0);
  binding.Refresh();
  EXPECT_EQ(control.position, 160);
  EXPECT_EQ(text.text, "4.1");
  EXPECT_EQ(bandwidth.value, 4.1);
  const auto stamp = owner.dirtyStamp;
  binding.ReadControl();
  EXPECT_DOUBLE_EQ(bandwidth.value, 4.0);
  EXPECT_EQ(text.text, "4.0");
  EXPECT_NE(owner.dirtyStamp, stamp);
}

TEST_F(SliderBindingTest, RolloffHasNoDecimals) {
  InputCell<double> rolloff(300.0, &owner);
  CSliderBinding binding(&control, BindingKind::Slider, &text, &rolloff, 480.0, 0.0, 20.0, 1.0);
  binding.Refresh();
  EXPECT_EQ(binding.decimals, 0);
  EXPECT_EQ(text.text, "300");
  EXPECT_EQ(control.position, 24 - 15);  // 300 / 480 of 24 steps below the top
}

struct FlatnessCase {
  int position;
  double level;
  const char* text;
};

class FlatnessPositionTest : public ::testing::TestWithParam<FlatnessCase> {};

TEST_P(FlatnessPositionTest, PositionZeroIsTheTop) {
  CachedNode owner;
  RecordingControl control;
  RecordingText text;
  InputCell<double> level(0.0, &owner);
  CSliderBinding binding(&control, BindingKind::Slider, &text, &level, 5.0, -5.0, 0.5, 1.0);
  control.position = GetParam().position;
  binding.ReadControl();
  EXPECT_EQ(level.value, GetParam().level);
  EXPECT_EQ(text.text, GetParam().text);
  binding.Refresh();
  EXPECT_EQ(control.position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Levels, FlatnessPositionTest,
                         ::testing::Values(FlatnessCase{0, 5.0, "5.0"}, FlatnessCase{9, 0.5, "0.5"},
                                           FlatnessCase{10, 0.0, "0.0"},
                                           FlatnessCase{20, -5.0, "-5.0"}));

TEST_F(SliderBindingTest, WithoutControlReadsZero) {
  InputCell<double> bitrate(3.125, &owner);
  CSliderBinding binding(nullptr, BindingKind::Slider, &text, &bitrate, 6.0, 1.0, 0.005, 1.0);
  binding.Refresh();
  EXPECT_EQ(text.text, "3.125");
  binding.ReadControl();
  EXPECT_EQ(bitrate.value, 0.0);
  EXPECT_EQ(text.text, "0.000");
}

TEST_F(SliderBindingTest, WithoutEditStillMovesAndReads) {
  InputCell<double> level(0.5, &owner);
  CSliderBinding binding(&control, BindingKind::Slider, nullptr, &level, 5.0, -5.0, 0.5, 1.0);
  binding.Refresh();
  EXPECT_EQ(control.position, 9);
  control.position = 4;
  binding.ReadControl();
  EXPECT_EQ(level.value, 3.0);
}

TEST_F(SliderBindingTest, WithoutCellShowsZeroAndWritesNothing) {
  CSliderBinding binding(&control, BindingKind::Slider, &text, nullptr, 5.0, -5.0, 0.5, 1.0);
  binding.Refresh();
  EXPECT_EQ(control.position, 10);
  EXPECT_EQ(text.text, "0.0");
  control.position = 0;
  binding.ReadControl();
  EXPECT_EQ(text.text, "5.0");
}

TEST_F(SliderBindingTest, SpinKindTakesTheEditAsBuddy) {
  InputCell<double> samples(32.0, &owner);
  CSliderBinding binding(&control, BindingKind::Spin, &text, &samples, 8.0, 4.0, 1.0, 1.0);
  EXPECT_EQ(control.buddy, &text);
  EXPECT_EQ(control.lowest, 4);
  EXPECT_EQ(control.highest, 8);
  binding.Refresh();
  EXPECT_EQ(control.position, 5);
  control.position = 8;
  binding.ReadControl();
  EXPECT_EQ(samples.value, 256.0);
}

}  // namespace
}  // namespace tovan
