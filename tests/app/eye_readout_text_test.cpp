#include "app/eye_readout_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace tovan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FigureCase {
  double value;
  int decimals;
  bool signedValue;
  const char* text;
};

class FigureTextTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FigureTextTest, Formats) {
  const FigureCase& c = GetParam();
  EXPECT_EQ(FigureText(c.value, c.decimals, c.signedValue).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FigureTextTest,
    ::testing::Values(FigureCase{0.8, 3, false, "0.800"}, FigureCase{317.64, 1, false, "317.6"},
                      FigureCase{-0.1449, 3, false, "-0.145"},
                      FigureCase{-0.00004, 3, false, "0.000"},
                      FigureCase{-0.0, 1, false, "0.0"}, FigureCase{12.34, 1, true, "+12.3"},
                      FigureCase{-19.06, 1, true, "-19.1"}, FigureCase{0.04, 1, true, "0.0"},
                      FigureCase{kNaN, 1, false, "n/a"},
                      FigureCase{std::numeric_limits<double>::infinity(), 3, true, "n/a"}));

EyeComparison Sample() {
  EyeComparison eye;
  eye.input.eyeHeight = 1.2;
  eye.input.eyeWidth = 320.0;
  eye.input.jitterPp = 0.0;
  eye.output.eyeHeight = 1.0761;
  eye.output.eyeWidth = 317.62;
  eye.output.jitterPp = 2.38;
  eye.difference = Difference(eye.output, eye.input);
  return eye;
}

TEST(EyeReadoutTextTest, InputThenScopeAffected) {
  EXPECT_EQ(EyeReadoutText(Sample()).toStdString(),
            "Eye height 1.200 / 1.076 V   Eye width 320.0 / 317.6 ps   Jitter p-p 0.0 / 2.4 ps   "
            "(input / scope-affected)");
}

TEST(EyeReadoutTextTest, UnmeasuredFiguresShowAsNotAvailable) {
  EXPECT_EQ(EyeReadoutText(EyeComparison{}).toStdString(),
            "Eye height n/a / n/a V   Eye width n/a / n/a ps   Jitter p-p n/a / n/a ps   "
            "(input / scope-affected)");
}

TEST(EyeDifferenceTextTest, SignedChanges) {
  // 1.0761 - 1.2 = -0.1239; 317.62 - 320 = -2.38; 2.38 - 0 = +2.38.
  EXPECT_EQ(EyeDifferenceText(Sample()).toStdString(),
            "Scope minus input: eye height -0.124 V, eye width -2.4 ps, jitter p-p +2.4 ps");
}

}  // namespace
}  // namespace tovan
