#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "engine/signal_engine.h"

namespace tovan {
namespace {

using LongComplex = std::complex<long double>;
constexpr long double kTruePi = 3.141592653589793238462643383279502884L;

TEST(InputPatternTest, DefaultsGiveTheDocumentedSizes) {
  SignalEngine engine;
  EXPECT_EQ(engine.Sequence().length(), 128);
  EXPECT_EQ(engine.Waveform().length(), 4096);
  EXPECT_EQ(engine.WaveformSpectrum().length(), 2049);
  const Vector& f = engine.FrequencyAxis();
  ASSERT_EQ(f.length(), 2049);
  EXPECT_DOUBLE_EQ(f[1], 50.0 / 2049.0);
  EXPECT_DOUBLE_EQ(f[2048], 2048 * 50.0 / 2049.0);
  EXPECT_EQ(engine.InputTraces().rows(), 32);
  EXPECT_EQ(engine.InputTraces().cols(), 128);
  EXPECT_EQ(engine.InputSignal().length(), 4096);
}

TEST(InputPatternTest, RiseResponseIsOneAtDc) {
  SignalEngine engine;
  const Complex dc = engine.RiseResponse()[0];
  EXPECT_NEAR(dc.re, 1.0, 1e-15);
  EXPECT_EQ(dc.im, 0.0);
}

// NRZ samples of the engine's own bit sequence, through the one-pole risetime filter
// with its bit-rate phase delay removed, computed here with a direct DFT in long
// double: an independent path to the same input traces.
std::vector<long double> ShapedInputByDirectDft(const IntVector& bits, int spb, double bitrate,
                                                double risetime) {
  const int n = bits.length() * spb;
  std::vector<long double> x(n);
  for (int i = 0; i < n; ++i) x[i] = bits[i / spb] ? 0.6L : -0.6L;
  std::vector<LongComplex> twiddle(n);
  for (int m = 0; m < n; ++m) twiddle[m] = std::polar(1.0L, -2.0L * kTruePi * m / n);

  const long double tau = risetime / std::log(9.0L);
  const auto filter = [tau](LongComplex s) { return (1.0L / tau) / (s + 1.0L / tau); };
  const LongComplex atBitrate = filter({0.0L, 2.0L * kTruePi * bitrate});
  const long double delay = -std::arg(atBitrate) / (2.0L * kTruePi) / bitrate;
  const long double fs = spb * (long double)bitrate;
  const int bins = n / 2 + 1;
  std::vector<LongComplex> spectrum(bins);
  for (int k = 0; k < bins; ++k) {
    LongComplex sum = 0.0L;
    for (int j = 0; j < n; ++j) sum += x[j] * twiddle[(static_cast<long long>(j) * k) % n];
    // The engine's grid spacing is fs/2 over the number of bins.
    const LongComplex s{0.0L, 2.0L * kTruePi * k * (fs * 0.5L / bins)};
    spectrum[k] = sum * filter(s) * std::exp(s * delay);
  }
  std::vector<long double> y(n);
  for (int t = 0; t < n; ++t) {
    long double acc = spectrum[0].real() + spectrum[bins - 1].real() * ((t % 2) ? -1.0L : 1.0L);
    for (int k = 1; k < bins - 1; ++k)
      acc += 2.0L * (spectrum[k] * std::conj(twiddle[(static_cast<long long>(k) * t) % n])).real();
    y[t] = acc / n;
  }
  return y;
}

TEST(InputPatternTest, TracesMatchADirectComputation) {
  SignalEngine engine;
  engine.samplesPerBit.Write(16);
  engine.risetime.Write(0.08);
  const Matrix& traces = engine.InputTraces();
  const std::vector<long double> expected =
      ShapedInputByDirectDft(engine.Sequence(), 16, 3.125, 0.08);
  ASSERT_EQ(traces.rows(), 16);
  ASSERT_EQ(traces.cols(), 128);
  for (int j = 0; j < 128; ++j)
    for (int r = 0; r < 16; ++r)
      ASSERT_NEAR(traces[r][j], static_cast<double>(expected[j * 16 + r]), 1e-9)
          << "cell " << j << " row " << r;
}

TEST(InputPatternTest, ThreeCellTracesHoldTheNeighbouringCells) {
  SignalEngine engine;
  const Vector signal = engine.InputSignal();
  engine.show3BitCells.Write(true);
  const Matrix& traces = engine.InputTraces();
  const int spb = 32, length = signal.length();
  ASSERT_EQ(traces.rows(), 3 * spb);
  ASSERT_EQ(traces.cols(), 128);
  for (int j : {0, 1, 64, 127})
    for (int r = 0; r < 3 * spb; ++r)
      EXPECT_EQ(traces[r][j], signal[((j - 1) * spb + r + length) % length]);
  EXPECT_EQ(engine.OutputTraces().rows(), 3 * spb);
}

}  // namespace
}  // namespace tovan
