#include "document/option_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

struct RuleCase {
  const RealRule* rule;
  const char* allowed;  // as the controls' range table gives it
  double min;
  double max;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.rule->name; }

class RealRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RealRules, AllowedTextShowsTheControlRange) {
  EXPECT_EQ(AllowedText(*GetParam().rule), GetParam().allowed);
}

TEST_P(RealRules, BoundsAreIncludedAndTheNextDoublesOutsideRefused) {
  const RuleCase& c = GetParam();
  const auto text = [](double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return std::string(buffer);
  };
  EXPECT_EQ(CheckReal(*c.rule, text(c.min)).value, c.min);
  EXPECT_EQ(CheckReal(*c.rule, text(c.max)).value, c.max);
  for (const double outside : {std::nextafter(c.min, -1e9), std::nextafter(c.max, 1e9)}) {
    const Checked<double> checked = CheckReal(*c.rule, text(outside));
    EXPECT_FALSE(checked.value.has_value()) << outside;
    EXPECT_EQ(checked.error, "tovan-cli: " + std::string(c.rule->name) + ": '" + text(outside) +
                                 "' is out of range (allowed: " + c.allowed + ")");
  }
}

TEST_P(RealRules, MalformedTextNamesTheOptionAndRange) {
  const RuleCase& c = GetParam();
  const Checked<double> checked = CheckReal(*c.rule, "3.1x");
  EXPECT_FALSE(checked.value.has_value());
  EXPECT_EQ(checked.error, "tovan-cli: " + std::string(c.rule->name) +
                               ": '3.1x' is not a finite decimal number (allowed: " + c.allowed +
                               ")");
}

INSTANTIATE_TEST_SUITE_P(
    Controls, RealRules,
    ::testing::Values(RuleCase{&kBitrateRule, "1 to 6 Gbps", 1.0, 6.0},
                      RuleCase{&kRisetimeRule, "10 to 600 ps", 10.0, 600.0},
                      RuleCase{&kBandwidthRule, "1 to 20 GHz", 1.0, 20.0},
                      RuleCase{&kRolloffRule, "0 to 480 dB/decade", 0.0, 480.0},
                      RuleCase{&kGroupDelayRule, "-300 to 300 ps", -300.0, 300.0},
                      RuleCase{&kFlatnessLevelRule, "-5 to 5 dB", -5.0, 5.0}));

TEST(CheckReal, ValuesOffTheSliderGridAreKept) {
  EXPECT_EQ(CheckReal(kRisetimeRule, "55.5").value, 55.5);
  EXPECT_EQ(CheckReal(kBitrateRule, "3.1234").value, 3.1234);
}

TEST(CheckWhole, PictureSidesWithinTheirBounds) {
  EXPECT_EQ(AllowedText(kPngWidthRule), "64 to 4096 pixels");
  EXPECT_EQ(CheckWhole(kPngWidthRule, "64").value, 64);
  EXPECT_EQ(CheckWhole(kPngHeightRule, "4096").value, 4096);
  EXPECT_EQ(CheckWhole(kPngWidthRule, "63").error,
            "tovan-cli: --width: '63' is out of range (allowed: 64 to 4096 pixels)");
  EXPECT_EQ(CheckWhole(kPngHeightRule, "480.5").error,
            "tovan-cli: --height: '480.5' is not a whole number (allowed: 64 to 4096 pixels)");
  EXPECT_EQ(CheckWhole(kPngHeightRule, "99999999999").error,
            "tovan-cli: --height: '99999999999' is not a whole number (allowed: 64 to 4096 "
            "pixels)");
}

TEST(CheckPreset, AcceptsTheEightRows) {
  for (int p = 0; p < 8; ++p) EXPECT_EQ(CheckPreset(std::to_string(p)).value, p);
}

TEST(CheckPreset, RefusesOtherRowsAndNonIntegers) {
  EXPECT_EQ(CheckPreset("8").error, "tovan-cli: --preset: '8' is out of range (allowed: 0 to 7)");
  EXPECT_EQ(CheckPreset("9").error, "tovan-cli: --preset: '9' is out of range (allowed: 0 to 7)");
  EXPECT_EQ(CheckPreset("-1").error, "tovan-cli: --preset: '-1' is out of range (allowed: 0 to 7)");
  EXPECT_EQ(CheckPreset("1.0").error,
            "tovan-cli: --preset: '1.0' is not a whole number (allowed: 0 to 7)");
}

TEST(CheckSamplesPerBit, AcceptsThePowersOfTwoOfTheSpinControl) {
  EXPECT_EQ(SamplesPerBitAllowedText(), "16, 32, 64, 128, 256");
  for (const int n : {16, 32, 64, 128, 256})
    EXPECT_EQ(CheckSamplesPerBit(std::to_string(n)).value, n);
}

TEST(CheckSamplesPerBit, RefusesEverythingElse) {
  for (const char* text : {"8", "512", "48", "0", "-16", "1"})
    EXPECT_EQ(CheckSamplesPerBit(text).error,
              "tovan-cli: --samples-per-bit: '" + std::string(text) +
                  "' is out of range (allowed: 16, 32, 64, 128, 256)");
  EXPECT_EQ(CheckSamplesPerBit("32.0").error,
            "tovan-cli: --samples-per-bit: '32.0' is not a whole number (allowed: 16, 32, 64, "
            "128, 256)");
}

TEST(CheckFlatness, TakesTenLevelsInOrder) {
  const auto checked = CheckFlatness("-5,-4.5,0,0.25,1,2,3,4,4.5,5");
  ASSERT_TRUE(checked.value.has_value()) << checked.error;
  const std::array<double, 10> expected{-5, -4.5, 0, 0.25, 1, 2, 3, 4, 4.5, 5};
  EXPECT_EQ(*checked.value, expected);
}

TEST(CheckFlatness, RefusesAWrongCountOrABadLevel) {
  const std::string allowed = " (allowed: 10 comma-separated levels, each -5 to 5 dB)";
  EXPECT_EQ(FlatnessAllowedText(), "10 comma-separated levels, each -5 to 5 dB");
  EXPECT_EQ(CheckFlatness("1,2").error,
            "tovan-cli: --flatness: '1,2' has 2 levels, not 10" + allowed);
  EXPECT_EQ(CheckFlatness("0,0,0,0,0,0,0,0,0,0,0").error,
            "tovan-cli: --flatness: '0,0,0,0,0,0,0,0,0,0,0' has 11 levels, not 10" + allowed);
  EXPECT_EQ(CheckFlatness("0,0,6,0,0,0,0,0,0,0").error,
            "tovan-cli: --flatness: level 3 '6' is out of range" + allowed);
  EXPECT_EQ(CheckFlatness("0,0,0,0,0,0,0,0,0,").error,
            "tovan-cli: --flatness: level 10 '' is not a finite decimal number" + allowed);
}

}  // namespace
}  // namespace tovan
