#pragma once

#include <cmath>

// The error-free transformations: a sum or a product of two doubles is exactly a double plus
// its rounding error, which is a double too. A number carried as such an unevaluated sum
// hi + lo holds about twice the digits of a double.
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

// a * b exactly, short of underflow and overflow: the fused multiply-add gives the rounding
// error (one instruction where the processor has it, see EvaluateAccurately).
inline DoubleDouble TwoProduct(double a, double b) {
  const double product = a * b;
  return {product, std::fma(a, b, -product)};
}
