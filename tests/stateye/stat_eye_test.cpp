#include "stateye/stat_eye.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/signal_engine.h"
#include "measure/engine_eye.h"
#include "stateye/normal_distribution.h"

namespace tovan {
namespace {

// x with share * Q(x) = ber, by bisection.
double TailDeviations(double share, double ber) {
  double lo = 0.0, hi = 40.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (share * NormalTail(mid) > ber ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

// A nearly ideal pattern: its deterministic eye is open almost a whole UI and swing.
void NearlyIdeal(SignalEngine& engine) {
  engine.bitrate.Write(1.0);
  engine.risetime.Write(0.01);
  engine.bandwidth.Write(20.0);
  engine.rolloff.Write(0.0);
}

double TransitionShare(const PeriodicEyeSignal& s) {
  int transitions = 0;
  for (int j = 0; j < s.bits(); ++j) transitions += s.ones[j] != s.ones[(j + s.bits() - 1) % s.bits()];
  return static_cast<double>(transitions) / s.bits();
}

// Each edge of the eye is set by the cells whose neighbour differs: a share rho of the
// cells errs with probability Q(distance / rj) past each crossing.
TEST(StatEye, RandomJitterAloneNarrowsTheWidthByTwoTailDeviations) {
  SignalEngine engine;
  NearlyIdeal(engine);
  const PeriodicEyeSignal signal = EngineEyeSignal(engine);
  StatEyeSettings settings;
  settings.rj = 5.0;
  const StatEye eye = ComputeStatEyeFigures(signal, settings);
  const double x = TailDeviations(TransitionShare(signal), settings.targetBer);
  EXPECT_NEAR(eye.figures.eyeWidth, signal.uiPs() - 2.0 * x * settings.rj, 1.0);
}

// At the best phase every one sits at the high level and every zero at the low one.
TEST(StatEye, NoiseAloneLowersTheHeightByTailDeviations) {
  SignalEngine engine;
  NearlyIdeal(engine);
  const PeriodicEyeSignal signal = EngineEyeSignal(engine);
  StatEyeSettings settings;
  settings.noise = 0.020;
  const StatEye eye = ComputeStatEyeFigures(signal, settings);
  int ones = 0;
  for (int j = 0; j < signal.bits(); ++j) ones += signal.ones[j];
  const double share = static_cast<double>(ones) / signal.bits();
  const double margins = TailDeviations(share, settings.targetBer) + TailDeviations(1.0 - share, settings.targetBer);
  EXPECT_NEAR(eye.figures.eyeHeight, signal.highLevel - signal.lowLevel - margins * settings.noise, 0.002);
}

// Without jitter and noise a single wrong cell already exceeds any target below 1/B: the
// statistical eye is the deterministic one, solved between samples.
TEST(StatEye, WithoutSpreadsItIsTheDeterministicEye) {
  SignalEngine engine;
  const EyeMetrics measured = MeasureEngineEye(engine).output;
  const StatEye eye = ComputeStatEyeFigures(EngineEyeSignal(engine), StatEyeSettings{});
  EXPECT_NEAR(eye.figures.eyeWidth, measured.eyeWidth, 0.1);
  // Between samples the opening can only grow; with these traces it peaks on a sample.
  EXPECT_NEAR(eye.figures.eyeHeight, measured.eyeHeightBest, 0.0001);
  EXPECT_NEAR(eye.figures.bestPhase, measured.bestPhase, 1.0 / engine.samplesPerBit.value);
}

// log10 BER falls towards the best phase (or mid level) and rises away from it.
void ExpectBathtub(const Bathtub& tub, double bottom, const char* name) {
  for (std::size_t i = 1; i < tub.position.size(); ++i) {
    const bool beforeBottom = tub.position[i] <= bottom;
    const double change = tub.log10Ber[i] - tub.log10Ber[i - 1];
    if (beforeBottom) {
      EXPECT_LE(change, 1e-9) << name << " at " << tub.position[i];
    } else if (tub.position[i - 1] >= bottom) {
      EXPECT_GE(change, -1e-9) << name << " at " << tub.position[i];
    }
  }
}

TEST(StatEye, BathtubsFallToTheOpeningAndRiseAway) {
  SignalEngine engine;
  StatEyeSettings settings;
  settings.rj = 3.0;
  settings.dj = 15.0;
  settings.noise = 0.01;
  const PeriodicEyeSignal signal = EngineEyeSignal(engine);
  const StatEye eye = ComputeStatEyeFigures(signal, settings);
  ASSERT_GT(eye.figures.eyeWidth, 0.0);
  ExpectBathtub(eye.horizontal, eye.figures.bestPhase, "horizontal");
  ExpectBathtub(eye.vertical, signal.midLevel, "vertical");
}

TEST(StatEyeSettings, RejectsNegativeNonFiniteAndImpossibleValues) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double spread : {-1e-9, -1.0, inf, -inf, nan}) EXPECT_FALSE(IsValidSpread(spread)) << spread;
  for (double spread : {0.0, 1e-3, 50.0}) EXPECT_TRUE(IsValidSpread(spread)) << spread;
  for (double ber : {0.0, -1e-12, 0.5, 1.0, inf, nan}) EXPECT_FALSE(IsValidTargetBer(ber)) << ber;
  for (double ber : {1e-300, 1e-12, 0.49}) EXPECT_TRUE(IsValidTargetBer(ber)) << ber;
}

}  // namespace
}  // namespace tovan
