#include "cli/sweep_spec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tovan {
namespace {

using ::testing::ElementsAreArray;

struct GoodSweep {
  const char* text;
  SweepKind kind;
  int level;
  std::vector<double> values;  // as a user would type them
};

void PrintTo(const GoodSweep& c, std::ostream* os) { *os << c.text; }

class AcceptedSweep : public ::testing::TestWithParam<GoodSweep> {};

TEST_P(AcceptedSweep, GivesTheTypedValues) {
  const GoodSweep& c = GetParam();
  const Checked<SweepRequest> sweep = ParseSweep(c.text);
  ASSERT_TRUE(sweep.value) << sweep.error;
  EXPECT_EQ(sweep.value->parameter.kind, c.kind);
  EXPECT_EQ(sweep.value->parameter.level, c.level);
  EXPECT_EQ(sweep.value->parameter.name,
            std::string(c.text).substr(0, std::string(c.text).find('=')));
  // Exact equality: 1.3 must be the double of "1.3", not 1 + 3 * 0.1.
  EXPECT_THAT(sweep.value->values, ElementsAreArray(c.values));
}

INSTANTIATE_TEST_SUITE_P(
    Specifications, AcceptedSweep,
    ::testing::Values(
        GoodSweep{"bandwidth=1:2:0.5", SweepKind::kBandwidth, 0, {1.0, 1.5, 2.0}},
        GoodSweep{"bandwidth=1:1.5:0.1", SweepKind::kBandwidth, 0, {1.0, 1.1, 1.2, 1.3, 1.4, 1.5}},
        GoodSweep{"rolloff=480:0:-120", SweepKind::kRolloff, 0, {480, 360, 240, 120, 0}},
        GoodSweep{"risetime=10:35:10", SweepKind::kRisetime, 0, {10, 20, 30}},
        GoodSweep{"group-delay=-300:300:300", SweepKind::kGroupDelay, 0, {-300, 0, 300}},
        GoodSweep{"bitrate=1e0:1.5:2.5e-1", SweepKind::kBitrate, 0, {1.0, 1.25, 1.5}},
        GoodSweep{
            "bitrate=3.1:3.12:0.005", SweepKind::kBitrate, 0, {3.1, 3.105, 3.11, 3.115, 3.12}},
        // 3 * 0.1 alone would be 0.30000000000000004.
        GoodSweep{
            "flatness1=0:0.5:0.1", SweepKind::kFlatnessLevel, 0, {0, 0.1, 0.2, 0.3, 0.4, 0.5}},
        GoodSweep{"flatness3=-5:5:2.5", SweepKind::kFlatnessLevel, 2, {-5, -2.5, 0, 2.5, 5}},
        GoodSweep{"flatness10=0.5:-0.5:-0.5", SweepKind::kFlatnessLevel, 9, {0.5, 0, -0.5}},
        GoodSweep{"samples-per-bit=16:32:16", SweepKind::kSamplesPerBit, 0, {16, 32}},
        GoodSweep{"preset=7:0:-1", SweepKind::kPreset, 0, {7, 6, 5, 4, 3, 2, 1, 0}}));

TEST(ParseSweep, TheLargestSweepHasAThousandPoints) {
  const Checked<SweepRequest> largest = ParseSweep("bandwidth=1:10.99:0.01");
  ASSERT_TRUE(largest.value) << largest.error;
  EXPECT_EQ(largest.value->values.size(), 1000u);
  EXPECT_EQ(largest.value->values[999], 10.99);
  EXPECT_EQ(ParseSweep("bandwidth=1:11:0.01").error,
            "tovan-cli: --sweep: bandwidth gives 1001 points (allowed: at most 1000 points)");
}

struct BadSweep {
  const char* text;
  std::string message;
};

void PrintTo(const BadSweep& c, std::ostream* os) { *os << c.text; }

class RefusedSweep : public ::testing::TestWithParam<BadSweep> {};

TEST_P(RefusedSweep, GivesItsOneLineMessage) {
  const Checked<SweepRequest> sweep = ParseSweep(GetParam().text);
  EXPECT_FALSE(sweep.value.has_value());
  EXPECT_EQ(sweep.error, GetParam().message);
}

const std::string kGhz = " (allowed: 1 to 20 GHz)";
const std::string kTowards = " (allowed: a STEP from START towards STOP)";

INSTANTIATE_TEST_SUITE_P(
    Specifications, RefusedSweep,
    ::testing::Values(
        BadSweep{"bandwidth=5:5:1",
                 "tovan-cli: --sweep: bandwidth range '5:5' is empty (allowed: START different "
                 "from STOP)"},
        BadSweep{"bandwidth=1:5:0", "tovan-cli: --sweep: bandwidth STEP '0' is zero" + kTowards},
        BadSweep{"bandwidth=1:5:-1",
                 "tovan-cli: --sweep: bandwidth STEP '-1' points away from STOP" + kTowards},
        BadSweep{"bandwidth=5:1:0.5",
                 "tovan-cli: --sweep: bandwidth STEP '0.5' points away from STOP" + kTowards},
        BadSweep{"bandwidth=1:21:1",
                 "tovan-cli: --sweep: bandwidth STOP '21' is out of range" + kGhz},
        BadSweep{"bandwidth=0.5:2:1",
                 "tovan-cli: --sweep: bandwidth START '0.5' is out of range" + kGhz},
        BadSweep{"bandwidth=1x:2:1",
                 "tovan-cli: --sweep: bandwidth START '1x' is not a finite decimal number" + kGhz},
        BadSweep{"bandwidth=1:nan:1",
                 "tovan-cli: --sweep: bandwidth STOP 'nan' is not a finite decimal number" + kGhz},
        BadSweep{
            "bandwidth=1:2:1e999",
            "tovan-cli: --sweep: bandwidth STEP '1e999' is not a finite decimal number" + kGhz},
        BadSweep{"bandwidth=1:2:1e-320",
                 "tovan-cli: --sweep: bandwidth gives more than 1000 points (allowed: at most "
                 "1000 points)"},
        BadSweep{"samples-per-bit=16:64:16",
                 "tovan-cli: --sweep: samples-per-bit value '48' is out of range (allowed: 16, "
                 "32, 64, 128, 256)"},
        BadSweep{"preset=0:7:0.5",
                 "tovan-cli: --sweep: preset STEP '0.5' is not a whole number (allowed: 0 to 7)"},
        BadSweep{"frequency=1:2:1",
                 "tovan-cli: --sweep: unknown parameter 'frequency' (allowed: preset, bitrate, "
                 "risetime, samples-per-bit, bandwidth, rolloff, group-delay, flatness1 to "
                 "flatness10)"},
        BadSweep{"flatness11=0:1:0.5",
                 "tovan-cli: --sweep: unknown parameter 'flatness11' (allowed: preset, bitrate, "
                 "risetime, samples-per-bit, bandwidth, rolloff, group-delay, flatness1 to "
                 "flatness10)"},
        BadSweep{"bandwidth=1:2",
                 "tovan-cli: --sweep: 'bandwidth=1:2' is not NAME=START:STOP:STEP (allowed: "
                 "NAME=START:STOP:STEP, NAME one of preset, bitrate, risetime, samples-per-bit, "
                 "bandwidth, rolloff, group-delay, flatness1 to flatness10)"},
        BadSweep{"bandwidth",
                 "tovan-cli: --sweep: 'bandwidth' is not NAME=START:STOP:STEP (allowed: "
                 "NAME=START:STOP:STEP, NAME one of preset, bitrate, risetime, samples-per-bit, "
                 "bandwidth, rolloff, group-delay, flatness1 to flatness10)"}));

}  // namespace
}  // namespace tovan
