#include "numeric/complex.h"

#include <cmath>

#include "numeric/constants.h"

namespace tovan {

Complex operator+(const Complex& a, const Complex& b) { return {a.re + b.re, a.im + b.im}; }

Complex operator-(const Complex& a, const Complex& b) { return {a.re - b.re, a.im - b.im}; }

Complex operator*(const Complex& a, const Complex& b) {
  return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

Complex operator/(const Complex& a, const Complex& b) {
  const double e = 1.0 / (b.re * b.re + b.im * b.im);
  return {(b.im * a.im + b.re * a.re) * e, (b.re * a.im - b.im * a.re) * e};
}

bool operator==(const Complex& a, const Complex& b) { return a.re == b.re && a.im == b.im; }

Complex Exp(const Complex& z) {
  const double scale = std::exp(z.re);
  return {scale * std::cos(z.im), scale * std::sin(z.im)};
}

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
