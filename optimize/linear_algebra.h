#pragma once

#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan {

// Crout decomposition with implicit row scaling and partial pivoting, P A = L U, of
// the n x n matrix formed from A's n rows (missing elements read as 0). Ties in the
// scaled pivot search go to the later row. Singular input is not detected: a zero
// pivot or an all-zero row gives infinite or NaN entries.
class LuDecomposition {
 public:
  explicit LuDecomposition(const Matrix& a);

  // X with A X = B, column by column; same shape as B (rows of B past n stay 0,
  // missing rows read as 0). A singular A gives non-finite entries: callers reject
  // steps built from them.
  Matrix SolveWith(const Matrix& b) const;

  const Matrix& Lower() const { return lower; }
  const Matrix& Upper() const { return upper; }
  // Entry k: the row of A that became row k.
  const IntVector& Permutation() const { return permutation; }

 private:
  Matrix lower;
  Matrix upper;
  IntVector permutation;
};

// LuDecomposition(a).SolveWith(b). No singularity check: a singular matrix gives
// infinite or NaN entries, which the minimisers reject as trial steps.
Matrix Solve(const Matrix& a, const Matrix& b);
Vector Solve(const Matrix& a, const Vector& b);

// A Vector as an n x 1 matrix, and column 0 of a matrix read back as a Vector.
Matrix AsColumn(const Vector& v);
Vector ColumnOf(const Matrix& m);

// cols(A) x rows(A); elements missing from a ragged row read as 0.
Matrix Transpose(const Matrix& a);
// rows(A) x cols(B). Terms with a zero factor are skipped, so 0 never meets inf or
// NaN; i, j and the inner index all run from the top down.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Vector MatrixMultiply(const Matrix& a, const Vector& v);
Matrix DiagonalMatrix(const Vector& v);
// MatrixMultiply(Transpose(a), DiagonalMatrix(weights)) to the last bit, formed as a
// scaling: element (i, j) is a[j][i] * weights[j] + 0, or 0 where either factor is 0
// or missing (j past a's rows).
Matrix WeightedTranspose(const Matrix& a, const Vector& weights);
// Squares added to one running sum in index order.
double SumOfSquares(const Vector& v);
// (1/N) times the sum of squares: the minimisers' merit.
double MeanSquare(const Vector& residuals);
Vector ScaleVector(const Vector& v, double s);
// The elements of a followed by those of b.
Vector Concatenate(const Vector& a, const Vector& b);

}  // namespace tovan
