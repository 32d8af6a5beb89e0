#include "numeric/complex.h"

#include <cmath>

#include "numeric/constants.h"

namespace tovan {

Complex Exp(const Complex& z) {
  // e^0 is exactly 1, the value the call would give.
  const double scale = z.re == 0.0 ? 1.0 : std::exp(z.re);
  return {scale * std::cos(z.im), scale * std::sin(z.im)};
}

Complex ExpImaginary(double y) { return {std::cos(y), std::sin(y)}; }

Complex Conjugate(const Complex& z) { return {z.re, -z.im}; }

double Magnitude(const Complex& z) {
  if (z.im != 0.0) return std::sqrt(z.re * z.re + z.im * z.im);
  return std::fabs(z.re);
}

double Argument(const Complex& z) {
  if (z.im != 0.0) return std::atan2(z.im, z.re);
  return z.re > 0.0 ? 0.0 : kPi;
}

double MagnitudeInPlace(Complex& z) {
  z = {Magnitude(z), 0.0};
  return z.re;
}

double ArgumentInPlace(Complex& z) {
  z = {Argument(z), 0.0};
  return z.re;
}

}  // namespace tovan
