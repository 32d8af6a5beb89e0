#pragma once

#include <memory>
#include <utility>

#include "numeric/flat_array.h"

namespace tovan {

// A matrix held as an owned block of separately owned rows. Every operation that
// creates or reshapes it makes it rectangular; Assign keeps a ragged source ragged.
// The column count is the size of row 0 (0 without rows).
template <class T>
class RowMatrix {
 public:
  RowMatrix() = default;
  RowMatrix(int rows, int cols) { Resize(rows, cols); }
  RowMatrix(int rows, int cols, const T& value) {
    Resize(rows, cols);
    Fill(value);
  }
  RowMatrix(const RowMatrix& other) { Assign(other); }
  RowMatrix(RowMatrix&& other) noexcept
      : rows_(std::exchange(other.rows_, 0)), row_(std::move(other.row_)) {}
  RowMatrix& operator=(const RowMatrix& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  RowMatrix& operator=(RowMatrix&& other) noexcept {
    rows_ = std::exchange(other.rows_, 0);
    row_ = std::move(other.row_);
    return *this;
  }

  void Resize(int rows, int cols) {
    AllocateRows(rows);
    for (int r = 0; r < rows_; ++r) row_[r].Resize(cols);
  }

  void Fill(const T& value) {
    for (int r = 0; r < rows_; ++r)
      for (int k = 0; k < row_[r].size(); ++k) row_[r][k] = value;
  }

  void Assign(const RowMatrix& other) {
    if (this == &other) return;
    AllocateRows(other.rows_);
    for (int r = 0; r < rows_; ++r) row_[r].Assign(other.row_[r]);
  }

  // Rectangular copy: other.rows x (size of other's row 0).
  void CopyFrom(const RowMatrix& other) {
    if (this == &other) return;
    const int cols = other.cols();
    Resize(other.rows_, cols);
    for (int r = 0; r < rows_; ++r)
      for (int k = 0; k < cols; ++k) row_[r][k] = other.row_[r][k];
  }

  int rows() const { return rows_; }
  int cols() const { return rows_ > 0 ? row_[0].size() : 0; }
  FlatArray<T>& operator[](int r) { return row_[r]; }
  const FlatArray<T>& operator[](int r) const { return row_[r]; }

 private:
  void AllocateRows(int rows) {
    row_.reset();
    rows_ = rows > 0 ? rows : 0;
    if (rows_ > 0) row_ = std::make_unique<FlatArray<T>[]>(rows_);
  }

  int rows_ = 0;
  std::unique_ptr<FlatArray<T>[]> row_;
};

using Matrix = RowMatrix<double>;
using ComplexMatrix = RowMatrix<Complex>;
using IntMatrix = RowMatrix<int>;

// Scans rows in order, columns in order; only a strictly greater element replaces
// the running maximum. Never asked of an empty matrix.
double MaxElement(const Matrix& m);
// Rows of a followed by rows of b, with a's column count.
Matrix StackRows(const Matrix& a, const Matrix& b);

}  // namespace tovan
