#pragma once

#include <cmath>

// The error-free transformations: a sum or a product of two floating-point numbers is exactly
// a number of that type plus its rounding error, which is one too. A number carried as such an
// unevaluated sum hi + lo holds about twice the digits of its type.
template <typename Real>
struct ExactPair {
  Real hi = 0;
  Real lo = 0;
};
using DoubleDouble = ExactPair<double>;

// a + b exactly, for any a and b (Knuth's TwoSum).
template <typename Real>
inline ExactPair<Real> TwoSum(Real a, Real b) {
  const Real sum = a + b;
  const Real b_part = sum - a;
  const Real a_part = sum - b_part;
  return {sum, (a - a_part) + (b - b_part)};
}

// a * b exactly, short of underflow and overflow: the fused multiply-add gives the rounding
// error (one instruction where the processor has it, the C library's exact emulation elsewhere).
template <typename Real>
inline ExactPair<Real> TwoProduct(Real a, Real b) {
  const Real product = a * b;
  return {product, std::fma(a, b, -product)};
}
