#include "transfer/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "transfer/transfer_test_support.h"

namespace tovan {
namespace {

using testing_support::NextPowerOfTwo;

struct LongComplex {
  long double re = 0;
  long double im = 0;
};

// The direct sum in long double with exact-angle twiddles: the reference every fast
// result is judged against.
std::vector<LongComplex> DirectDft(const ComplexVector& x, int n, int sign) {
  const long double pi = 3.141592653589793238462643383279502884L;
  std::vector<LongComplex> result(n);
  for (int k = 0; k < n; ++k) {
    for (int j = 0; j < x.length() && j < n; ++j) {
      const long double angle = sign * 2 * pi * static_cast<long double>((static_cast<long long>(j) * k) % n) / n;
      result[k].re += x[j].re * std::cos(angle) - x[j].im * std::sin(angle);
      result[k].im += x[j].re * std::sin(angle) + x[j].im * std::cos(angle);
    }
  }
  return result;
}

long double RelativeRmsError(const ComplexVector& got, const std::vector<LongComplex>& want) {
  long double error = 0, norm = 0;
  for (std::size_t k = 0; k < want.size(); ++k) {
    const long double dr = got[k].re - want[k].re, di = got[k].im - want[k].im;
    error += dr * dr + di * di;
    norm += want[k].re * want[k].re + want[k].im * want[k].im;
  }
  return std::sqrt(error / norm);
}

// A deterministic irregular signal (no symmetry the transform could hide errors in).
ComplexVector TestSignal(int n) {
  ComplexVector x(n);
  for (int k = 0; k < n; ++k) x[k] = {std::sin(0.37 * k * k + 1.0), std::cos(1.3 * k) - 0.25};
  return x;
}

Vector RealTestSignal(int n) {
  Vector x(n);
  for (int k = 0; k < n; ++k) x[k] = std::sin(0.71 * k + 0.2) + 0.3 * std::cos(2.9 * k * k);
  return x;
}

// The half-angle recurrence loses digits in the sine of small angles, so the error of
// transform grows about as N^2 (measured 3e-13 at 1024, 3e-12 at 4096).
long double AccuracyBound(int n) {
  const long double scale = n / 1024.0L;
  return 1e-15L * (1 + std::log2(static_cast<long double>(n))) + 5e-13L * scale * scale;
}

class FftSizeTest : public testing::TestWithParam<int> {};

TEST_P(FftSizeTest, ForwardMatchesTheDirectSum) {
  const int len = GetParam();
  const ComplexVector x = TestSignal(len);
  const ComplexVector got = ForwardTransform(x);
  const int n = NextPowerOfTwo(len);
  ASSERT_EQ(got.length(), n);
  EXPECT_LT(RelativeRmsError(got, DirectDft(x, n, -1)), AccuracyBound(n));
}

TEST_P(FftSizeTest, RoundTripReturnsTheZeroExtendedInput) {
  const int len = GetParam();
  const int n = NextPowerOfTwo(len);
  const ComplexVector x = TestSignal(len);
  const ComplexVector back = InverseTransform(ForwardTransform(x));
  ASSERT_EQ(back.length(), n);
  std::vector<LongComplex> want(n);
  for (int k = 0; k < len; ++k) want[k] = {x[k].re, x[k].im};
  EXPECT_LT(RelativeRmsError(back, want), AccuracyBound(n));
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwoAndOthers, FftSizeTest,
                         testing::Values(1, 2, 3, 4, 5, 7, 8, 16, 31, 32, 64, 100, 128, 256, 512, 1000, 1024, 2048));

TEST(FftTest, RoundTripsOfLongTransforms) {
  for (int n : {4096, 8192, 32768}) {
    const ComplexVector x = TestSignal(n);
    const ComplexVector back = InverseTransform(ForwardTransform(x));
    ASSERT_EQ(back.length(), n);
    std::vector<LongComplex> want(n);
    for (int k = 0; k < n; ++k) want[k] = {x[k].re, x[k].im};
    EXPECT_LT(RelativeRmsError(back, want), AccuracyBound(n)) << n;
  }
}

TEST(FftTest, OnePointLeavesTheArraysUnchanged) {
  double re[1] = {3.5};
  double im[1] = {-1.25};
  Fft(1, 0, re, im);
  EXPECT_EQ(re[0], 3.5);
  EXPECT_EQ(im[0], -1.25);
}

TEST(FftTest, ForwardSignOfTheKernel) {
  struct Case {
    int one;
    Complex bins[4];
  };
  // The unit impulse at j has the bins e^(-2 pi i jk/4).
  const Case cases[] = {
      {0, {{1, 0}, {1, 0}, {1, 0}, {1, 0}}},
      {1, {{1, 0}, {0, -1}, {-1, 0}, {0, 1}}},
      {2, {{1, 0}, {-1, 0}, {1, 0}, {-1, 0}}},
  };
  for (const Case& c : cases) {
    ComplexVector x(4);
    x[c.one] = {1, 0};
    const ComplexVector got = ForwardTransform(x);
    ASSERT_EQ(got.length(), 4);
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(got[k].re, c.bins[k].re, 1e-15) << "impulse " << c.one << " bin " << k;
      EXPECT_NEAR(got[k].im, c.bins[k].im, 1e-15) << "impulse " << c.one << " bin " << k;
    }
  }
}

TEST(FftTest, DirectionOtherThanOneSelectsTheInverseSignWithoutScaling) {
  for (std::int16_t direction : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{7}}) {
    double re[4] = {0, 1, 0, 0};
    double im[4] = {0, 0, 0, 0};
    Fft(direction, 2, re, im);
    EXPECT_NEAR(im[1], 1.0, 1e-15) << direction;
    EXPECT_NEAR(re[2], -1.0, 1e-15) << direction;
    EXPECT_NEAR(im[3], -1.0, 1e-15) << direction;
  }
}

