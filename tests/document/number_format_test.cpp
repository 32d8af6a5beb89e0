#include "document/number_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tovan {
namespace {

// The scientific form with the fewest digits that reads back as x (printf's %e): no
// shortest form may be longer.
std::string FewestDigitsScientific(double x) {
  char text[40] = "";
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*e", digits - 1, x);
    if (std::strtod(text, nullptr) == x) break;
  }
  return text;
}

// Significant digits of a decimal text: mantissa digits without leading or trailing zeros.
int SignificantDigits(const std::string& text) {
  std::string digits;
  for (const char c : text.substr(0, text.find('e')))
    if (c >= '0' && c <= '9') digits += c;
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t last = digits.find_last_not_of('0');
  return first == std::string::npos ? 0 : static_cast<int>(last - first + 1);
}

class ShortestTextRoundTrip : public ::testing::TestWithParam<double> {};

TEST_P(ShortestTextRoundTrip, ReadsBackIdenticalAndIsNoLongerThanNeeded) {
  const double x = GetParam();
  const std::string text = ShortestText(x);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)),
            std::bit_cast<std::uint64_t>(x))
      << text;
  const std::string bare = text.ends_with(".0") ? text.substr(0, text.size() - 2) : text;
  const std::string fewest = FewestDigitsScientific(x);
  EXPECT_LE(bare.size(), fewest.size()) << text;
  // Only an integer written out in full carries more digits than needed.
  if (bare == text) {
    EXPECT_EQ(SignificantDigits(text), SignificantDigits(fewest)) << text;
  }
  EXPECT_NE(text.find_first_of(".e"), std::string::npos) << text << " reads as an integer";
}

INSTANTIATE_TEST_SUITE_P(Values, ShortestTextRoundTrip,
                         ::testing::Values(0.1, 1.0 / 3.0, 6.0, 300.0, -0.032, 3.125, 1e16, 1e22,
                                           4881519483418120.0, 123456789012345680000.0,
                                           3.0374396356614482e+26, 9.82510500012654e-06,
                                           -0.6000000000000001, 5e-324, DBL_MAX, -DBL_MIN,
                                           0.1 + 0.2));

TEST(ShortestText, SignedZerosKeepTheirSign) {
  EXPECT_EQ(ShortestText(0.0), "0.0");
  EXPECT_EQ(ShortestText(-0.0), "-0.0");
}

TEST(ShortestText, IntegralValuesGetAPointZero) {
  EXPECT_EQ(ShortestText(6.0), "6.0");
  EXPECT_EQ(ShortestText(-300.0), "-300.0");
  EXPECT_EQ(ShortestText(4881519483418120.0), "4881519483418120.0");
}

TEST(ShortestText, NonFiniteValuesAreSpelledOut) {
  EXPECT_EQ(ShortestText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(ShortestText(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(ShortestText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(AppendShortest, AppendsAfterExistingText) {
  std::string text = "x=";
  AppendShortest(text, 0.5);
  AppendShortest(text, 2.0);
  EXPECT_EQ(text, "x=0.52.0");
}

TEST(PlainText, DropsOnlyThePointZero) {
  EXPECT_EQ(PlainText(6.0), "6");
  EXPECT_EQ(PlainText(-300.0), "-300");
  EXPECT_EQ(PlainText(1.3), "1.3");
  EXPECT_EQ(PlainText(3 * 0.1), "0.30000000000000004");
  EXPECT_EQ(PlainText(2.5e-7), "2.5e-07");
}

}  // namespace
}  // namespace tovan
