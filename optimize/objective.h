#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan {

// A problem's Jacobian (row i = residual i, column j = parameter j) and residuals,
// evaluated at one point.
struct Linearization {
  Matrix jacobian;
  Vector residuals;
};

}  // namespace tovan
