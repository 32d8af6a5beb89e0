#pragma once

// Complex values with the program's own formulas. Each operation is evaluated in
// exactly the written form (no overflow scaling, no std::complex), so that
// roundings match the reference model bit for bit.
namespace tovan {

struct Complex {
  double re = 0.0;
  double im = 0.0;
};

// Inline: these sit in the innermost loops of every response evaluation.
inline Complex operator+(const Complex& a, const Complex& b) { return {a.re + b.re, a.im + b.im}; }
inline Complex operator-(const Complex& a, const Complex& b) { return {a.re - b.re, a.im - b.im}; }
inline Complex operator*(const Complex& a, const Complex& b) {
  return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}
// With e = 1/|b|^2 formed first; division by zero gives IEEE infinities or NaN.
inline Complex operator/(const Complex& a, const Complex& b) {
  const double e = 1.0 / (b.re * b.re + b.im * b.im);
  return {(b.im * a.im + b.re * a.re) * e, (b.re * a.im - b.im * a.re) * e};
}
inline bool operator==(const Complex& a, const Complex& b) { return a.re == b.re && a.im == b.im; }

Complex Exp(const Complex& z);
// Exp(0 + iy) without the exact factor e^0 = 1: the same value, one call fewer.
Complex ExpImaginary(double y);
Complex Conjugate(const Complex& z);
// |z|; exactly |re| when im is 0 (no square root taken).
double Magnitude(const Complex& z);
// atan2(im, re) when im != 0; otherwise 0 for re > 0 and kPi (the decimal constant) else.
double Argument(const Complex& z);
// In-place forms: z becomes the result + 0i, which is also returned.
double MagnitudeInPlace(Complex& z);
double ArgumentInPlace(Complex& z);

}  // namespace tovan
