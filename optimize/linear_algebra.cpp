#include "optimize/linear_algebra.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tovan {
namespace {

// Element (r, c), 0 where a short or ragged matrix has none.
double ElementOr0(const Matrix& m, int r, int c) {
  if (r < 0 || c < 0 || r >= m.rows() || c >= m[r].size()) return 0.0;
  return m[r][c];
}

Matrix SquareCopy(const Matrix& a) {
  const int n = a.rows();
  Matrix work(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) work[i][j] = ElementOr0(a, i, j);
  return work;
}

RealArray RowScales(const Matrix& work) {
  const int n = work.rows();
  RealArray scale(n);
  for (int i = 0; i < n; ++i) {
    double largest = 0.0;
    for (int j = 0; j < n; ++j)
      if (std::fabs(work[i][j]) > largest) largest = std::fabs(work[i][j]);
    scale[i] = 1.0 / largest;
  }
  return scale;
}

// Subtracts work[i][k] * work[k][j] for k = 0 ... end-1 from work[i][j], one term at a
// time in ascending k (not a separate sum subtracted once: the rounding differs).
void EliminateTerms(Matrix& work, int i, int j, int end) {
  for (int k = 0; k < end; ++k) work[i][j] = work[i][j] - work[i][k] * work[k][j];
}

// The rows x cols block of m, row after row, missing elements as 0.
RealArray PackedRows(const Matrix& m, int rows, int cols) {
  RealArray packed(rows * cols);
  for (int r = 0; r < std::min(rows, m.rows()); ++r) {
    const int stored = std::min(cols, m[r].size());
    double* out = packed.data() + static_cast<std::ptrdiff_t>(r) * cols;
    for (int c = 0; c < stored; ++c) out[c] = m[r][c];
  }
  return packed;
}

}  // namespace

LuDecomposition::LuDecomposition(const Matrix& a) {
  const int n = a.rows();
  Matrix work = SquareCopy(a);
  permutation = IntVector(n);
  for (int k = 0; k < n; ++k) permutation[k] = k;
  RealArray scale = RowScales(work);
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < j; ++i) EliminateTerms(work, i, j, i);
    double big = 0.0;
    int pivotRow = j;
    for (int i = j; i < n; ++i) {
      EliminateTerms(work, i, j, j);
      const double t = scale[i] * std::fabs(work[i][j]);
      if (t >= big) {
        big = t;
        pivotRow = i;
      }
    }
    if (pivotRow != j) {
      std::swap(work[pivotRow], work[j]);
      std::swap(scale[pivotRow], scale[j]);
      std::swap(permutation[pivotRow], permutation[j]);
    }
    const double reciprocal = 1.0 / work[j][j];
    for (int i = j + 1; i < n; ++i) work[i][j] = work[i][j] * reciprocal;
  }
  lower = Matrix(n, n);
  upper = Matrix(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) (j >= i ? upper : lower)[i][j] = work[i][j];
    lower[i][i] = 1.0;
  }
}

Matrix LuDecomposition::SolveWith(const Matrix& b) const {
  const int n = permutation.length();
  const int rows = b.rows();
  const int cols = b.cols();
  Matrix x(rows, cols);
  RealArray y(n);
  RealArray column(n);
  for (int q = 0; q < cols; ++q) {
    // Each product is subtracted from the running value in ascending index order.
    for (int k = 0; k < n; ++k) {
      double value = ElementOr0(b, permutation[k], q);
      for (int i = 0; i < k; ++i) value = value - lower[k][i] * y[i];
      y[k] = value / lower[k][k];
    }
    for (int k = n - 1; k >= 0; --k) {
      double value = y[k];
      for (int i = k + 1; i < n; ++i) value = value - upper[k][i] * column[i];
      column[k] = value / upper[k][k];
    }
    for (int k = 0; k < std::min(n, rows); ++k) x[k][q] = column[k];
  }
  return x;
}

Matrix Solve(const Matrix& a, const Matrix& b) { return LuDecomposition(a).SolveWith(b); }

Vector Solve(const Matrix& a, const Vector& b) { return ColumnOf(Solve(a, AsColumn(b))); }

