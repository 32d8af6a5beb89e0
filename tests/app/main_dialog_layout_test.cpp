#include "app/main_dialog_layout.h"

#include <gtest/gtest.h>

#include "app/main_dialog_template.h"

namespace tovan {
namespace {

// The template's plots: time 178,9 217 x 144; frequency 178,163 217 x 101.
constexpr DialogRect kTime{178, 9, 217, 144};
constexpr DialogRect kFreq{178, 163, 217, 101};

struct ShiftCase {
  const char* name;
  int id;
  DialogRect rect;
  WindowGrowth growth;
  ControlShift expected;  // worked by hand from the rules
};

class MainControlShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(MainControlShiftTest, FollowsItsRegion) {
  const ShiftCase& c = GetParam();
  const ControlShift shift = MainControlShift(c.id, c.rect, c.growth, kTime, kFreq);
  EXPECT_EQ(shift.dx, c.expected.dx);
  EXPECT_EQ(shift.dy, c.expected.dy);
  EXPECT_EQ(shift.dwidth, c.expected.dwidth);
  EXPECT_EQ(shift.dheight, c.expected.dheight);
}

// 245 pixels of extra height: the time plot takes 144 of them, the frequency plot 101.
// 100 pixels: 144 x 100 / 245 = 58.78, so 59 and 41.
INSTANTIATE_TEST_SUITE_P(
    Regions, MainControlShiftTest,
    ::testing::Values(
        ShiftCase{"time_plot", kTimePlot, kTime, {300, 245}, {0, 0, 300, 144}},
        ShiftCase{"frequency_plot", kFreqPlot, kFreq, {300, 245}, {0, 144, 300, 101}},
        ShiftCase{"time_plot_rounded_share", kTimePlot, kTime, {0, 100}, {0, 0, 0, 59}},
        ShiftCase{"frequency_plot_takes_the_rest", kFreqPlot, kFreq, {0, 100}, {0, 59, 0, 41}},
        ShiftCase{"left_column_slider_stays", kBandwidthSlider, {25, 162, 30, 62}, {300, 245}, {}},
        ShiftCase{"left_column_group_stays", -1, {9, 138, 161, 125}, {300, 245}, {}},
        ShiftCase{
            "toggle_in_bottom_row", kChooserToggle, {25, 266, 54, 20}, {300, 245}, {0, 245, 0, 0}},
        ShiftCase{"print_colours_under_the_plots",
                  kPrintColorsCheck,
                  {180, 271, 52, 13},
                  {300, 245},
                  {0, 245, 0, 0}},
        ShiftCase{
            "right_column_top", kTimeGridCheck, {406, 17, 53, 13}, {300, 245}, {300, 0, 0, 0}},
        ShiftCase{
            "bitmap_beside_time_plot", kBitmap, {401, 117, 88, 29}, {300, 245}, {300, 0, 0, 0}},
        ShiftCase{"frequency_group_beside_its_plot",
                  -1,
                  {402, 159, 87, 105},
                  {300, 245},
                  {300, 144, 0, 0}},
        ShiftCase{"frequency_check_box",
                  kOutputSpectrumCheck,
                  {405, 234, 64, 24},
                  {300, 100},
                  {300, 59, 0, 0}},
        ShiftCase{
            "hidden_cancel_bottom_right", 2, {439, 277, 50, 14}, {300, 245}, {300, 245, 0, 0}},
        ShiftCase{"no_growth_no_shift", kOutputSpectrumCheck, {405, 234, 64, 24}, {0, 0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainControlShiftTest, TemplateFormReadsThePlotsFromTheMainTemplate) {
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    const ControlShift fromTemplate = MainControlShift(control.id, control.rect, {120, 70});
    const ControlShift explicitPlots =
        MainControlShift(control.id, control.rect, {120, 70}, kTime, kFreq);
    EXPECT_EQ(fromTemplate.dx, explicitPlots.dx) << control.id;
    EXPECT_EQ(fromTemplate.dy, explicitPlots.dy) << control.id;
    EXPECT_EQ(fromTemplate.dwidth, explicitPlots.dwidth) << control.id;
    EXPECT_EQ(fromTemplate.dheight, explicitPlots.dheight) << control.id;
  }
}

// Whatever the growth, no control moved with the plots' column overlaps a plot,
// and the plots keep their gap.
TEST(MainControlShiftTest, PlotsStayStackedWithTheirGap) {
  for (int extra : {0, 1, 57, 245, 1000}) {
    const ControlShift time = MainControlShift(kTimePlot, kTime, {0, extra}, kTime, kFreq);
    const ControlShift freq = MainControlShift(kFreqPlot, kFreq, {0, extra}, kTime, kFreq);
    EXPECT_EQ(time.dheight + freq.dheight, extra);
    EXPECT_EQ(freq.dy, time.dheight);
  }
}

}  // namespace
}  // namespace tovan
