#include "transfer/fft.h"

#include <array>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "transfer/power_by_squaring.h"

namespace tovan {
namespace {

// Where the points of a transform live: two separate arrays of parts, or the parts of
// complex values, so that a transform can run in place in a ComplexVector.
struct SplitParts {
  double* re;
  double* im;
  double& Re(int k) const { return re[k]; }
  double& Im(int k) const { return im[k]; }
};

struct ComplexParts {
  Complex* z;
  double& Re(int k) const { return z[k].re; }
  double& Im(int k) const { return z[k].im; }
};

template <class Parts>
void BitReverse(int n, Parts p) {
  int j = 0;
  for (int i = 0; i < n - 1; ++i) {
    if (i < j) {
      const double tr = p.Re(i);
      p.Re(i) = p.Re(j);
      p.Re(j) = tr;
      const double ti = p.Im(i);
      p.Im(i) = p.Im(j);
      p.Im(j) = ti;
    }
    int k = n / 2;
    while (k <= j) {
      j -= k;
      k /= 2;
    }
    j += k;
  }
}

// Point i with point i1 = i + half, turned by the twiddle (u1, u2).
template <class Parts>
void Butterfly(Parts p, int i, int i1, double u1, double u2) {
  const double t1 = u1 * p.Re(i1) - u2 * p.Im(i1);
  const double t2 = u1 * p.Im(i1) + u2 * p.Re(i1);
  p.Re(i1) = p.Re(i) - t1;
  p.Im(i1) = p.Im(i) - t2;
  p.Re(i) += t1;
  p.Im(i) += t2;
}

// A stage's twiddles are tabulated this many at a time, on the stack.
constexpr int kTwiddleRun = 512;

// One stage of half-length `half`, whose twiddles are the powers of (wr, wi), each the
// previous one times the step. The twiddles come in runs; each run is applied to every
// block before the recurrence goes on, so memory is read block by block. Every
// butterfly touches its own pair with its own twiddle, so the order changes no bit.
template <class Parts>
void Stage(int n, int half, double wr, double wi, Parts p) {
  std::array<double, kTwiddleRun> tr;
  std::array<double, kTwiddleRun> ti;
  double u1 = 1.0;
  double u2 = 0.0;
  for (int first = 0; first < half; first += kTwiddleRun) {
    const int count = half - first < kTwiddleRun ? half - first : kTwiddleRun;
    for (int j = 0; j < count; ++j) {
      tr[j] = u1;
      ti[j] = u2;
      const double z = u1 * wr - u2 * wi;
      u2 = u1 * wi + u2 * wr;
      u1 = z;
    }
    for (int block = first; block < n; block += 2 * half)
      for (int j = 0; j < count; ++j) Butterfly(p, block + j, block + j + half, tr[j], ti[j]);
  }
}

template <class Parts>
void Radix2(std::int16_t direction, int m, Parts p) {
  if (m < 0 || m > 30) return;
  int n = 1;
  for (int s = 0; s < m; ++s) n = n * 2;
  BitReverse(n, p);
  double wr = -1.0;
  double wi = 0.0;
  for (int half = 1; half < n; half *= 2) {
    Stage(n, half, wr, wi, p);
    // Half-angle recurrence for the next stage's twiddle step: the roundings of every
    // bin depend on it, so no table of sines replaces it.
    wi = std::sqrt((1.0 - wr) / 2.0);
    if (direction == 1) wi = -wi;
    wr = std::sqrt((1.0 + wr) / 2.0);
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

// The values zero-extended (or cut) to the transform length, transformed in place.
ComplexVector Transform(const ComplexVector& x, std::int16_t direction, TransformSize size) {
  ComplexVector result(size.length, kForOverwrite);
  const int copied = x.length() < size.length ? x.length() : size.length;
  for (int k = 0; k < copied; ++k) result[k] = x[k];
  for (int k = copied; k < size.length; ++k) result[k] = Complex{};
  Radix2(direction, size.exponent, ComplexParts{result.data()});
  return result;
}

}  // namespace

void Fft(std::int16_t direction, int m, double re[], double im[]) {
  Radix2(direction, m, SplitParts{re, im});
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
  const TransformSize size = SizeFor(x.length());
  ComplexVector full(size.length, kForOverwrite);
  for (int k = 0; k < x.length(); ++k) full[k] = {x[k], 0.0};
  for (int k = x.length(); k < size.length; ++k) full[k] = Complex{};
  Radix2(1, size.exponent, ComplexParts{full.data()});
  const int wanted = x.length() / 2 + 1;
  const int bins = wanted < full.length() ? wanted : full.length();
  ComplexVector result(bins, kForOverwrite);
  for (int k = 0; k < bins; ++k) result[k] = full[k];
  return result;
}

Vector RealSignal(const ComplexVector& bins) {
  const int b = bins.length();
  if (b < 2) return Vector();
  const int n = 2 * b - 2;
  const TransformSize size = SizeFor(n);
  ComplexVector full(size.length, kForOverwrite);
  for (int k = 0; k < b; ++k) full[k] = bins[k];
  for (int k = b; k < n; ++k) full[k] = Conjugate(bins[n - k]);
  for (int k = n; k < size.length; ++k) full[k] = Complex{};
  Radix2(0, size.exponent, ComplexParts{full.data()});
  // Only the real part is kept, but of the same complex division by (N + 0i).
  const Complex divisor{static_cast<double>(size.length), 0.0};
  Vector result(n, kForOverwrite);
  for (int k = 0; k < n; ++k) result[k] = (full[k] / divisor).re;
  return result;
}

Vector RealParts(const ComplexVector& z) {
  Vector result(z.length(), kForOverwrite);
  for (int k = 0; k < z.length(); ++k) result[k] = z[k].re;
  return result;
}

}  // namespace tovan
