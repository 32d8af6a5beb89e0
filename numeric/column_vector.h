#pragma once

#include "numeric/flat_array.h"

namespace tovan {

// The common shape of the column vectors: n owned elements with deep-copy value
// semantics and one virtual read, `at`. The n elements are held in one block (an
// n x 1 matrix of one-element rows would cost n allocations per vector and change
// nothing a caller can see).
template <class T>
class ColumnVector {
 public:
  ColumnVector() = default;
  explicit ColumnVector(int n) : elements_(n) {}
  ColumnVector(int n, ForOverwrite) : elements_(n, kForOverwrite) {}
  ColumnVector(int n, const T& value) : elements_(n, value) {}
  ColumnVector(const ColumnVector&) = default;
  ColumnVector(ColumnVector&&) noexcept = default;
  ColumnVector& operator=(const ColumnVector&) = default;
  ColumnVector& operator=(ColumnVector&&) noexcept = default;
  virtual ~ColumnVector() = default;

  // Element i; the caller guarantees 0 <= i < length() unless a subclass says otherwise.
  virtual T at(int i) const { return elements_[i]; }

  int length() const { return elements_.size(); }
  void Resize(int n) { elements_.Resize(n); }
  // n elements for the caller to overwrite; the block is kept when large enough.
  void Resize(int n, ForOverwrite) { elements_.Resize(n, kForOverwrite); }

  // Unchecked element access for loops that stay within the length.
  T& operator[](int i) { return elements_[i]; }
  const T& operator[](int i) const { return elements_[i]; }

  // Bounded element reference: past the end it designates a scratch element (one per
  // thread), so that a write there is absorbed and the vector is unchanged.
  T& Element(int i) { return i < length() ? elements_[i] : scratch_; }

  T* data() { return elements_.data(); }
  const T* data() const { return elements_.data(); }

 private:
  FlatArray<T> elements_;
  inline static thread_local T scratch_{};
};

}  // namespace tovan
