#include "measure/measure_eye.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

using testing::Bits;
using testing::OneCellTable;
using testing::RampPattern;
using testing::RampSignal;
using testing::ThreeCellTable;

// 32 samples per bit at 3.125 Gbps: a sample is 10 ps, a cell 320 ps.
const EyeFrame kFrame{0.6, -0.6, 32, 3.125, false};
const std::string kPattern = "00001110110010100111000010111101";

EyeMetrics MeasureOneCell(const Vector& signal, const std::string& bits, EyeFrame frame) {
  frame.threeCells = false;
  return MeasureEye(OneCellTable(signal, frame.samplesPerBit), Bits(bits), frame);
}

void ExpectIdealTiming(const EyeMetrics& m) {
  EXPECT_NEAR(m.jitterPp, 0.0, 1e-9);
  EXPECT_NEAR(m.jitterRms, 0.0, 1e-9);
  EXPECT_NEAR(m.eyeWidth, 320.0, 1e-9);
  EXPECT_NEAR(m.eyeWidthUi, 1.0, 1e-12);
}

void ExpectEdges(const EyeMetrics& m, double time1090, double time2080) {
  for (double t : {m.rise1090, m.fall1090, m.averageRise1090, m.averageFall1090})
    EXPECT_NEAR(t, time1090, 1e-9);
  for (double t : {m.rise2080, m.fall2080, m.averageRise2080, m.averageFall2080})
    EXPECT_NEAR(t, time2080, 1e-9);
}

TEST(MeasureEyeIdealPattern, OpenEyeOfFullSwingAndOneSampleEdges) {
  const EyeMetrics m = MeasureOneCell(RampSignal({kPattern, 32}), kPattern, kFrame);
  EXPECT_DOUBLE_EQ(m.eyeHeight, 1.2);
  EXPECT_DOUBLE_EQ(m.eyeHeightBest, 1.2);
  EXPECT_DOUBLE_EQ(m.bestPhase, 0.5);  // every phase ties; the centre wins
  ExpectIdealTiming(m);
  // A step between two samples, read by linear interpolation, takes 0.8 (0.6) of one
  // sample to go from 10 % to 90 % (20 % to 80 %).
  ExpectEdges(m, 8.0, 6.0);
  EXPECT_EQ(m.overshoot, 0.0);
  EXPECT_EQ(m.undershoot, 0.0);
}

TEST(MeasureEyeIdealPattern, InvertedBitsGiveAClosedEye) {
  std::string inverted = kPattern;
  for (char& c : inverted) c = c == '1' ? '0' : '1';
  const EyeMetrics m = MeasureOneCell(RampSignal({kPattern, 32}), inverted, kFrame);
  EXPECT_DOUBLE_EQ(m.eyeHeight, -1.2);
  EXPECT_DOUBLE_EQ(m.eyeHeightBest, -1.2);
  EXPECT_EQ(m.eyeWidth, 0.0);
  EXPECT_EQ(m.eyeWidthUi, 0.0);
  EXPECT_NEAR(m.jitterPp, 0.0, 1e-9);
}

TEST(MeasureEyeIdealPattern, WholeCellsOfDelayAreLinedUp) {
  // The signal of the pattern rotated by three cells, measured against the pattern.
  const std::string late = kPattern.substr(kPattern.size() - 3) + kPattern.substr(0, kPattern.size() - 3);
  const EyeMetrics m = MeasureOneCell(RampSignal({late, 32}), kPattern, kFrame);
  EXPECT_DOUBLE_EQ(m.eyeHeight, 1.2);
  EXPECT_DOUBLE_EQ(m.bestPhase, 0.5);
  ExpectIdealTiming(m);
  ExpectEdges(m, 8.0, 6.0);
}

