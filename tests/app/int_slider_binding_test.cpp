#include "app/int_slider_binding.h"

#include <gtest/gtest.h>

#include "recording_controls.h"

namespace tovan {
namespace {

class IntSliderBindingTest : public ::testing::Test {
 protected:
  CachedNode owner;
  RecordingControl control;
  RecordingText text;
};

TEST_F(IntSliderBindingTest, GroupDelayInPicosecondsOverNanoseconds) {
  InputCell<double> delay(-0.032, &owner);
  CIntSliderBinding binding(&control, BindingKind::Slider, &text, &delay, 300, -300, 1, 1000.0);
  EXPECT_EQ(control.highest, 600);
  binding.Refresh();
  EXPECT_EQ(text.text, "-32");
  EXPECT_EQ(control.position, 332);
  control.position = 0;
  binding.ReadControl();
  EXPECT_EQ(delay.value, 300.0 / 1000.0);
  EXPECT_EQ(text.text, "300");
}

TEST_F(IntSliderBindingTest, RisetimeTextIsTruncated) {
  InputCell<double> risetime(0.055, &owner);
  CIntSliderBinding binding(&control, BindingKind::Slider, &text, &risetime, 600, 10, 1, 1000.0);
  binding.Refresh();
  EXPECT_EQ(text.text, "55");
  EXPECT_EQ(control.position, 590 - 45);
}

TEST_F(IntSliderBindingTest, RealCellGetsTheUnroundedValue) {
  InputCell<double> cell(0.0, &owner);
  // 3 steps over a range of 10: positions are 10/3 apart, not whole numbers.
  CIntSliderBinding binding(&control, BindingKind::Slider, &text, &cell, 10, 0, 3, 1.0);
  control.position = 2;
  binding.ReadControl();
  EXPECT_EQ(cell.value, 0.0 + (3.0 - 2) / 3.0 * 10.0);
  EXPECT_EQ(text.text, "3");
}

TEST_F(IntSliderBindingTest, SamplesPerBitSpinOnAnIntegerCell) {
  InputCell<int> samples(32, &owner);
  CIntSliderBinding binding(&control, BindingKind::Spin, &text, &samples, 8, 4, 1, 1.0);
  EXPECT_EQ(control.buddy, &text);
  EXPECT_EQ(control.lowest, 4);
  EXPECT_EQ(control.highest, 8);
  binding.Refresh();
  EXPECT_EQ(control.position, 5);
  EXPECT_EQ(text.text, "32");
  const auto stamp = owner.dirtyStamp;
  control.position = 4;
  binding.ReadControl();
  EXPECT_EQ(samples.value, 16);
  EXPECT_EQ(text.text, "16");
  EXPECT_NE(owner.dirtyStamp, stamp);
}

TEST_F(IntSliderBindingTest, SpinWithoutEditHasNoBuddy) {
  InputCell<int> samples(256, &owner);
  CIntSliderBinding binding(&control, BindingKind::Spin, nullptr, &samples, 8, 4, 1, 1.0);
  EXPECT_EQ(control.buddy, nullptr);
  binding.Refresh();
  EXPECT_EQ(control.position, 8);
}

TEST_F(IntSliderBindingTest, WithoutCellOrControl) {
  CIntSliderBinding noCell(&control, BindingKind::Slider, &text,
                           static_cast<InputCell<int>*>(nullptr), 300, -300, 1, 1000.0);
  noCell.Refresh();
  EXPECT_EQ(control.position, 300);
  EXPECT_EQ(text.text, "0");
  noCell.ReadControl();
  EXPECT_EQ(text.text, "0");

  InputCell<double> delay(0.1, &owner);
  CIntSliderBinding noControl(nullptr, BindingKind::Slider, &text, &delay, 300, -300, 1, 1000.0);
  noControl.Refresh();
  EXPECT_EQ(text.text, "100");
  noControl.ReadControl();
  EXPECT_EQ(delay.value, 0.0);
}

}  // namespace
}  // namespace tovan
