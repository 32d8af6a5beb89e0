#include "transfer/fft.h"

#include <climits>
#include <cmath>
#include <stdexcept>

#include "numeric/flat_array.h"
#include "transfer/power_by_squaring.h"

namespace tovan {
namespace {

void BitReverse(int n, double re[], double im[]) {
  int j = 0;
  for (int i = 0; i < n - 1; ++i) {
    if (i < j) {
      const double tr = re[i];
      re[i] = re[j];
      re[j] = tr;
      const double ti = im[i];
      im[i] = im[j];
      im[j] = ti;
    }
    int k = n / 2;
    while (k <= j) {
      j -= k;
      k /= 2;
    }
    j += k;
  }
}

// The butterflies of one block: element j of the lower half with element j of the
// upper half, turned by twiddle j.
void Butterflies(int half, const double* __restrict twiddleRe, const double* __restrict twiddleIm,
                 double* __restrict re, double* __restrict im) {
  double* __restrict upperRe = re + half;
  double* __restrict upperIm = im + half;
  for (int j = 0; j < half; ++j) {
    const double u1 = twiddleRe[j];
    const double u2 = twiddleIm[j];
    const double t1 = u1 * upperRe[j] - u2 * upperIm[j];
    const double t2 = u1 * upperIm[j] + u2 * upperRe[j];
    upperRe[j] = re[j] - t1;
    upperIm[j] = im[j] - t2;
    re[j] += t1;
    im[j] += t2;
  }
}

struct TransformSize {
  int exponent = 0;
  int length = 0;
};

// Zero for an empty input; otherwise the power of two described in the header.
TransformSize SizeFor(int length) {
  if (length <= 0) return {};
  const int exponent = static_cast<int>(std::ceil(std::log(static_cast<double>(length)) / std::log(2.0)));
  const std::int64_t n = IntegerPowerBySquaring(2, exponent);
  if (n > INT_MAX) throw std::length_error("transform length out of range");
  return {exponent, static_cast<int>(n)};
}

ComplexVector Transform(const ComplexVector& x, std::int16_t direction, TransformSize size) {
  RealArray re(size.length);
  RealArray im(size.length);
  const int copied = x.length() < size.length ? x.length() : size.length;
  for (int k = 0; k < copied; ++k) {
    re[k] = x[k].re;
    im[k] = x[k].im;
  }
  Fft(direction, size.exponent, re.data(), im.data());
  ComplexVector result(size.length);
  for (int k = 0; k < size.length; ++k) result[k] = {re[k], im[k]};
  return result;
}

}  // namespace

void Fft(std::int16_t direction, int m, double re[], double im[]) {
  if (m < 0 || m > 30) return;
  int n = 1;
  for (int s = 0; s < m; ++s) n = n * 2;
  BitReverse(n, re, im);
  // One stage's twiddles at a time, each the previous one times the stage's step.
  RealArray twiddleRe(n / 2);
  RealArray twiddleIm(n / 2);
  double wr = -1.0;
  double wi = 0.0;
  for (int half = 1; half < n; half *= 2) {
    double u1 = 1.0;
    double u2 = 0.0;
    for (int j = 0; j < half; ++j) {
      twiddleRe[j] = u1;
      twiddleIm[j] = u2;
      const double z = u1 * wr - u2 * wi;
      u2 = u1 * wi + u2 * wr;
      u1 = z;
    }
    // Every butterfly of a stage touches its own pair, so the stage can run block by
    // block through memory; each butterfly's arithmetic is unchanged.
    for (int block = 0; block < n; block += 2 * half)
      Butterflies(half, twiddleRe.data(), twiddleIm.data(), re + block, im + block);
    // Half-angle recurrence for the next stage's twiddle step: the roundings of every
    // bin depend on it, so no table of sines replaces it.
    wi = std::sqrt((1.0 - wr) / 2.0);
    if (direction == 1) wi = -wi;
    wr = std::sqrt((1.0 + wr) / 2.0);
  }
}

ComplexVector ForwardTransform(const ComplexVector& x) {
  return Transform(x, 1, SizeFor(x.length()));
}

ComplexVector InverseTransform(const ComplexVector& spectrum) {
  const TransformSize size = SizeFor(spectrum.length());
  ComplexVector result = Transform(spectrum, 0, size);
  const Complex divisor{static_cast<double>(size.length), 0.0};
  for (int k = 0; k < result.length(); ++k) result[k] = result[k] / divisor;
  return result;
}

ComplexVector RealSpectrum(const Vector& x) {
  const ComplexVector full = ForwardTransform(FromReal(x));
  const int wanted = x.length() / 2 + 1;
  const int bins = wanted < full.length() ? wanted : full.length();
  ComplexVector result(bins);
  for (int k = 0; k < bins; ++k) result[k] = full[k];
  return result;
}

Vector RealSignal(const ComplexVector& bins) {
  const int b = bins.length();
  if (b < 2) return Vector();
  const int n = 2 * b - 2;
  ComplexVector full(n);
  for (int k = 0; k < b; ++k) full[k] = bins[k];
  for (int k = b; k < n; ++k) full[k] = Conjugate(bins[n - k]);
  const ComplexVector signal = InverseTransform(full);
  Vector result(n);
  for (int k = 0; k < n; ++k) result[k] = signal[k].re;
  return result;
}

Vector RealParts(const ComplexVector& z) {
  Vector result(z.length());
  for (int k = 0; k < z.length(); ++k) result[k] = z[k].re;
  return result;
}

}  // namespace tovan