Matrix AsColumn(const Vector& v) {
  Matrix m(v.length(), 1);
  for (int k = 0; k < v.length(); ++k) m[k][0] = v[k];
  return m;
}

Vector ColumnOf(const Matrix& m) {
  Vector v(m.rows());
  for (int k = 0; k < m.rows(); ++k) v[k] = ElementOr0(m, k, 0);
  return v;
}

Matrix Transpose(const Matrix& a) {
  const int rows = a.cols();
  const int cols = a.rows();
  Matrix t(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) t[i][j] = ElementOr0(a, j, i);
  return t;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
  const int rows = a.rows();
  const int cols = b.cols();
  const int inner = a.cols();
  const RealArray right = PackedRows(b, inner, cols);
  Matrix product(rows, cols);
  // Each element's terms are added in descending inner index, as the definition
  // orders them; a whole row of the product advances one inner index at a time, so
  // its elements' independent sums overlap. Zero factors are skipped, so 0 never
  // meets inf or NaN.
  for (int i = rows - 1; i >= 0; --i) {
    const FlatArray<double>& leftRow = a[i];
    double* sum = product[i].data();
    for (int k = std::min(inner, leftRow.size()) - 1; k >= 0; --k) {
      const double l = leftRow[k];
      if (l == 0.0) continue;
      const double* rightRow = right.data() + static_cast<std::ptrdiff_t>(k) * cols;
      for (int j = 0; j < cols; ++j) {
        const double term = l * rightRow[j] + sum[j];
        sum[j] = rightRow[j] != 0.0 ? term : sum[j];
      }
    }
  }
  return product;
}

Vector MatrixMultiply(const Matrix& a, const Vector& v) {
  const int inner = a.cols();
  Vector product(a.rows());
  for (int i = a.rows() - 1; i >= 0; --i) {
    const FlatArray<double>& row = a[i];
    const int stored = std::min(inner, std::min(row.size(), v.length()));
    // The inner index from the top down, as in the matrix product; terms past the
    // row or the vector are zero and skipped.
    double sum = 0.0;
    for (int k = stored - 1; k >= 0; --k) {
      const double l = row[k];
      const double r = v[k];
      if (l != 0.0 && r != 0.0) sum = l * r + sum;
    }
    product[i] = sum;
  }
  return product;
}

Matrix WeightedTranspose(const Matrix& a, const Vector& weights) {
  const int rows = a.cols();
  const int cols = weights.length();
  const int inner = a.rows();
  Matrix product(rows, cols);
  // Only k = j of the product's inner sum meets a nonzero diagonal element; that one
  // term is added to the starting +0, which turns a -0 product into +0.
  for (int j = std::min(cols, inner) - 1; j >= 0; --j) {
    const FlatArray<double>& row = a[j];
    const double w = weights[j];
    if (w == 0.0) continue;
    for (int i = std::min(rows, row.size()) - 1; i >= 0; --i)
      if (row[i] != 0.0) product[i][j] = row[i] * w + 0.0;
  }
  return product;
}

Matrix DiagonalMatrix(const Vector& v) {
  const int n = v.length();
  Matrix d(n, n);
  for (int k = 0; k < n; ++k) d[k][k] = v[k];
  return d;
}

double SumOfSquares(const Vector& v) {
  // One running sum in index order; unrolling by four would not change the grouping.
  double sum = 0.0;
  for (int k = 0; k < v.length(); ++k) sum = sum + v[k] * v[k];
  return sum;
}

Vector ScaleVector(const Vector& v, double s) {
  Vector scaled(v.length());
  for (int k = 0; k < v.length(); ++k) scaled[k] = v[k] * s;
  return scaled;
}

Vector Concatenate(const Vector& a, const Vector& b) {
  const int na = a.length();
  Vector joined(na + b.length());
  for (int k = 0; k < na; ++k) joined[k] = a[k];
  for (int k = 0; k < b.length(); ++k) joined[na + k] = b[k];
  return joined;
}

double MeanSquare(const Vector& residuals) {
  return (1.0 / residuals.length()) * SumOfSquares(residuals);
}

}  // namespace tovan
