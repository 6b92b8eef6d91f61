#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

// A list of at most N values held in place rather than on the heap, for the few values that
// one result carries. Clearing keeps the elements as they were, so that a list cleared and
// filled again reuses their room, the texts of a batch's effects among them. Adding an element
// beyond N throws std::out_of_range.
template <typename T, size_t N>
class FixedList {
 public:
  static constexpr size_t kMost = N;
  using value_type = T;
  using iterator = T*;
  using const_iterator = const T*;

  FixedList() = default;
  FixedList(std::initializer_list<T> values) {
    for (const T& value : values)
      push_back(value);
  }

  void push_back(const T& value) { Next() = value; }
  // The element after the last, now part of the list as its last use left it, for the caller
  // to fill in place.
  T& Next() {
    T& next = items_.at(size_);
    ++size_;
    return next;
  }
  void clear() { size_ = 0; }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T& operator[](size_t i) { return items_[i]; }
  const T& operator[](size_t i) const { return items_[i]; }
  T& back() { return items_[size_ - 1]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + size_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + size_; }

  bool operator==(const FixedList& other) const { return std::ranges::equal(*this, other); }

 private:
  std::array<T, N> items_{};
  size_t size_ = 0;
};
