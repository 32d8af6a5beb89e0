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

// Every public value cell of the engine, flattened, to see which a write changed.
std::vector<double> CellValues(const SignalEngine& e) {
  std::vector<double> v{double(e.show3BitCells.value),
                        e.highLevel.value,
                        e.lowLevel.value,
                        double(e.samplesPerBit.value),
                        e.bitrate.value,
                        e.risetime.value,
                        e.groupDelay.value,
                        e.noiseAmplitude.value,
                        e.bandwidth.value,
                        e.rolloff.value};
  for (const InputCell<double>& level : e.flatnessLevels) v.push_back(level.value);
  return v;
}

struct SweptCell {
  SweptParameter parameter;
  double value;     // in the option's units
  int cellIndex;    // into CellValues
  double expected;  // in the engine's units
};

void PrintTo(const SweptCell& c, std::ostream* os) { *os << c.parameter.name; }

class WritesOneSweptCell : public ::testing::TestWithParam<SweptCell> {};

TEST_P(WritesOneSweptCell, InEngineUnitsAndNothingElse) {
  const SweptCell& c = GetParam();
  CliOptions options;
  options.preset = 3;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  std::vector<double> expected = CellValues(engine);
  expected[c.cellIndex] = c.expected;
  WriteSweptValue(engine, options, c.parameter, c.value);
  EXPECT_EQ(CellValues(engine), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, WritesOneSweptCell,
    ::testing::Values(SweptCell{{SweepKind::kBitrate, 0, "bitrate"}, 2.5, 4, 2.5},
                      SweptCell{{SweepKind::kRisetime, 0, "risetime"}, 120.0, 5, 0.12},
                      SweptCell{{SweepKind::kSamplesPerBit, 0, "samples-per-bit"}, 64.0, 3, 64.0},
                      SweptCell{{SweepKind::kBandwidth, 0, "bandwidth"}, 9.5, 8, 9.5},
                      SweptCell{{SweepKind::kRolloff, 0, "rolloff"}, 100.0, 9, 100.0},
                      SweptCell{{SweepKind::kGroupDelay, 0, "group-delay"}, -45.0, 6, -0.045},
                      SweptCell{{SweepKind::kFlatnessLevel, 0, "flatness1"}, 2.5, 10, 2.5},
                      SweptCell{{SweepKind::kFlatnessLevel, 9, "flatness10"}, -1.5, 19, -1.5}));

TEST(WriteSweptValue, APresetIsReappliedUnderTheExplicitValues) {
  CliOptions options;
  options.preset = 0;
  options.bandwidthGhz = 8.0;
  options.flatnessDb = std::array<double, 10>{};
  SignalEngine engine;
  ConfigureEngine(engine, options);
  WriteSweptValue(engine, options, {SweepKind::kPreset, 0, "preset"}, 3.0);
  EXPECT_EQ(engine.bandwidth.value, 8.0);           // explicit
  EXPECT_EQ(engine.rolloff.value, 440.0);           // preset 3's row
  EXPECT_EQ(engine.groupDelay.value, -60 * 0.001);  // the row's integer times 0.001
  for (const InputCell<double>& level : engine.flatnessLevels) EXPECT_EQ(level.value, 0.0);
}

}  // namespace
}  // namespace tovan
