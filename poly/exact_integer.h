#pragma once

#include <cstdint>
#include <vector>

// A signed integer of any size, with just what the exact split of a polynomial into its
// multiple and simple roots needs. Only that rare path uses it, so it is plain schoolbook
// arithmetic on 32-bit limbs.
class ExactInteger {
 public:
  ExactInteger() = default;
  // mantissa * 2^shift, shift >= 0.
  explicit ExactInteger(int64_t mantissa, int shift = 0);

  bool IsZero() const { return limbs_.empty(); }
  bool Negative() const { return negative_; }
  // The number of zero bits below the lowest one (for a number that is not zero).
  int TrailingZeros() const;
  // This divided by 2^bits, for a number with at least that many trailing zero bits.
  ExactInteger ShiftedRight(int bits) const;

  // The number as m * 2^exponent with 0.5 <= |m| < 1 rounded to a double (m = 0 for zero),
  // and whether that rounding was exact.
  struct Scaled {
    double mantissa = 0;
    int64_t exponent = 0;
    bool exact = true;
  };
  Scaled ToScaled() const;

  friend ExactInteger operator+(const ExactInteger& a, const ExactInteger& b);
  friend ExactInteger operator-(const ExactInteger& a, const ExactInteger& b);
  friend ExactInteger operator*(const ExactInteger& a, const ExactInteger& b);
  ExactInteger operator-() const;

 private:
  bool negative_ = false;
  std::vector<uint32_t> limbs_;  // |x|, least significant first, with no leading zero limb
};
