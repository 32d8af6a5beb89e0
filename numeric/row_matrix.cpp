#include "numeric/row_matrix.h"

namespace tovan {

double MaxElement(const Matrix& m) {
  double best = m[0][0];
  for (int r = 0; r < m.rows(); ++r)
    for (int k = 0; k < m[r].size(); ++k)
      if (m[r][k] > best) best = m[r][k];
  return best;
}

Matrix StackRows(const Matrix& a, const Matrix& b) {
  const int cols = a.cols();
  Matrix result(a.rows() + b.rows(), cols);
  for (int r = 0; r < a.rows(); ++r)
    for (int k = 0; k < cols; ++k) result[r][k] = a[r][k];
  for (int r = 0; r < b.rows(); ++r)
    for (int k = 0; k < cols && k < b[r].size(); ++k) result[a.rows() + r][k] = b[r][k];
  return result;
}

}  // namespace tovan
