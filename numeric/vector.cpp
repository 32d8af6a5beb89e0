#include "numeric/vector.h"

namespace tovan {

Vector Vector::Ramp(int n, double start, double step) {
  Vector v(n);
  double x = start;
  for (int k = 0; k < n; ++k) {
    v[k] = x;
    x = x + step;
  }
  return v;
}

Vector Add(const Vector& a, const Vector& b) {
  const int n = a.length();
  Vector result(n);
  for (int k = n - 1; k >= 0; --k) result[k] = a[k] + b[k];
  return result;
}

Vector Subtract(const Vector& a, const Vector& b) {
  const int n = a.length();
  Vector result(n);
  for (int k = 0; k < n; ++k) result[k] = a[k] - b[k];
  return result;
}

void AddInPlace(Vector& a, const Vector& b) { a = Add(a, b); }

Vector SubtractScalar(const Vector& a, double x) { return Subtract(a, Vector(a.length(), x)); }

void SubtractScalarInPlace(Vector& a, double x) {
  for (int k = 0; k < a.length(); ++k) a[k] = a[k] - x;
}

}  // namespace tovan
