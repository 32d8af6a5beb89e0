#pragma once

#include <memory>
#include <utility>

#include "numeric/complex.h"

namespace tovan {

// An owned block of `size` elements; no block at all when empty. Copies are deep.
template <class T>
class FlatArray {
 public:
  FlatArray() = default;
  explicit FlatArray(int n) { Resize(n); }
  FlatArray(int n, const T& value) {
    Resize(n);
    for (int k = 0; k < n; ++k) data_[k] = value;
  }
  FlatArray(const FlatArray& other) { Assign(other); }
  FlatArray(FlatArray&& other) noexcept
      : size_(std::exchange(other.size_, 0)), data_(std::move(other.data_)) {}
  FlatArray& operator=(const FlatArray& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  FlatArray& operator=(FlatArray&& other) noexcept {
    size_ = std::exchange(other.size_, 0);
    data_ = std::move(other.data_);
    return *this;
  }

  // Frees the old block; n zero elements (0 + 0i for complex).
  void Resize(int n) {
    data_.reset();
    size_ = n > 0 ? n : 0;
    if (size_ > 0) data_ = std::make_unique<T[]>(size_);
  }

  void Assign(const FlatArray& other) {
    if (this == &other) return;
    Resize(other.size_);
    for (int k = 0; k < size_; ++k) data_[k] = other.data_[k];
  }

  int size() const { return size_; }
  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  T& operator[](int k) { return data_[k]; }
  const T& operator[](int k) const { return data_[k]; }

 private:
  int size_ = 0;
  std::unique_ptr<T[]> data_;
};

using RealArray = FlatArray<double>;
using ComplexArray = FlatArray<Complex>;
using IntArray = FlatArray<int>;

}  // namespace tovan
