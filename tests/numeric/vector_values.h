#pragma once
// A numeric vector holding the given values, for writing test data inline.

#include <vector>

#include "numeric/vector.h"

namespace tovan::testing_support {

inline Vector Values(const std::vector<double>& values) {
  Vector v(static_cast<int>(values.size()));
  for (int k = 0; k < v.length(); ++k) v[k] = values[k];
  return v;
}

}  // namespace tovan::testing_support
