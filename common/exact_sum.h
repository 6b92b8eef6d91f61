#pragma once

#include "common/double_double.h"

// A sum of doubles and of products of two doubles, carried exactly as a nonoverlapping
// expansion (Shewchuk, "Adaptive precision floating-point arithmetic", 1997): parts ordered by
// magnitude, the lowest set bit of each above the highest bit of the one before, so that the
// largest part alone is within one unit in its last place of the whole sum.
//
// A sum stays exact while nothing overflows and every product's rounding error is a double,
// that is while each product a * b of AddProduct is 0 or at least 2^-968 in magnitude. The
// products' rounding errors come from std::fma, which is correctly rounded wherever it runs
// (an instruction, or the C library's exact emulation), so the result is the same everywhere.
class ExactSum {
 public:
  // The most values one sum takes, a product counting as two: Grow-Expansion never makes
  // more parts than the values it was given.
  static constexpr int kCapacity = 16;

  void Add(double value) {
    // Grow-Expansion with zero elimination: the new value runs up through the parts, leaving
    // each addition's rounding error behind. Every step is an exact two-sum.
    double carry = value;
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
      const DoubleDouble sum = TwoSum(parts_[i], carry);
      carry = sum.hi;
      if (sum.lo != 0)
        parts_[kept++] = sum.lo;
    }
    if (carry != 0)
      parts_[kept++] = carry;
    count_ = kept;
  }

  void AddProduct(double a, double b) {
    const DoubleDouble product = TwoProduct(a, b);
    Add(product.hi);
    Add(product.lo);
  }

  // factor times the whole of `sum`, part by part.
  void AddProduct(double factor, const ExactSum& sum) {
    for (int i = 0; i < sum.count_; ++i)
      AddProduct(factor, sum.parts_[i]);
  }

  void Add(const ExactSum& sum) {
    for (int i = 0; i < sum.count_; ++i)
      Add(sum.parts_[i]);
  }

  // The sum within one unit in the last place: the smaller parts added from the smallest up,
  // then the largest, whose last bit they do not reach.
  double Rounded() const {
    double sum = 0;
    for (int i = 0; i < count_; ++i)
      sum += parts_[i];
    return sum;
  }

 private:
  double parts_[kCapacity] = {};
  int count_ = 0;
};
