#pragma once

#include "numeric/column_vector.h"

namespace tovan {

// Column vector of reals.
class Vector : public ColumnVector<double> {
 public:
  using ColumnVector<double>::ColumnVector;

  // Element 0 is start, each further element the previous plus step (repeated
  // addition, not start + k * step: the roundings differ).
  static Vector Ramp(int n, double start, double step);
};

// Element-wise arithmetic over the length n of the first operand; the second has at
// least n elements. Add runs from the top index down.
Vector Add(const Vector& a, const Vector& b);
Vector Subtract(const Vector& a, const Vector& b);
void AddInPlace(Vector& a, const Vector& b);
Vector SubtractScalar(const Vector& a, double x);
void SubtractScalarInPlace(Vector& a, double x);

}  // namespace tovan
