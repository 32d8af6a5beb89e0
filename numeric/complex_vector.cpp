#include "numeric/complex_vector.h"

#include <utility>

namespace tovan {
namespace {

template <class Op>
ComplexVector ElementWise(const ComplexVector& a, const ComplexVector& b, Op op) {
  const int n = a.length();
  ComplexVector result(n, kForOverwrite);
  for (int k = 0; k < n; ++k) result[k] = op(a[k], b[k]);
  return result;
}

// op(a_k, w) for each k, or op(w, a_k) with the constant first: the operand order of
// the element-wise form applied to n copies of w.
template <class Op>
ComplexVector WithConstant(const ComplexVector& a, const Complex& w, bool constantFirst, Op op) {
  const int n = a.length();
  ComplexVector result(n, kForOverwrite);
  for (int k = 0; k < n; ++k) result[k] = constantFirst ? op(w, a[k]) : op(a[k], w);
  return result;
}

}  // namespace

ComplexVector Multiply(const ComplexVector& a, const ComplexVector& b) {
  return ElementWise(a, b, [](const Complex& x, const Complex& y) { return x * y; });
}

void MultiplyInPlace(ComplexVector& a, const ComplexVector& b) { a = Multiply(a, b); }

ComplexVector Divide(const ComplexVector& a, const ComplexVector& b) {
  return ElementWise(a, b, [](const Complex& x, const Complex& y) { return x / y; });
}

ComplexVector Add(const ComplexVector& a, const ComplexVector& b) {
  return ElementWise(a, b, [](const Complex& x, const Complex& y) { return x + y; });
}

void AddInPlace(ComplexVector& a, const ComplexVector& b) { a = Add(a, b); }

ComplexVector Subtract(const ComplexVector& a, const ComplexVector& b) {
  return ElementWise(a, b, [](const Complex& x, const Complex& y) { return x - y; });
}

ComplexVector Divide(const ComplexVector& a, const Complex& w) {
  return WithConstant(a, w, false, [](const Complex& x, const Complex& y) { return x / y; });
}

ComplexVector Subtract(const ComplexVector& a, const Complex& w) {
  return WithConstant(a, w, false, [](const Complex& x, const Complex& y) { return x - y; });
}

ComplexVector Multiply(const Complex& w, const ComplexVector& a) {
  return WithConstant(a, w, true, [](const Complex& x, const Complex& y) { return x * y; });
}

ComplexVector Add(const Complex& w, const ComplexVector& a) {
  return WithConstant(a, w, true, [](const Complex& x, const Complex& y) { return x + y; });
}

ComplexVector FromReal(const Vector& v) {
  ComplexVector result(v.length(), kForOverwrite);
  for (int k = 0; k < v.length(); ++k) result[k] = {v[k], 0.0};
  return result;
}

void SortByMagnitude(ComplexVector& v) {
  const int n = v.length();
  for (int i = 0; i + 1 < n; ++i) {
    int m = i;
    double best = Magnitude(v[i]);
    for (int j = i + 1; j < n; ++j) {
      const double size = Magnitude(v[j]);
      if (size < best) {
        m = j;
        best = size;
      }
    }
    if (m != i) std::swap(v[i], v[m]);
  }
}

void RemoveAt(ComplexVector& v, int i) {
  const int n = v.length();
  ComplexVector result(n - 1);
  for (int k = 0; k < i; ++k) result[k] = v[k];
  for (int k = i + 1; k < n; ++k) result[k - 1] = v[k];
  v = std::move(result);
}

}  // namespace tovan
