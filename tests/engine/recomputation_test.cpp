#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"

namespace tovan {
namespace {

using S = EngineStage;

struct ChangeCase {
  std::string name;
  std::function<void(SignalEngine&)> change;
  std::vector<S> recomputed;  // every other stage must stay cached
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

StageCounts Delta(const StageCounts& after, const StageCounts& before) {
  StageCounts d{};
  for (std::size_t i = 0; i < d.size(); ++i) d[i] = after[i] - before[i];
  return d;
}

class RecomputationTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(RecomputationTest, RecomputesExactlyTheStagesDownstream) {
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  engine.OutputTraces();
  const StageCounts before = engine.RecomputeCounts();
  GetParam().change(engine);
  engine.OutputTraces();
  const StageCounts delta = Delta(engine.RecomputeCounts(), before);
  StageCounts expected{};
  for (S stage : GetParam().recomputed) expected[static_cast<int>(stage)] = 1;
  EXPECT_EQ(delta, expected);
  EXPECT_FALSE(engine.Failed());
}

const std::vector<S> kAllButFlatnessFit{
    S::kPattern,     S::kWaveform,         S::kAxes,    S::kRiseFilter,       S::kInputTraces,
    S::kGroupDelay,  S::kScopeFilter,      S::kFlatnessResponse, S::kOutputs, S::kMeasuredResponse};

// A two-point measured response, enough to exercise the stage.
ResponseTable TwoPointResponse() {
  ResponseTable table;
  table.file = "two.csv";
  table.format = "CSV";
  table.frequencies = {1.0, 10.0};
  table.values = {Complex{1.0, 0.0}, Complex{0.0, -0.5}};
  return table;
}

void LoadTwoPointResponse(SignalEngine& e) { e.responseTable.Write(TwoPointResponse()); }

INSTANTIATE_TEST_SUITE_P(
    EachParameter, RecomputationTest,
    ::testing::Values(
        ChangeCase{"flatness", [](SignalEngine& e) { e.flatnessLevels[3].Write(1.5); },
                   {S::kFlatnessFit, S::kFlatnessResponse, S::kOutputs}},
        ChangeCase{"rolloff", [](SignalEngine& e) { e.rolloff.Write(200.0); },
                   {S::kScopeFilter, S::kOutputs}},
        ChangeCase{"bitrate", [](SignalEngine& e) { e.bitrate.Write(5.0); },
                   {S::kAxes, S::kRiseFilter, S::kInputTraces, S::kGroupDelay, S::kScopeFilter,
                    S::kFlatnessResponse, S::kOutputs, S::kMeasuredResponse}},
        ChangeCase{"risetime", [](SignalEngine& e) { e.risetime.Write(0.1); },
                   {S::kRiseFilter, S::kInputTraces, S::kOutputs}},
        ChangeCase{"bandwidth", [](SignalEngine& e) { e.bandwidth.Write(8.0); },
                   {S::kGroupDelay, S::kScopeFilter, S::kOutputs}},
        ChangeCase{"groupDelay", [](SignalEngine& e) { e.groupDelay.Write(0.1); },
                   {S::kGroupDelay, S::kOutputs}},
        ChangeCase{"show3BitCells", [](SignalEngine& e) { e.show3BitCells.Write(true); },
                   kAllButFlatnessFit},
        ChangeCase{"samplesPerBit", [](SignalEngine& e) { e.samplesPerBit.Write(64); },
                   kAllButFlatnessFit},
        ChangeCase{"loadResponse", LoadTwoPointResponse,
                   {S::kMeasuredResponse, S::kScopeFilter, S::kOutputs}},
        ChangeCase{"responseMode",
                   [](SignalEngine& e) { e.responseMode.Write(ResponseMode::kCascade); },
                   {S::kScopeFilter, S::kOutputs}},
        ChangeCase{"sameValue", [](SignalEngine& e) { e.bitrate.Write(3.125); }, {}},
        ChangeCase{"writtenBack",
                   [](SignalEngine& e) {
                     e.rolloff.Write(100.0);
                     e.rolloff.Write(300.0);
                   },
                   {}}),
    [](const auto& info) { return info.param.name; });

TEST(RecomputationTest, FirstAccessComputesEveryStageOnce) {
  SignalEngine engine;
  engine.ScopePhaseTrace();
  StageCounts ones;
  ones.fill(1);
  EXPECT_EQ(engine.RecomputeCounts(), ones);
}

TEST(RecomputationTest, AnUnchangedAccessorCallComputesNothing) {
  SignalEngine engine;
  const Matrix& first = engine.InputTraces();
  const StageCounts before = engine.RecomputeCounts();
  const Matrix& again = engine.InputTraces();
  engine.OutputSpectrumTrace();
  engine.ScopeMagnitudeTrace();
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(engine.RecomputeCounts(), before);
}

TEST(RecomputationTest, ToggledTwiceBeforeReadingStillStampsButRecomputesNothing) {
  SignalEngine engine;
  engine.OutputTraces();
  const StageCounts before = engine.RecomputeCounts();
  const std::uint32_t stamp = engine.OutputStamp();
  engine.show3BitCells.Write(true);
  engine.show3BitCells.Write(false);
  engine.OutputTraces();
  EXPECT_EQ(engine.RecomputeCounts(), before);
  EXPECT_EQ(engine.OutputStamp(), stamp);
}

TEST(FailureTest, AnImpossiblePatternLengthSetsFailedAndFreezesTheResults) {
  SignalEngine engine;
  const Matrix before = engine.OutputTraces();
  engine.samplesPerBit.Write(1 << 28);
  const Matrix& after = engine.OutputTraces();
  EXPECT_TRUE(engine.Failed());
  ASSERT_EQ(after.rows(), before.rows());
  EXPECT_EQ(after[5][7], before[5][7]);
  const StageCounts frozen = engine.RecomputeCounts();
  engine.samplesPerBit.Write(32);
  engine.bitrate.Write(4.0);
  engine.InputTraces();
  EXPECT_EQ(engine.RecomputeCounts(), frozen);
  EXPECT_TRUE(engine.Failed());
}

TEST(FailureTest, SamplesPerBitBelowOneFails) {
  SignalEngine engine;
  engine.samplesPerBit.Write(0);
  engine.InputTraces();
  EXPECT_TRUE(engine.Failed());
}

}  // namespace
}  // namespace tovan
