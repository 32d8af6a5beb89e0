#pragma once

#include "numeric/column_vector.h"
#include "numeric/complex.h"
#include "numeric/vector.h"

namespace tovan {

// Column vector of complex values.
class ComplexVector : public ColumnVector<Complex> {
 public:
  using ColumnVector<Complex>::ColumnVector;
};

// Element-wise operations over the length n of the first operand; a second vector
// has at least n elements and is read at the same indices.
ComplexVector Multiply(const ComplexVector& a, const ComplexVector& b);
void MultiplyInPlace(ComplexVector& a, const ComplexVector& b);
ComplexVector Divide(const ComplexVector& a, const ComplexVector& b);
ComplexVector Add(const ComplexVector& a, const ComplexVector& b);
void AddInPlace(ComplexVector& a, const ComplexVector& b);
ComplexVector Subtract(const ComplexVector& a, const ComplexVector& b);

// The constant forms give what the element-wise operation gives on n copies of w.
ComplexVector Divide(const ComplexVector& a, const Complex& w);
ComplexVector Subtract(const ComplexVector& a, const Complex& w);
ComplexVector Multiply(const Complex& w, const ComplexVector& a);
ComplexVector Add(const Complex& w, const ComplexVector& a);

ComplexVector FromReal(const Vector& v);

// Selection sort by ascending magnitude with a strict comparison: equal magnitudes
// keep the earlier element at position i, but an exchange can move a later equal
// element past another.
void SortByMagnitude(ComplexVector& v);
void RemoveAt(ComplexVector& v, int i);

}  // namespace tovan
