#include "measure/engine_eye.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/signal_engine.h"

namespace tovan {
namespace {

struct InputCase {
  const char* name;
  int samplesPerBit;
  double bitrate;  // Gbps
};

class EngineEyeInput : public ::testing::TestWithParam<InputCase> {};

// The input is an ideal pattern through a one-pole filter made to rise from 10 % to
// 90 % in the risetime setting: its isolated edges take that long whatever the
// sampling, and its eye is open nearly to the full swing.
TEST_P(EngineEyeInput, IsolatedEdgesRiseInTheRisetimeSetting) {
  SignalEngine engine;
  engine.samplesPerBit.Write(GetParam().samplesPerBit);
  engine.bitrate.Write(GetParam().bitrate);
  const EyeComparison eye = MeasureEngineEye(engine);
  const double risetimePs = engine.risetime.value * 1000.0;
  EXPECT_NEAR(eye.input.rise1090, risetimePs, 0.02 * risetimePs);
  EXPECT_NEAR(eye.input.fall1090, risetimePs, 0.02 * risetimePs);
  EXPECT_NEAR(eye.input.eyeHeightBest, 1.2, 0.01);
  EXPECT_NEAR(eye.input.eyeWidthUi, 1.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Settings, EngineEyeInput,
                         ::testing::Values(InputCase{"defaults", 32, 3.125}, InputCase{"fine", 128, 3.125},
                                           InputCase{"fast", 32, 5.0}));

TEST(MeasureEngineEye, TheScopeSlowsTheEdgesAndAddsJitter) {
  SignalEngine engine;
  const EyeComparison eye = MeasureEngineEye(engine);
  EXPECT_GT(eye.difference.rise1090, 0.0);
  EXPECT_GT(eye.difference.jitterPp, 0.0);
  EXPECT_LT(eye.difference.eyeHeight, 0.0);
  EXPECT_GT(eye.output.eyeHeight, 0.0);  // closed a little, still open
}

bool SameFigure(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

TEST(MeasureEngineEye, OneAndThreeCellTracesAgree) {
  SignalEngine engine;
  const EyeComparison one = MeasureEngineEye(engine);
  engine.show3BitCells.Write(true);
  const EyeComparison three = MeasureEngineEye(engine);
  for (const EyeMetricField& field : kEyeMetricFields) {
    EXPECT_TRUE(SameFigure(one.input.*field.member, three.input.*field.member)) << field.key;
    EXPECT_TRUE(SameFigure(one.output.*field.member, three.output.*field.member)) << field.key;
  }
}

}  // namespace
}  // namespace tovan