TEST(MeasureEyeLinearRamp, EdgeTimesAreFractionsOfTheRamp) {
  // A 9-sample ramp centred half a sample before the cell starts and stops on samples,
  // so linear interpolation follows it exactly: 10-90 is 0.8 of it, 20-80 is 0.6.
  const EyeMetrics m = MeasureOneCell(RampSignal({kPattern, 32, 9.0}), kPattern, kFrame);
  ExpectEdges(m, 0.8 * 9.0 * 10.0, 0.6 * 9.0 * 10.0);
  ExpectIdealTiming(m);
  EXPECT_DOUBLE_EQ(m.eyeHeight, 1.2);
  EXPECT_EQ(m.overshoot, 0.0);
}

TEST(MeasureEyeSinusoidalJitter, PeakToPeakAndRmsFollowTheAmplitude) {
  // Alternating bits, every edge moved by amplitude * sin(2 pi k / 64): over a whole
  // number of periods the mean of sin^2 is exactly 1/2, and k = 16, 48 hit the peaks.
  const int bits = 64;
  const double amplitude = 3.0;
  RampPattern pattern{"", 64, 8.0};
  for (int k = 0; k < bits; ++k) {
    pattern.bits += k % 2 == 0 ? '0' : '1';
    pattern.shift.push_back(amplitude * std::sin(2.0 * std::numbers::pi * k / bits));
  }
  EyeFrame frame = kFrame;
  frame.samplesPerBit = 64;  // 5 ps per sample
  const EyeMetrics m = MeasureOneCell(RampSignal(pattern), pattern.bits, frame);
  EXPECT_NEAR(m.jitterPp, 2.0 * amplitude * 5.0, 1e-9);
  EXPECT_NEAR(m.jitterRms, amplitude / std::sqrt(2.0) * 5.0, 1e-9);
  EXPECT_NEAR(m.eyeWidth, (64.0 - 2.0 * amplitude) * 5.0, 1e-9);
  EXPECT_NEAR(m.eyeWidthUi, (64.0 - 2.0 * amplitude) / 64.0, 1e-12);
  EXPECT_DOUBLE_EQ(m.eyeHeight, 1.2);
}

TEST(MeasureEyeOnePole, IsolatedEdgeIsTheStepResponse) {
  // Runs of eight bits at 32 samples per bit settle a 10-sample time constant to
  // e^-25.6: every figure is that of a single exponential step.
  const double tau = 10.0;
  const std::string bits = "0000000011111111";
  const EyeMetrics m = MeasureOneCell(testing::OnePoleSignal(bits, 32, tau), bits, kFrame);
  const double interpolation = 0.5;  // ps: chords of an exponential sampled at tau / 10
  EXPECT_NEAR(m.rise1090, tau * std::log(9.0) * 10.0, interpolation);
  EXPECT_NEAR(m.fall1090, tau * std::log(9.0) * 10.0, interpolation);
  EXPECT_NEAR(m.rise2080, tau * std::log(4.0) * 10.0, interpolation);
  EXPECT_NEAR(m.fall2080, tau * std::log(4.0) * 10.0, interpolation);
  // Row r of the first cell after a step lies r + 0.5 samples after it.
  EXPECT_NEAR(m.eyeHeight, 1.2 - 2.4 * std::exp(-16.5 / tau), 1e-9);
  EXPECT_NEAR(m.eyeHeightBest, 1.2 - 2.4 * std::exp(-31.5 / tau), 1e-9);
  EXPECT_DOUBLE_EQ(m.bestPhase, 31.0 / 32.0);
  ExpectIdealTiming(m);
  EXPECT_EQ(m.overshoot, 0.0);
}

TEST(MeasureEyeExcursion, KnownBumpsAreShareOfTheSwing) {
  Vector signal = RampSignal({kPattern, 32});
  signal[4 * 32 + 16] = 0.6 + 0.06;    // middle of bit 4, a one
  signal[1 * 32 + 10] = -0.6 - 0.03;   // inside bit 1, a zero
  const EyeMetrics m = MeasureOneCell(signal, kPattern, kFrame);
  EXPECT_NEAR(m.overshoot, 0.06 / 1.2 * 100.0, 1e-9);
  EXPECT_NEAR(m.undershoot, 0.03 / 1.2 * 100.0, 1e-9);
  EXPECT_DOUBLE_EQ(m.eyeHeight, 1.2);  // bumps beyond the levels do not close the eye
}

