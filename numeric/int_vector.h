#pragma once

#include "numeric/column_vector.h"

namespace tovan {

// Column vector of ints; `at` past the end is the caller's error.
class IntVector : public ColumnVector<int> {
 public:
  using ColumnVector<int>::ColumnVector;
};

// Column vector of ints that reads 0 past its end.
class PaddedIntVector : public IntVector {
 public:
  using IntVector::IntVector;
  int at(int i) const override { return i < length() ? (*this)[i] : 0; }
};

}  // namespace tovan
