#include "cli/engine_setup.h"

#include <gtest/gtest.h>

#include <array>

namespace tovan {
namespace {

struct ScopeRow {
  int preset;
  double bandwidth;
  double rolloff;
  int groupDelayPs;
  std::array<double, 10> levels;
};

void PrintTo(const ScopeRow& row, std::ostream* os) { *os << "preset " << row.preset; }

// The preset table as the scope chooser offers it.
class PresetRows : public ::testing::TestWithParam<ScopeRow> {};

TEST_P(PresetRows, PresetIsWrittenIntoTheScopeCells) {
  const ScopeRow& row = GetParam();
  CliOptions options;
  options.preset = row.preset;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  EXPECT_EQ(engine.bandwidth.value, row.bandwidth);
  EXPECT_EQ(engine.rolloff.value, row.rolloff);
  EXPECT_EQ(engine.groupDelay.value, row.groupDelayPs * 0.001);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(engine.flatnessLevels[k].value, row.levels[k]) << k;
  // The input side keeps the engine's defaults.
  EXPECT_EQ(engine.bitrate.value, 3.125);
  EXPECT_EQ(engine.risetime.value, 0.055);
  EXPECT_EQ(engine.samplesPerBit.value, 32);
  EXPECT_FALSE(engine.show3BitCells.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PresetRows,
    ::testing::Values(ScopeRow{0, 6.0, 300, -32, {0, 0, 0, 0.5, 0.5, 1.0, 1.0, 0, 0, 0}},
                      ScopeRow{1, 6.0, 300, -32, {-0.5, -0.5, 0, 0.5, 0.5, 1.0, 1.0, 0, 0, 0}},
                      ScopeRow{2, 6.0, 440, -162, {0, 0, 0.5, 1.0, 1.5, 3.0, 1.0, 0, 0, 0}},
                      ScopeRow{3, 6.0, 440, -60, {-0.5, -1.0, -1.0, -1.0, 1.0, 0.5, 1.0, 0, 0, 0}},
                      ScopeRow{4, 6.0, 120, 43, {-0.5, -0.5, 0, 0, 0, 0, 0, 0, 0, 0}},
                      ScopeRow{5, 4.1, 140, 32, {0.5, 1.5, 2.5, 3.0, 2.0, 0, 0, 0, 0, 0}},
                      ScopeRow{6, 7.0, 320, 0, {0, 0, 0, 0, 0, 1.5, 2.0, 2.5, 0, 0}},
                      ScopeRow{7, 4.1, 140, 32, {0.5, 1.5, 2.5, 3.0, 2.0, 0, 0, 0, 0, 0}}));

TEST(ConfigureEngine, NoPresetLeavesTheEngineDefaults) {
  CliOptions options;
  options.applyPreset = false;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  EXPECT_EQ(engine.bandwidth.value, 6.0);
  EXPECT_EQ(engine.rolloff.value, 300.0);
  EXPECT_EQ(engine.groupDelay.value, 0.0);
  for (const InputCell<double>& level : engine.flatnessLevels) EXPECT_EQ(level.value, 0.0);
}

TEST(ConfigureEngine, ExplicitValuesOverrideThePresetInEngineUnits) {
  CliOptions options;
  options.preset = 2;
  options.bitrateGbps = 2.5;
  options.risetimePs = 55.5;
  options.samplesPerBit = 128;
  options.bandwidthGhz = 8.0;
  options.groupDelayPs = 45.0;
  options.flatnessDb = std::array<double, 10>{1, 2, 3, 4, 5, -1, -2, -3, -4, -5};
  options.threeCells = true;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  EXPECT_EQ(engine.bitrate.value, 2.5);
  EXPECT_EQ(engine.risetime.value, 55.5 / 1000.0);  // ps to ns as the slider binding divides
  EXPECT_EQ(engine.samplesPerBit.value, 128);
  EXPECT_EQ(engine.bandwidth.value, 8.0);
  EXPECT_EQ(engine.rolloff.value, 440.0);  // not given: preset 2's
  EXPECT_EQ(engine.groupDelay.value, 45.0 / 1000.0);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(engine.flatnessLevels[k].value, (*options.flatnessDb)[k]);
  EXPECT_TRUE(engine.show3BitCells.value);
}

TEST(ConfigureEngine, ComputesNothing) {
  CliOptions options;
  options.bandwidthGhz = 9.0;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  for (const int count : engine.RecomputeCounts()) EXPECT_EQ(count, 0);
  engine.OutputTraces();
  for (const int count : engine.RecomputeCounts()) EXPECT_EQ(count, 1);
}

}  // namespace
}  // namespace tovan
