#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"

namespace tovan {
namespace {

constexpr double kTruePi = 3.141592653589793;

// Magnitude in dB of the 4th-order Bessel low-pass whose -3 dB point is at fc, and of
// the order-n Butterworth whose -0.1 dB point is at the same frequency, both from
// their textbook formulas (the Bessel corner found here by Newton's method on
// |D(jw)|^2, not by the program's bisection).
double BesselDb(double f, double fc) {
  const auto power = [](double w) {
    const std::complex<double> s(0.0, w);
    const std::complex<double> d = 105.0 + s * (105.0 + s * (45.0 + s * (10.0 + s)));
    return std::norm(105.0 / d);
  };
  double w = 2.0;
  for (int i = 0; i < 60; ++i) {
    const double h = 1e-6;
    const double g = 10 * std::log10(power(w)) + 3.0;
    const double dg = (10 * std::log10(power(w + h)) - 10 * std::log10(power(w - h))) / (2 * h);
    w -= g / dg;
  }
  return 10 * std::log10(power(w * f / fc));
}

double ButterworthDb(double f, double bandwidth, int order) {
  const double unitTenthDb = std::pow(std::pow(10.0, 0.01) - 1.0, 1.0 / (2 * order));
  const double corner = bandwidth / unitTenthDb;
  return -10 * std::log10(1.0 + std::pow(f / corner, 2 * order));
}

TEST(ScopeResponseTest, MagnitudeFollowsTheTwoPrototypes) {
  SignalEngine engine;
  engine.rolloff.Write(300.0);
  engine.bandwidth.Write(6.0);
  const SampleTable& magnitude = engine.ScopeMagnitudeTrace();
  EXPECT_NEAR(magnitude.ordinates[0], 0.0, 1e-12);
  for (int k = 1; k < magnitude.abscissae.length(); k += 97) {
    const double f = magnitude.abscissae[k];
    if (f > 12.0) break;
    const double expected = BesselDb(f, 6.0) + ButterworthDb(f, 6.0, 15);
    // The corners are found to 1e-5 GHz, so the error grows with the steepness.
    EXPECT_NEAR(magnitude.ordinates[k], expected, 2e-3 + 1e-4 * std::fabs(expected))
        << "at " << f << " GHz";
  }
  EXPECT_NEAR(engine.ScopeFilter().MagnitudeDb(6.0), -3.1, 2e-3);
}

TEST(ScopeResponseTest, LowRolloffLeavesTheBesselAlone) {
  SignalEngine engine;
  engine.rolloff.Write(0.0);
  engine.bandwidth.Write(4.0);
  EXPECT_NEAR(engine.ScopeFilter().MagnitudeDb(4.0), -3.0, 1e-3);
  EXPECT_EQ(engine.ScopeFilter().DenominatorCoefficients().length(), 5);
}

TEST(ScopeResponseTest, NonAdjacentConjugatesStillExpandToTheRightFilter) {
  // Rolloff 220 at 8.5 GHz ties Butterworth poles in magnitude; a naive expansion
  // pairs one quadratic twice and puts -6.4 dB at the bandwidth.
  SignalEngine engine;
  engine.rolloff.Write(220.0);
  engine.bandwidth.Write(8.5);
  EXPECT_NEAR(engine.ScopeFilter().MagnitudeDb(8.5), -3.1, 2e-3);
}

TEST(GroupDelayTest, ZeroDelayIsExactlyOne) {
  SignalEngine engine;
  engine.groupDelay.Write(0.05);
  engine.GroupDelayResponse();
  engine.groupDelay.Write(0.0);
  const ComplexVector& response = engine.GroupDelayResponse();
  for (int k = 0; k < response.length(); ++k) ASSERT_EQ(response[k], (Complex{1.0, 0.0}));
}

TEST(GroupDelayTest, CurvePassesThroughItsTwoPoints) {
  SignalEngine engine;
  engine.groupDelay.Write(0.1);
  engine.bandwidth.Write(6.0);
  const FitDiagnostics& fit = engine.Diagnostics();
  EXPECT_NEAR(fit.powerLawExponent, std::log2(3.0), 1e-12);
  EXPECT_NEAR(fit.powerLawAmplitude * std::pow(6.0, fit.powerLawExponent), 0.1, 1e-14);
  EXPECT_NEAR(fit.powerLawAmplitude * std::pow(3.0, fit.powerLawExponent), 0.1 / 3, 1e-14);
  const Vector& f = engine.FrequencyAxis();
  const Vector& curve = engine.GroupDelayCurve();
  for (int k : {1, 100, 245, 246, 2000})
    EXPECT_NEAR(curve[k], 0.1 * std::pow(f[k] / 6.0, std::log2(3.0)), 1e-12);
}

TEST(GroupDelayTest, PhaseIsMinusTwoPiTimesTheIntegratedDelay) {
  SignalEngine engine;
  engine.groupDelay.Write(-0.2);
  const Vector& f = engine.FrequencyAxis();
  const ComplexVector& response = engine.GroupDelayResponse();
  const double p = std::log2(3.0);
  const double a = -0.2 / std::pow(6.0, p);
  for (int k : {10, 50, 120}) {
    const double exact = -2 * kTruePi * a * std::pow(f[k], p + 1) / (p + 1);
    EXPECT_NEAR(std::atan2(response[k].im, response[k].re), exact, 1e-4);
    EXPECT_NEAR(Magnitude(response[k]), 1.0, 1e-15);
  }
}

TEST(FlatnessTest, FlatLevelsGiveAFlatCorrection) {
  SignalEngine engine;
  const ComplexVector& response = engine.FlatnessResponse();
  EXPECT_EQ(response[0].im, 0.0);
  EXPECT_NEAR(response[0].re, 1.0, 1e-15);
  const Vector& f = engine.FrequencyAxis();
  for (int k = 0; k < response.length() && f[k] <= 10.0; ++k)
    ASSERT_NEAR(Magnitude(response[k]), 1.0, 0.05) << f[k] << " GHz";
}

TEST(FlatnessTest, APresetsLevelsShowInTheMagnitude) {
  SignalEngine engine;
  ApplyScopePreset(engine, 5);
  const SampleTable& magnitude = engine.ScopeMagnitudeTrace();
  SignalEngine flat;
  flat.bandwidth.Write(4.1);
  flat.rolloff.Write(140.0);
  const SampleTable& reference = flat.ScopeMagnitudeTrace();
  // Preset 5 asks for +3 dB at 4 GHz: the correction adds about that much there.
  const int k = static_cast<int>(4.0 / magnitude.abscissae[1] + 0.5);
  EXPECT_NEAR(magnitude.ordinates[k] - reference.ordinates[k], 3.0, 0.5);
}

TEST(OutputTest, SpectraPeakAtExactlyZeroDb) {
  for (int preset = 0; preset < kPresetCount; ++preset) {
    SignalEngine engine;
    ApplyScopePreset(engine, preset);
    for (const SampleTable* trace : {&engine.InputSpectrumTrace(), &engine.OutputSpectrumTrace()}) {
      double best = trace->ordinates[0];
      for (int k = 0; k < trace->ordinates.length(); ++k) best = std::max(best, trace->ordinates[k]);
      EXPECT_EQ(best, 0.0) << "preset " << preset;
    }
  }
}

TEST(OutputTest, PhaseStartsAtZeroAndItsSecondPointEqualsTheFirst) {
  SignalEngine engine;
  const SampleTable& phase = engine.ScopePhaseTrace();
  EXPECT_EQ(phase.ordinates[0], 0.0);
  EXPECT_NEAR(phase.ordinates[1], phase.ordinates[0], 1e-9);
  for (int k = 0; k < phase.ordinates.length(); ++k) {
    ASSERT_GT(phase.ordinates[k], -180.0);
    ASSERT_LE(phase.ordinates[k], 180.0);
  }
}

TEST(OutputTest, WithoutNoiseTheOutputIsTheFilteredInput) {
  SignalEngine engine;
  const Vector& output = engine.OutputSignal();
  const Matrix& traces = engine.OutputTraces();
  for (int j = 0; j < 128; ++j)
    for (int r = 0; r < 32; ++r) ASSERT_EQ(traces[r][j], output[j * 32 + r]);
}

}  // namespace
}  // namespace tovan
