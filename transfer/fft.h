#pragma once

#include <cstdint>

#include "numeric/complex_vector.h"
#include "numeric/vector.h"

namespace tovan {

// In-place radix-2 transform of n = 2^m points held as separate real and imaginary
// arrays of n doubles each. direction 1 uses the kernel e^(-2 pi i jk/n) (forward);
// every other value uses e^(+2 pi i jk/n). No scaling in either direction. m = 0
// leaves the arrays unchanged; m outside 0..30 does nothing.
// Known limit: the twiddle steps come from the half-angle recurrence, whose sine of
// small angles loses digits, so the relative error grows roughly as n^2 (about 3e-12
// at 4096 points and 4e-10 at 32768) rather than as log n.
void Fft(std::int16_t direction, int m, double re[], double im[]);

// The transform lengths below are N = 2^k with k = ceil(ln(len) / ln 2) evaluated in
// floating point (exact for powers of two) and 2^k formed by integer squaring; the
// input is extended with zeros to N. An empty input gives an empty result, and a
// length whose N would not fit an int throws std::length_error.

// X_k = sum_j x_j e^(-2 pi i jk/N), unscaled; N bins.
ComplexVector ForwardTransform(const ComplexVector& x);

// x_j = (1/N) sum_k X_k e^(+2 pi i jk/N), the 1/N applied as a complex division by
// (N + 0i) after the core transform; N values. For a power-of-two length N is that
// length; any other length is zero-extended like ForwardTransform and divided by the
// extended N.
ComplexVector InverseTransform(const ComplexVector& spectrum);

// The bins 0 ... floor(len/2) of the forward transform of x taken as real (bin 0 is
// DC; the last is the Nyquist bin when len is a power of two). Empty for empty x.
ComplexVector RealSpectrum(const Vector& x);

// The inverse of RealSpectrum for b >= 2 bins: the Hermitian spectrum H_0 ... H_(b-1),
// conj(H_(b-2)) ... conj(H_1) of 2b - 2 bins is inverse transformed and the first
// 2b - 2 real parts are returned (imaginary parts dropped unchecked). Fewer than 2
// bins give an empty Vector. RealSignal(RealSpectrum(x)) is x for power-of-two
// lengths >= 2.
Vector RealSignal(const ComplexVector& bins);

// Element-wise real part, same length.
Vector RealParts(const ComplexVector& z);

}  // namespace tovan
