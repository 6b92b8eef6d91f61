#pragma once

#include <cmath>

// Numbers carried as an unevaluated sum hi + lo of two doubles, which holds about twice the
// digits of a double. Built from the error-free transformations: a sum or a product of two
// doubles is exactly a double plus the rounding error, which is a double too.
struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

// a + b exactly, for any a and b (Knuth's TwoSum).
inline DoubleDouble TwoSum(double a, double b) {
  const double sum = a + b;
  const double b_part = sum - a;
  const double a_part = sum - b_part;
  return {sum, (a - a_part) + (b - b_part)};
}

// a * b exactly, short of underflow, with the fused multiply-add giving the rounding error.
inline DoubleDouble TwoProduct(double a, double b) {
  const double product = a * b;
  return {product, std::fma(a, b, -product)};
}

// Renormalises so that lo is below half an ulp of hi (|a| >= |b| is not needed: TwoSum).
inline DoubleDouble Normalised(double hi, double lo) {
  return TwoSum(hi, lo);
}

// x + y, with an error of a few units of 2^-106 of |x| + |y|.
inline DoubleDouble operator+(DoubleDouble x, DoubleDouble y) {
  const DoubleDouble sum = TwoSum(x.hi, y.hi);
  return Normalised(sum.hi, sum.lo + (x.lo + y.lo));
}

inline DoubleDouble operator-(DoubleDouble x) {
  return {-x.hi, -x.lo};
}

// x * y for a double y, with an error of a few units of 2^-106 of |x * y|.
inline DoubleDouble operator*(DoubleDouble x, double y) {
  const DoubleDouble product = TwoProduct(x.hi, y);
  return Normalised(product.hi, product.lo + x.lo * y);
}
