#include "document/engine_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "engine/scope_preset_table.h"
#include "engine_json_expectations.h"
#include "measure/engine_eye.h"

namespace tovan {
namespace {

using cli_test::Keys;

using cli_test::SameCoefficients;
using cli_test::SameEyeComparison;
using cli_test::SameNumber;
using cli_test::SameValues;
using ::testing::ElementsAre;

TEST(EngineDocument, KeysInTheirOrder) {
  SignalEngine engine;
  const auto document = nlohmann::ordered_json::parse(EngineDocument(engine));
  EXPECT_THAT(Keys(document), ElementsAre("parameters", "failed", "inputTraces", "outputTraces",
                                          "scopeMagnitudeTrace", "scopePhaseTrace",
                                          "outputSpectrumTrace", "inputSpectrumTrace"));
  EXPECT_THAT(Keys(document["parameters"]),
              ElementsAre("bitrate", "risetime", "samplesPerBit", "bandwidth", "rolloff",
                          "groupDelay", "flatnessLevels", "show3BitCells", "noiseAmplitude"));
}

TEST(EngineDocument, MetricsFollowTheTracesAndAreTheMeasuredEye) {
  const auto configure = [](SignalEngine& engine) {
    ApplyScopePreset(engine, 2);
    engine.show3BitCells.Write(true);
  };
  SignalEngine engine;
  configure(engine);
  const auto document =
      nlohmann::ordered_json::parse(EngineDocument(engine, {.metrics = true, .stages = true}));
  EXPECT_THAT(Keys(document),
              ElementsAre("parameters", "failed", "inputTraces", "outputTraces",
                          "scopeMagnitudeTrace", "scopePhaseTrace", "outputSpectrumTrace",
                          "inputSpectrumTrace", "metrics", "stages"));
  EXPECT_THAT(Keys(document["metrics"]), ElementsAre("input", "output", "difference"));
  SignalEngine fresh;
  configure(fresh);
  const EyeComparison eye = MeasureEngineEye(fresh);
  EXPECT_TRUE(SameEyeComparison(nlohmann::json::parse(document["metrics"].dump()), eye));
  EXPECT_FALSE(std::isnan(eye.output.jitterPp));  // a real measurement, not all nulls
}

TEST(EngineDocument, ParametersAreThePublicCellsInEngineUnits) {
  SignalEngine engine;
  engine.risetime.Write(0.1205);
  engine.groupDelay.Write(-0.045);
  engine.flatnessLevels[9].Write(2.5);
  engine.show3BitCells.Write(true);
  const auto parameters = nlohmann::json::parse(EngineDocument(engine))["parameters"];
  EXPECT_TRUE(SameNumber(parameters["bitrate"], 3.125));
  EXPECT_TRUE(SameNumber(parameters["risetime"], 0.1205));
  EXPECT_EQ(parameters["samplesPerBit"], 32);
  EXPECT_TRUE(SameNumber(parameters["bandwidth"], 6.0));
  EXPECT_TRUE(SameNumber(parameters["rolloff"], 300.0));
  EXPECT_TRUE(SameNumber(parameters["groupDelay"], -0.045));
  EXPECT_EQ(parameters["flatnessLevels"], nlohmann::json::parse("[0,0,0,0,0,0,0,0,0,2.5]"));
  EXPECT_EQ(parameters["show3BitCells"], true);
  EXPECT_TRUE(SameNumber(parameters["noiseAmplitude"], 0.0));
}

TEST(StageDocument, StagesInPipelineOrderWithTheEngineIntermediates) {
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  const auto document = nlohmann::ordered_json::parse(EngineDocument(engine, {.stages = true}));
  ASSERT_TRUE(document.contains("stages"));
  const auto& stages = document["stages"];
  EXPECT_THAT(
      Keys(stages),
      ElementsAre("sequence", "waveform", "waveformSpectrum", "frequencyAxis", "riseFilter",
                  "riseResponse", "inputSignal", "scopeFilter", "scopeResponse", "groupDelayCurve",
                  "groupDelayResponse", "powerLaw", "flatnessFitIterations",
                  "flatnessFitParameters", "flatnessTargetRatio", "fittedZeros", "fittedPoles",
                  "flatnessFilter", "flatnessResponse", "outputSignal"));
  const nlohmann::json s = nlohmann::json::parse(stages.dump());
  EXPECT_TRUE(SameValues(s["sequence"], engine.Sequence()));
  EXPECT_TRUE(SameValues(s["waveform"], engine.Waveform()));
  EXPECT_TRUE(SameValues(s["waveformSpectrum"], engine.WaveformSpectrum()));
  EXPECT_TRUE(SameValues(s["frequencyAxis"], engine.FrequencyAxis()));
  EXPECT_TRUE(SameCoefficients(s["riseFilter"], engine.RiseFilter()));
  EXPECT_TRUE(SameValues(s["riseResponse"], engine.RiseResponse()));
  EXPECT_TRUE(SameValues(s["inputSignal"], engine.InputSignal()));
  EXPECT_TRUE(SameCoefficients(s["scopeFilter"], engine.ScopeFilter()));
  EXPECT_TRUE(SameValues(s["scopeResponse"], engine.ScopeResponse()));
  EXPECT_TRUE(SameValues(s["groupDelayCurve"], engine.GroupDelayCurve()));
  EXPECT_TRUE(SameValues(s["groupDelayResponse"], engine.GroupDelayResponse()));
  const FitDiagnostics& fit = engine.Diagnostics();
  ASSERT_TRUE(fit.powerLawFitted);  // a non-zero group delay is fitted
  EXPECT_TRUE(SameNumber(s["powerLaw"]["A"], fit.powerLawAmplitude));
  EXPECT_TRUE(SameNumber(s["powerLaw"]["p"], fit.powerLawExponent));
  EXPECT_EQ(s["powerLaw"]["iterations"], fit.powerLawIterations);
  EXPECT_EQ(s["flatnessFitIterations"], fit.flatnessIterations);
  EXPECT_TRUE(SameValues(s["flatnessFitParameters"], fit.flatnessParameters));
  EXPECT_TRUE(SameValues(s["flatnessTargetRatio"], fit.flatnessTarget));
  EXPECT_TRUE(SameValues(s["fittedZeros"], fit.fittedZeros));
  EXPECT_TRUE(SameValues(s["fittedPoles"], fit.fittedPoles));
  EXPECT_TRUE(SameCoefficients(s["flatnessFilter"], engine.FlatnessFilter()));
  EXPECT_TRUE(SameValues(s["flatnessResponse"], engine.FlatnessResponse()));
  EXPECT_TRUE(SameValues(s["outputSignal"], engine.OutputSignal()));
}

TEST(StageDocument, PowerLawIsNullWhenNotFitted) {
  SignalEngine engine;  // group delay 0: nothing to fit
  const auto document = nlohmann::json::parse(EngineDocument(engine, {.stages = true}));
  ASSERT_FALSE(engine.Diagnostics().powerLawFitted);
  EXPECT_TRUE(document["stages"]["powerLaw"].is_null());
}

TEST(StageDocument, WritingTheStagesRecomputesNothing) {
  SignalEngine engine;
  EngineDocument(engine);
  const StageCounts before = engine.RecomputeCounts();
  EngineDocument(engine, {.stages = true});
  EXPECT_EQ(engine.RecomputeCounts(), before);
}

}  // namespace
}  // namespace tovan
