#include "cli/sweep_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <sstream>

#include "cli/engine_setup.h"
#include "engine/scope_preset_table.h"

namespace tovan {
namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void ExpectSameEye(const EyeComparison& a, const EyeComparison& b, double value) {
  for (const EyeMetricField& field : kEyeMetricFields) {
    EXPECT_TRUE(SameBits(a.input.*field.member, b.input.*field.member))
        << field.key << " " << value;
    EXPECT_TRUE(SameBits(a.output.*field.member, b.output.*field.member))
        << field.key << " " << value;
    EXPECT_TRUE(SameBits(a.difference.*field.member, b.difference.*field.member))
        << field.key << " " << value;
  }
}

// The eye of a fresh engine given the value as an explicit option, as a separate run
// of the command line would be.
EyeComparison SeparateRun(CliOptions options, const SweptParameter& parameter, double value) {
  switch (parameter.kind) {
    case SweepKind::kPreset: options.preset = static_cast<int>(value); break;
    case SweepKind::kSamplesPerBit: options.samplesPerBit = static_cast<int>(value); break;
    case SweepKind::kBandwidth: options.bandwidthGhz = value; break;
    case SweepKind::kRolloff: options.rolloffDbPerDecade = value; break;
    case SweepKind::kFlatnessLevel: {
      std::array<double, 10> levels{};
      for (int k = 0; k < 10; ++k) levels[k] = kScopePresets.presetFlatness[k][options.preset];
      levels[parameter.level] = value;
      options.flatnessDb = levels;
      break;
    }
    default: ADD_FAILURE() << "no separate run for " << parameter.name;
  }
  SignalEngine engine;
  ConfigureEngine(engine, options);
  return MeasureEngineEye(engine);
}

struct SweepCase {
  const char* sweep;
  int preset;
  int jobs;
};

void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.sweep << " on " << c.jobs; }

class SweepRowsEqualSeparateRuns : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweepRowsEqualSeparateRuns, BitForBit) {
  CliOptions options;
  options.preset = GetParam().preset;
  options.sweep = ParseSweep(GetParam().sweep).value;
  ASSERT_TRUE(options.sweep);
  std::ostringstream silent;
  ProgressBar progress(silent, 0, false);
  const std::vector<SweepRow> rows = SweepRows(options, *options.sweep, GetParam().jobs, progress);
  ASSERT_EQ(rows.size(), options.sweep->values.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].value, options.sweep->values[i]);
    ExpectSameEye(rows[i].eye, SeparateRun(options, options.sweep->parameter, rows[i].value),
                  rows[i].value);
  }
}

INSTANTIATE_TEST_SUITE_P(Parameters, SweepRowsEqualSeparateRuns,
                         ::testing::Values(SweepCase{"bandwidth=3:7:2", 0, 1},
                                           SweepCase{"bandwidth=3:7:0.5", 0, 3},
                                           SweepCase{"rolloff=0:480:240", 4, 2},
                                           SweepCase{"flatness4=-2:2:2", 0, 2},
                                           SweepCase{"samples-per-bit=32:16:-16", 1, 2},
                                           SweepCase{"preset=5:7:1", 0, 8}));

TEST(RunSweep, WritesCsvOrJsonAndNoProgressOffATerminal) {
  CliOptions options;
  options.sweep = ParseSweep("risetime=40:60:10").value;
  std::ostringstream csv, json, err;
  EXPECT_EQ(RunSweep(options, csv, err, false), 0);
  options.json = true;
  EXPECT_EQ(RunSweep(options, json, err, false), 0);
  EXPECT_EQ(err.str(), "");
  const std::string csvText = csv.str(), jsonText = json.str();
  EXPECT_EQ(std::count(csvText.begin(), csvText.end(), '\n'), 4);  // header and 3 rows
  EXPECT_TRUE(csvText.starts_with("risetime,input_eyeHeight,"));
  EXPECT_TRUE(jsonText.starts_with(R"({"sweep":"risetime","rows":[{"value":40.0,)"));
  EXPECT_TRUE(jsonText.ends_with("}]}\n"));
}

}  // namespace
}  // namespace tovan