TEST(FftTest, EmptyInputsGiveEmptyResults) {
  EXPECT_EQ(ForwardTransform(ComplexVector()).length(), 0);
  EXPECT_EQ(InverseTransform(ComplexVector()).length(), 0);
  EXPECT_EQ(RealSpectrum(Vector()).length(), 0);
}

TEST(FftTest, InverseOfANonPowerOfTwoLengthDividesByTheExtendedLength) {
  // Three ones extended to four points: x_j = (1/4)(1 + e^(i pi j/2) + e^(i pi j)).
  const ComplexVector got = InverseTransform(ComplexVector(3, Complex{1, 0}));
  ASSERT_EQ(got.length(), 4);
  const Complex want[4] = {{0.75, 0}, {0, 0.25}, {0.25, 0}, {0, -0.25}};
  for (int j = 0; j < 4; ++j) {
    EXPECT_NEAR(got[j].re, want[j].re, 1e-16) << j;
    EXPECT_NEAR(got[j].im, want[j].im, 1e-16) << j;
  }
}

TEST(RealSpectrumTest, KeepsTheNonNegativeFrequencyBins) {
  struct Case {
    int length;
    int bins;
  };
  for (const Case c : {Case{1, 1}, Case{2, 2}, Case{3, 2}, Case{8, 5}, Case{9, 5}}) {
    const Vector x = RealTestSignal(c.length);
    const ComplexVector spectrum = RealSpectrum(x);
    ASSERT_EQ(spectrum.length(), c.bins) << c.length;
    const std::vector<LongComplex> want = DirectDft(FromReal(x), NextPowerOfTwo(c.length), -1);
    for (int k = 0; k < c.bins; ++k) {
      EXPECT_NEAR(spectrum[k].re, static_cast<double>(want[k].re), 1e-14) << c.length << " bin " << k;
      EXPECT_NEAR(spectrum[k].im, static_cast<double>(want[k].im), 1e-14) << c.length << " bin " << k;
    }
  }
}

TEST(RealSpectrumTest, IsTheLowerHalfOfTheComplexTransform) {
  for (int n : {100, 4096}) {
    const Vector x = RealTestSignal(n);
    const ComplexVector spectrum = RealSpectrum(x);
    const ComplexVector full = ForwardTransform(FromReal(x));
    ASSERT_EQ(spectrum.length(), n / 2 + 1);
    for (int k = 0; k < spectrum.length(); ++k) ASSERT_TRUE(spectrum[k] == full[k]) << n << " bin " << k;
  }
}

TEST(RealSignalTest, InvertsRealSpectrumForPowersOfTwo) {
  for (int n : {2, 4, 8, 64, 1024, 4096}) {
    const Vector x = RealTestSignal(n);
    const Vector back = RealSignal(RealSpectrum(x));
    ASSERT_EQ(back.length(), n);
    long double error = 0, norm = 0;
    for (int k = 0; k < n; ++k) {
      error += (back[k] - x[k]) * static_cast<long double>(back[k] - x[k]);
      norm += x[k] * static_cast<long double>(x[k]);
    }
    EXPECT_LT(std::sqrt(error / norm), AccuracyBound(n)) << n;
  }
}

TEST(RealSignalTest, TwoBinsGiveTwoSamples) {
  // Bins (a, b) of the two-point transform of (x0, x1) = ((a + b)/2, (a - b)/2).
  ComplexVector bins(2);
  bins[0] = {5, 0};
  bins[1] = {1, 0};
  const Vector x = RealSignal(bins);
  ASSERT_EQ(x.length(), 2);
  EXPECT_EQ(x[0], 3.0);
  EXPECT_EQ(x[1], 2.0);
}

TEST(RealSignalTest, AppendsConjugatesOfTheInnerBins) {
  // Bins of cos(2 pi j/4): H_1 = 2; the rebuilt spectrum needs conj(H_1) at bin 3.
  ComplexVector bins(3);
  bins[1] = {2, 0};
  const Vector x = RealSignal(bins);
  ASSERT_EQ(x.length(), 4);
  const double want[4] = {1, 0, -1, 0};
  for (int j = 0; j < 4; ++j) EXPECT_NEAR(x[j], want[j], 1e-16) << j;
}

TEST(RealSignalTest, FewerThanTwoBinsGiveNothing) {
  EXPECT_EQ(RealSignal(ComplexVector()).length(), 0);
  EXPECT_EQ(RealSignal(ComplexVector(1, Complex{4, 0})).length(), 0);
}

TEST(RealSignalTest, NonPowerOfTwoSpectrumKeepsItsLength) {
  // 4 bins make a 6-bin spectrum, transformed over 8 points; 6 samples come back.
  const Vector x = RealSignal(ComplexVector(4, Complex{1, 0}));
  ASSERT_EQ(x.length(), 6);
  const std::vector<LongComplex> want = DirectDft(ComplexVector(6, Complex{1, 0}), 8, +1);
  for (int j = 0; j < 6; ++j) EXPECT_NEAR(x[j], static_cast<double>(want[j].re / 8), 1e-16) << j;
}

}  // namespace
}  // namespace tovan
