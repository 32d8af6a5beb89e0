#pragma once

#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "numeric/complex.h"

namespace tovan {

// Marks a construction or resize whose every element the caller writes before
// reading it, so the block is not zero-filled first.
struct ForOverwrite {};
inline constexpr ForOverwrite kForOverwrite{};

// An owned block holding `size` elements; no block at all when empty. Copies are
// deep. A block large enough for a new size is kept rather than freed, so repeated
// computations of the same length allocate nothing.
template <class T>
class FlatArray {
  // The block is raw storage: its elements are plain values, brought to life by
  // the allocation and never destroyed one by one.
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  FlatArray() = default;
  explicit FlatArray(int n) { Resize(n); }
  FlatArray(int n, ForOverwrite) { Resize(n, kForOverwrite); }
  FlatArray(int n, const T& value) {
    Resize(n, kForOverwrite);
    std::fill_n(data_.get(), size_, value);
  }
  FlatArray(const FlatArray& other) { Assign(other); }
  FlatArray(FlatArray&& other) noexcept
      : size_(std::exchange(other.size_, 0)),
        capacity_(std::exchange(other.capacity_, 0)),
        data_(std::move(other.data_)) {}
  FlatArray& operator=(const FlatArray& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  FlatArray& operator=(FlatArray&& other) noexcept {
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    data_ = std::move(other.data_);
    return *this;
  }

  // n zero elements (0 + 0i for complex); n <= 0 frees the block.
  void Resize(int n) {
    Resize(n, kForOverwrite);
    std::fill_n(data_.get(), size_, T{});
  }

  // n elements of unspecified value, for the caller to overwrite.
  void Resize(int n, ForOverwrite) {
    size_ = n > 0 ? n : 0;
    if (size_ == 0) {
      data_.reset();
      capacity_ = 0;
    } else if (size_ > capacity_) {
      data_.reset();  // the old block goes before the new one is taken
      data_.reset(static_cast<T*>(::operator new(sizeof(T) * static_cast<std::size_t>(size_))));
      capacity_ = size_;
    }
  }

  void Assign(const FlatArray& other) {
    if (this == &other) return;
    Resize(other.size_, kForOverwrite);
    std::copy_n(other.data_.get(), size_, data_.get());
  }

  int size() const { return size_; }
  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  T& operator[](int k) { return data_[k]; }
  const T& operator[](int k) const { return data_[k]; }

 private:
  struct FreeBlock {
    void operator()(T* block) const { ::operator delete(block); }
  };

  int size_ = 0;
  int capacity_ = 0;
  std::unique_ptr<T[], FreeBlock> data_;
};

using RealArray = FlatArray<double>;
using ComplexArray = FlatArray<Complex>;
using IntArray = FlatArray<int>;

}  // namespace tovan
