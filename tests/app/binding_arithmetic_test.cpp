#include "app/binding_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tovan {
namespace {

struct RangeCase {
  const char* name;
  double max, min, step;
  int steps;     // n, as the control table gives it
  int decimals;  // digits after the point in the text
};

class SliderRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SliderRangeTest, StepCountAndDecimalsFollowTheRange) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(SliderStepCount(c.max, c.min, c.step), c.steps);
  EXPECT_EQ(DecimalsForStep(c.step), c.decimals);
}

INSTANTIATE_TEST_SUITE_P(ControlTable, SliderRangeTest,
                         ::testing::Values(RangeCase{"bitrate", 6.0, 1.0, 0.005, 1000, 3},
                                           RangeCase{"risetime", 600, 10, 1, 590, 0},
                                           RangeCase{"bandwidth", 20.0, 1.0, 0.1, 190, 1},
                                           RangeCase{"rolloff", 480.0, 0.0, 20.0, 24, 0},
                                           RangeCase{"groupDelay", 300, -300, 1, 600, 0},
                                           RangeCase{"flatness", 5.0, -5.0, 0.5, 20, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PositionCase {
  const char* name;
  double x, max, min;
  int n;
  int position;
};

class SliderPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(SliderPositionTest, ValueMapsToTruncatedInvertedPosition) {
  const PositionCase& c = GetParam();
  EXPECT_EQ(SliderPositionFor(c.x, c.max, c.min, c.n), c.position);
}

INSTANTIATE_TEST_SUITE_P(Examples, SliderPositionTest,
                         ::testing::Values(PositionCase{"bitrate3125", 3.125, 6.0, 1.0, 1000, 575},
                                           PositionCase{"groupDelayMinus32", -32.0, 300, -300, 600,
                                                        332},
                                           // 4.1 GHz lands on the 4.0 mark: truncated, not rounded.
                                           PositionCase{"bandwidth41", 4.1, 20.0, 1.0, 190, 160},
                                           PositionCase{"rolloff300", 300.0, 480.0, 0.0, 24, 9},
                                           PositionCase{"flatnessHalf", 0.5, 5.0, -5.0, 20, 9},
                                           PositionCase{"flatnessTop", 5.0, 5.0, -5.0, 20, 0},
                                           PositionCase{"flatnessBottom", -5.0, 5.0, -5.0, 20, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SliderValueTest, PositionsReadBackInDisplayedUnits) {
  EXPECT_EQ(SliderValueAt(575, 6.0, 1.0, 1000, 0), 3.125);
  EXPECT_EQ(SliderValueAt(0, 300, -300, 600, 0), 300.0);
  EXPECT_EQ(SliderValueAt(332, 300, -300, 600, 0), -32.0);
  EXPECT_DOUBLE_EQ(SliderValueAt(160, 20.0, 1.0, 190, 0), 4.0);
  EXPECT_EQ(SliderValueAt(0, 5.0, -5.0, 20, 0), 5.0);
  EXPECT_EQ(SliderValueAt(20, 5.0, -5.0, 20, 0), -5.0);
  EXPECT_EQ(SliderValueAt(9, 5.0, -5.0, 20, 0), 0.5);
}

TEST(SliderValueTest, NoRoundingToTheStep) {
  // One position of the bitrate slider is 0.005 Gbps: 3 positions below the top
  // reads 6 - 3 x 0.005 as the formula computes it, not a snapped decimal.
  const double expected = 1.0 + (1000.0 - 3) / 1000.0 * 5.0;
  EXPECT_EQ(SliderValueAt(3, 6.0, 1.0, 1000, 0), expected);
}

TEST(SliderValueTest, EmptyRangeGivesTheMinimum) {
  EXPECT_EQ(SliderValueAt(0, 5.0, 2.0, 0, 0), 2.0);
}

TEST(SpinArithmeticTest, PositionsAreExponentsOfTwo) {
  for (int p = 4; p <= 8; ++p) EXPECT_EQ(SpinValueAt(static_cast<unsigned>(p)), std::ldexp(1.0, p));
}

TEST(SpinArithmeticTest, RefreshPositionIsTheTruncatedProduct) {
  // ln(x) x 1.4426950408889634 in doubles is 4.0, 5.0, 5.999999999999999,
  // 6.999999999999999 and 8.0 for 16 ... 256 (worked out separately), so 64 and
  // 128 truncate to one position below their exponent.
  const struct {
    double shown;
    int position;
  } cases[] = {{16, 4}, {32, 5}, {64, 5}, {128, 6}, {256, 8}, {63.0, 5}};
  for (const auto& c : cases) EXPECT_EQ(SpinPositionFor(c.shown), c.position) << c.shown;
}

TEST(SpinArithmeticTest, DegenerateValuesStayDefined) {
  // ln 0 is -inf: saturated to INT_MIN, whose low 16 bits are 0.
  EXPECT_EQ(SpinPositionFor(0.0), 0);
  EXPECT_EQ(SpinPositionFor(-1.0), 0);  // log of a negative is NaN
}

TEST(TruncToIntTest, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(TruncToInt(-31.99), -31);
  EXPECT_EQ(TruncToInt(31.99), 31);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
  EXPECT_EQ(TruncToInt(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncToInt(-1e300), std::numeric_limits<int>::min());
}

TEST(DecimalsTest, DegenerateStepsStayWithinOneDigit) {
  EXPECT_EQ(DecimalsForStep(0.0), 9);
  EXPECT_EQ(DecimalsForStep(1e-12), 9);
  EXPECT_EQ(DecimalsForStep(1000.0), 0);
}

struct FormatCase {
  double x;
  int decimals;
  const char* text;
};

class FormatDecimalsTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDecimalsTest, PrintsTheGivenNumberOfDecimals) {
  EXPECT_EQ(FormatDecimals(GetParam().x, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatDecimalsTest,
                         ::testing::Values(FormatCase{3.125, 3, "3.125"},
                                           FormatCase{300.0, 0, "300"}, FormatCase{4.1, 1, "4.1"},
                                           FormatCase{0.0, 1, "0.0"}, FormatCase{-5.0, 1, "-5.0"},
                                           FormatCase{2.5, 12, "2.500000000"}));

TEST(FormatIntegerTest, TruncatesBeforePrinting) {
  EXPECT_EQ(FormatInteger(-32.0), "-32");
  EXPECT_EQ(FormatInteger(55.00000000000001), "55");
  EXPECT_EQ(FormatInteger(-31.7), "-31");
  EXPECT_EQ(FormatInteger(256.0), "256");
}

}  // namespace
}  // namespace tovan
