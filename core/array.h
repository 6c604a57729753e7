#pragma once

#include <cassert>
#include <utility>
#include <vector>

// A growable array addressed from 0 to its upper bound, as the program's populations and palettes
// are. A new array has upper bound 0 (one element). Removing an element shifts the later ones
// down.
template <class T>
class Array {
 public:
  Array() : items_(1) {}

  int Ubound() const { return static_cast<int>(items_.size()) - 1; }

  // Resizes to the given upper bound; new elements hold their type's default. An upper bound
  // below -1 is taken as -1 (no element at all).
  void Redim(int ubound) { items_.resize(static_cast<size_t>(ubound < -1 ? 0 : ubound + 1)); }

  T& operator()(int i) {
    assert(i >= 0 && i <= Ubound());
    return items_[static_cast<size_t>(i)];
  }
  const T& operator()(int i) const {
    assert(i >= 0 && i <= Ubound());
    return items_[static_cast<size_t>(i)];
  }

  void Append(T item) { items_.push_back(std::move(item)); }
  void Remove(int i) {
    assert(i >= 0 && i <= Ubound());
    items_.erase(items_.begin() + i);
  }

 private:
  std::vector<T> items_;
};
