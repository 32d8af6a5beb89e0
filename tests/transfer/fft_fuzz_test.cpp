#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "transfer/fft.h"
#include "transfer/transfer_test_support.h"

// The transforms at every power-of-two size from 1 to 2^16 and at their neighbours
// (zero-extended), with signals of ordinary, tiny and huge magnitude. Asserted:
// - the lengths of the four wrappers;
// - an impulse of height A at j0 transforms to A e^(-2 pi i j0 k / N) within 1e-8 A
//   (the exact value computed in long double);
// - Parseval: sum |X|^2 = N sum |x|^2 to relative 1e-10;
// - round trips (complex, and real for lengths >= 2) give the signal back to a
//   relative RMS error of 1e-14 (1 + log2 N) + 2e-18 N^2 (the half-angle twiddle
//   recurrence loses accuracy about as N^2: 3e-9 at 2^16);
// - scaling the signal by 2^-900 or by 2^(1000 - log2 N) scales every output by
//   exactly that power of two, so nothing overflows or underflows on the way;
// - signals of 1e-300 give finite results; signals near the largest double give no
//   crash (their sums may overflow to infinity).
namespace tovan {
namespace {

using testing_support::NextPowerOfTwo;

constexpr long double kExactPi = 3.141592653589793238462643383279502884L;

std::vector<int> Sizes() {
  std::vector<int> sizes;
  for (int n = 1; n <= 65536; n *= 2) {
    if (n > 2) sizes.push_back(n - 1);
    sizes.push_back(n);
    if (n >= 4 && n < 65536) sizes.push_back(n + 1);
  }
  return sizes;
}

ComplexVector RandomSignal(int n, std::uint32_t seed) {
  std::mt19937 engine(seed);
  ComplexVector x(n);
  for (int k = 0; k < n; ++k) x[k] = {engine() / 4294967296.0 - 0.5, engine() / 4294967296.0 - 0.5};
  return x;
}

long double RoundTripBound(int n) {
  return 1e-14L * (1.0L + std::log2(static_cast<long double>(n))) + 2e-18L * n * static_cast<long double>(n);
}

long double Energy(const ComplexVector& x) {
  long double sum = 0.0L;
  for (int k = 0; k < x.length(); ++k) sum += static_cast<long double>(x[k].re) * x[k].re + static_cast<long double>(x[k].im) * x[k].im;
  return sum;
}

// sqrt(sum |a - b|^2 / sum |b|^2) over b's length.
long double RelativeRms(const ComplexVector& a, const ComplexVector& b) {
  long double error = 0.0L;
  for (int k = 0; k < b.length(); ++k) {
    const long double dr = a[k].re - b[k].re, di = a[k].im - b[k].im;
    error += dr * dr + di * di;
  }
  return std::sqrt(error / Energy(b));
}

ComplexVector Scaled(const ComplexVector& x, double s) {
  ComplexVector y(x.length());
  for (int k = 0; k < x.length(); ++k) y[k] = {x[k].re * s, x[k].im * s};
  return y;
}

bool AllFinite(const ComplexVector& x) {
  for (int k = 0; k < x.length(); ++k)
    if (!std::isfinite(x[k].re) || !std::isfinite(x[k].im)) return false;
  return true;
}

class FftFuzzTest : public ::testing::TestWithParam<int> {};

TEST_P(FftFuzzTest, LengthsOfTheWrappers) {
  const int n = GetParam();
  const int extended = NextPowerOfTwo(n);
  const ComplexVector x = RandomSignal(n, 1u);
  EXPECT_EQ(ForwardTransform(x).length(), extended);
  EXPECT_EQ(InverseTransform(x).length(), extended);
  Vector real(n);
  for (int k = 0; k < n; ++k) real[k] = x[k].re;
  const ComplexVector half = RealSpectrum(real);
  EXPECT_EQ(half.length(), n / 2 + 1);
  EXPECT_EQ(RealSignal(half).length(), half.length() >= 2 ? 2 * half.length() - 2 : 0);
}

TEST_P(FftFuzzTest, ImpulseBecomesAnExactPhaseRamp) {
  const int n = GetParam();
  const int extended = NextPowerOfTwo(n);
  const int j0 = (n * 5) / 7;
  ComplexVector x(n);
  x[j0] = {3.0, 0.0};
  const ComplexVector spectrum = ForwardTransform(x);
  for (int k = 0; k < extended; ++k) {
    const long double angle = -2.0L * kExactPi * static_cast<long double>((static_cast<long long>(j0) * k) % extended) / extended;
    const long double dr = spectrum[k].re - 3.0L * std::cos(angle);
    const long double di = spectrum[k].im - 3.0L * std::sin(angle);
    ASSERT_LE(std::sqrt(dr * dr + di * di), 3e-8L) << "bin " << k;
  }
}

TEST_P(FftFuzzTest, ParsevalAndRoundTrips) {
  const int n = GetParam();
  const int extended = NextPowerOfTwo(n);
  const ComplexVector x = RandomSignal(n, 2u + n);
  const ComplexVector spectrum = ForwardTransform(x);
  const long double ratio = Energy(spectrum) / (extended * Energy(x));
  EXPECT_NEAR(static_cast<double>(ratio), 1.0, 1e-10);
  EXPECT_LE(RelativeRms(InverseTransform(spectrum), x), RoundTripBound(extended));
  if (n != extended || n < 2) return;
  Vector real(n);
  for (int k = 0; k < n; ++k) real[k] = x[k].re;
  const Vector back = RealSignal(RealSpectrum(real));
  long double error = 0.0L, norm = 0.0L;
  for (int k = 0; k < n; ++k) {
    error += (back[k] - real[k]) * static_cast<long double>(back[k] - real[k]);
    norm += static_cast<long double>(real[k]) * real[k];
  }
  EXPECT_LE(std::sqrt(error / norm), RoundTripBound(n));
}

TEST_P(FftFuzzTest, PowerOfTwoScalingPassesThroughExactly) {
  const int n = GetParam();
  const ComplexVector x = RandomSignal(n, 3u + n);
  const ComplexVector spectrum = ForwardTransform(x);
  const ComplexVector signal = InverseTransform(spectrum);
  const int bits = static_cast<int>(std::log2(NextPowerOfTwo(n)));
  for (const double scale : {std::ldexp(1.0, -900), std::ldexp(1.0, 1000 - bits)}) {
    SCOPED_TRACE("scale 2^" + std::to_string(std::ilogb(scale)));
    const ComplexVector scaledSpectrum = ForwardTransform(Scaled(x, scale));
    const ComplexVector scaledSignal = InverseTransform(scaledSpectrum);
    for (int k = 0; k < spectrum.length(); ++k) {
      ASSERT_EQ(scaledSpectrum[k].re, spectrum[k].re * scale) << k;
      ASSERT_EQ(scaledSpectrum[k].im, spectrum[k].im * scale) << k;
      ASSERT_EQ(scaledSignal[k].re, signal[k].re * scale) << k;
      ASSERT_EQ(scaledSignal[k].im, signal[k].im * scale) << k;
    }
  }
}

TEST_P(FftFuzzTest, TinyAndHugeSignals) {
  const int n = GetParam();
  const ComplexVector x = RandomSignal(n, 4u + n);
  EXPECT_TRUE(AllFinite(ForwardTransform(Scaled(x, 1e-300))));
  EXPECT_TRUE(AllFinite(InverseTransform(Scaled(x, 1e-300))));
  const ComplexVector huge = Scaled(x, 1.7e308);
  EXPECT_EQ(ForwardTransform(huge).length(), NextPowerOfTwo(n));
  EXPECT_EQ(InverseTransform(huge).length(), NextPowerOfTwo(n));
}

INSTANTIATE_TEST_SUITE_P(OneTo65536, FftFuzzTest, ::testing::ValuesIn(Sizes()),
                         [](const auto& info) { return "n" + std::to_string(info.param); });

}  // namespace
}  // namespace tovan