TEST(MeasureEyeDegenerate, ConstantSignalHasNoCrossingsOrEdges) {
  const Vector flat(static_cast<int>(kPattern.size()) * 32, 0.6);
  const EyeMetrics m = MeasureOneCell(flat, kPattern, kFrame);
  EXPECT_EQ(m.eyeHeight, 0.0);
  for (double v : {m.jitterPp, m.jitterRms, m.eyeWidth, m.eyeWidthUi, m.rise1090, m.fall2080,
                   m.averageRise1090, m.averageFall2080})
    EXPECT_TRUE(std::isnan(v));
  EXPECT_EQ(m.overshoot, 0.0);
  EXPECT_EQ(m.undershoot, 0.0);
}

bool SameFigure(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void ExpectAllNaN(const EyeMetrics& m) {
  for (const EyeMetricField& field : kEyeMetricFields)
    EXPECT_TRUE(std::isnan(m.*field.member)) << field.key;
}

struct LayoutCase {
  const char* name;
  Vector signal;  // of kPattern
};

class MeasureEyeLayout : public ::testing::TestWithParam<int> {};

std::vector<LayoutCase> LayoutCases() {
  RampPattern shifted{kPattern, 32, 6.0};
  for (std::size_t k = 0; k < kPattern.size(); ++k) shifted.shift.push_back(k % 3 == 0 ? 2.25 : -1.5);
  return {{"ideal", RampSignal({kPattern, 32})},
          {"ramp", RampSignal({kPattern, 32, 9.0})},
          {"shifted", RampSignal(shifted)},
          {"one-pole", testing::OnePoleSignal(kPattern, 32, 7.0)}};
}

TEST_P(MeasureEyeLayout, OneAndThreeCellTablesAgree) {
  const LayoutCase c = LayoutCases()[GetParam()];
  EyeFrame three = kFrame;
  three.threeCells = true;
  const EyeMetrics one = MeasureEye(OneCellTable(c.signal, 32), Bits(kPattern), kFrame);
  const EyeMetrics stacked = MeasureEye(ThreeCellTable(c.signal, 32), Bits(kPattern), three);
  for (const EyeMetricField& field : kEyeMetricFields)
    EXPECT_TRUE(SameFigure(one.*field.member, stacked.*field.member))
        << c.name << " " << field.key << ": " << one.*field.member << " vs " << stacked.*field.member;
  EXPECT_FALSE(std::isnan(one.jitterRms)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Signals, MeasureEyeLayout, ::testing::Range(0, 4));

TEST(MeasureEyeBadInput, EveryFigureIsNaN) {
  const Matrix table = OneCellTable(RampSignal({kPattern, 32}), 32);
  const IntVector bits = Bits(kPattern);
  Matrix ragged = table;
  ragged[3].Resize(5);
  Matrix withNaN = table;
  withNaN[7][2] = std::nan("");
  EyeFrame three = kFrame, noSamples = kFrame, swapped = kFrame;
  three.threeCells = true;
  noSamples.samplesPerBit = 0;
  swapped.highLevel = -0.6;
  swapped.lowLevel = 0.6;
  ExpectAllNaN(MeasureEye(table, Bits(kPattern + "0"), kFrame));  // one bit too many
  ExpectAllNaN(MeasureEye(table, bits, three));                   // rows for one cell only
  ExpectAllNaN(MeasureEye(ragged, bits, kFrame));
  ExpectAllNaN(MeasureEye(withNaN, bits, kFrame));
  ExpectAllNaN(MeasureEye(table, bits, noSamples));
  ExpectAllNaN(MeasureEye(table, bits, swapped));
  ExpectAllNaN(MeasureEye(Matrix(), IntVector(), kFrame));
}

}  // namespace
}  // namespace tovan
