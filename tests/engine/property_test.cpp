#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "engine/property_checks.h"
#include "engine/property_comparison.h"
#include "engine/property_grid.h"
#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"

// Randomised and exhaustive walks over the control grids. TOVAN_PROPERTY_CASES sets
// the number of random cases (default 640, split a quarter complete settings and
// three quarters single changes); TOVAN_PROPERTY_SEED replaces the base seed.
namespace tovan::property {
namespace {

constexpr std::uint32_t kBaseSeed = 20240611u;
constexpr int kDefaultCases = 640;
constexpr int kShards = 8;
// Sweeps compare every this many states (and their last) with a fresh engine.
constexpr int kSweepComparisonInterval = 25;

::testing::AssertionResult MatchesFreshEngine(SignalEngine& engine) {
  SignalEngine fresh;
  EngineParameters::Of(engine).WriteInto(fresh);
  return SameResults(engine, fresh);
}

std::uint32_t ShardSeed(int suite, int shard) {
  return PropertySeed(kBaseSeed) + static_cast<std::uint32_t>(suite * 1000003 + shard * 7919);
}

int CasesPerShard(int share, int outOf) {
  const int cases = PropertyCases(kDefaultCases) * share / outOf / kShards;
  return cases > 0 ? cases : 1;
}

void Report(const std::string& suite, int cases) {
  ::testing::Test::RecordProperty("cases", cases);
  std::cout << suite << ": " << cases << " states checked\n";
}

// Every position of one control, in order, from the start-up state (preset 0).
std::vector<Move> Sweep(Control control) {
  std::vector<Move> moves;
  const int levels = control == Control::kFlatness ? 10 : 1;
  for (int level = 0; level < levels; ++level)
    for (int p = FirstPosition(control); p <= LastPosition(control); ++p) moves.push_back({control, p, level});
  return moves;
}

class GridSweepTest : public ::testing::TestWithParam<Control> {};

TEST_P(GridSweepTest, EveryPositionKeepsTheInvariants) {
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  const std::vector<Move> moves = Sweep(GetParam());
  for (std::size_t i = 0; i < moves.size(); ++i) {
    SCOPED_TRACE(Describe(moves[i]));
    Apply(engine, moves[i]);
    ASSERT_TRUE(HoldsInvariants(engine)) << EngineParameters::Of(engine).Describe();
    if (i % kSweepComparisonInterval == 0 || i + 1 == moves.size()) {
      ASSERT_TRUE(MatchesFreshEngine(engine)) << EngineParameters::Of(engine).Describe();
    }
  }
  Report("sweep " + Describe(moves.back()), static_cast<int>(moves.size()));
}

INSTANTIATE_TEST_SUITE_P(EachControl, GridSweepTest,
                         ::testing::Values(Control::kBitrate, Control::kRisetime, Control::kBandwidth,
                                           Control::kRolloff, Control::kGroupDelay, Control::kSamplesPerBit,
                                           Control::kFlatness, Control::kPreset, Control::kThreeBitCells),
                         [](const auto& info) { return std::string(ControlName(info.param)); });

class RandomSettingsTest : public ::testing::TestWithParam<int> {};

// Each case sets every control at random on the same engine; the lazily updated
// result must equal a fresh engine's.
TEST_P(RandomSettingsTest, EverySettingMatchesAFreshEngine) {
  const std::uint32_t seed = ShardSeed(1, GetParam());
  GridRandom random(seed);
  SignalEngine engine;
  const int cases = CasesPerShard(1, 4);
  for (int c = 0; c < cases; ++c) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", case " + std::to_string(c));
    for (const Move& move : RandomSettings(random)) Apply(engine, move);
    const std::string parameters = EngineParameters::Of(engine).Describe();
    ASSERT_TRUE(HoldsInvariants(engine)) << parameters;
    ASSERT_TRUE(MatchesFreshEngine(engine)) << parameters;
  }
  Report("random settings, seed " + std::to_string(seed), cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomSettingsTest, ::testing::Range(0, kShards));

enum class Step { kOneMove, kBurst, kWriteBack, kNoChange };
constexpr std::array<Step, 10> kStepDraws{Step::kOneMove, Step::kOneMove, Step::kOneMove,   Step::kOneMove,
                                          Step::kOneMove, Step::kOneMove, Step::kBurst,     Step::kBurst,
                                          Step::kWriteBack, Step::kNoChange};

// Applies one step and says what it did. A written-back or absent change leaves
// every public value as the snapshots hold it.
std::string TakeStep(SignalEngine& engine, GridRandom& random, Step step) {
  const EngineParameters before = EngineParameters::Of(engine);
  const int count = step == Step::kOneMove ? 1 : step == Step::kNoChange ? 0 : random.Uniform(2, 4);
  std::string text = step == Step::kWriteBack ? "written back:" : "";
  for (int i = 0; i < count; ++i) {
    const Move move = RandomMove(random);
    Apply(engine, move);
    text += " " + Describe(move);
  }
  if (step == Step::kWriteBack) before.WriteInto(engine);
  return count == 0 ? "no change" : text;
}

class RandomSequenceTest : public ::testing::TestWithParam<int> {};

TEST_P(RandomSequenceTest, EveryStepMatchesAFreshEngine) {
  const std::uint32_t seed = ShardSeed(2, GetParam());
  GridRandom random(seed);
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  const int steps = CasesPerShard(3, 4);
  for (int s = 0; s < steps; ++s) {
    engine.OutputTraces();
    const StageCounts counts = engine.RecomputeCounts();
    const Step step = kStepDraws[random.Uniform(0, static_cast<int>(kStepDraws.size()) - 1)];
    const std::string what = TakeStep(engine, random, step);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(s) + ": " + what);
    const std::string parameters = EngineParameters::Of(engine).Describe();
    ASSERT_TRUE(HoldsInvariants(engine)) << parameters;
    if (step == Step::kWriteBack || step == Step::kNoChange) {
      ASSERT_EQ(engine.RecomputeCounts(), counts) << "a change undone before access recomputed a stage";
    }
    ASSERT_TRUE(MatchesFreshEngine(engine)) << parameters;
  }
  Report("random sequence, seed " + std::to_string(seed), steps);
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomSequenceTest, ::testing::Range(0, kShards));

}  // namespace
}  // namespace tovan::property
