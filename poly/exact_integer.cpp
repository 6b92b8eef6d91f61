#include "poly/exact_integer.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

using Limbs = std::vector<uint32_t>;

void Trim(Limbs& x) {
  while (!x.empty() && x.back() == 0)
    x.pop_back();
}

int CompareMagnitudes(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size())
    return a.size() < b.size() ? -1 : 1;
  for (size_t k = a.size(); k-- > 0;)
    if (a[k] != b[k])
      return a[k] < b[k] ? -1 : 1;
  return 0;
}

Limbs AddMagnitudes(const Limbs& a, const Limbs& b) {
  Limbs sum(std::max(a.size(), b.size()) + 1, 0);
  uint64_t carry = 0;
  for (size_t k = 0; k < sum.size(); ++k) {
    carry += (k < a.size() ? a[k] : 0) + uint64_t{k < b.size() ? b[k] : 0};
    sum[k] = static_cast<uint32_t>(carry);
    carry >>= 32;
  }
  Trim(sum);
  return sum;
}

// a - b for |a| >= |b|.
Limbs SubtractMagnitudes(const Limbs& a, const Limbs& b) {
  Limbs difference(a.size(), 0);
  int64_t borrow = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    int64_t limb = int64_t{a[k]} - (k < b.size() ? b[k] : 0) - borrow;
    borrow = limb < 0;
    difference[k] = static_cast<uint32_t>(limb + (borrow << 32));
  }
  Trim(difference);
  return difference;
}

}  // namespace

ExactInteger::ExactInteger(int64_t mantissa, int shift) {
  negative_ = mantissa < 0;
  uint64_t magnitude = mantissa < 0 ? 0 - static_cast<uint64_t>(mantissa) : mantissa;
  limbs_.assign(static_cast<size_t>(shift / 32), 0);
  const int bits = shift % 32;
  // The magnitude shifted by bits < 32 takes up to 96 bits.
  const unsigned __int128 shifted = static_cast<unsigned __int128>(magnitude) << bits;
  for (int k = 0; k < 3; ++k)
    limbs_.push_back(static_cast<uint32_t>(shifted >> (32 * k)));
  Trim(limbs_);
  negative_ = negative_ && !limbs_.empty();
}

int ExactInteger::TrailingZeros() const {
  size_t k = 0;
  while (limbs_[k] == 0)
    ++k;
  return static_cast<int>(32 * k) + std::countr_zero(limbs_[k]);
}

ExactInteger ExactInteger::ShiftedRight(int bits) const {
  ExactInteger shifted;
  shifted.negative_ = negative_;
  const size_t whole = static_cast<size_t>(bits / 32);
  const int rest = bits % 32;
  for (size_t k = whole; k < limbs_.size(); ++k) {
    uint64_t limb = limbs_[k] >> rest;
    if (rest > 0 && k + 1 < limbs_.size())
      limb |= static_cast<uint64_t>(limbs_[k + 1]) << (32 - rest);
    shifted.limbs_.push_back(static_cast<uint32_t>(limb));
  }
  Trim(shifted.limbs_);
  return shifted;
}

ExactInteger::Scaled ExactInteger::ToScaled() const {
  Scaled scaled;
  if (IsZero())
    return scaled;
  const int64_t bits = static_cast<int64_t>(32 * limbs_.size()) - std::countl_zero(limbs_.back());
  // The top 64 bits, and whether any bit below them is set.
  uint64_t top = 0;
  bool below = false;
  for (int64_t bit = bits - 1; bit >= 0; --bit) {
    const bool set = (limbs_[static_cast<size_t>(bit / 32)] >> (bit % 32)) & 1;
    if (bit >= bits - 64)
      top = top << 1 | set;
    else if (set) {
      below = true;
      break;
    }
  }
  const int64_t kept = std::min<int64_t>(bits, 64);
  // The conversion rounds to nearest, and the bits below only move |x| by less than 2^-63.
  const double rounded = static_cast<double>(top);
  int exponent;
  scaled.mantissa = std::frexp(negative_ ? -rounded : rounded, &exponent);
  scaled.exponent = exponent + (bits - kept);
  scaled.exact = !below && rounded < 0x1p64 && static_cast<uint64_t>(rounded) == top;
  return scaled;
}

ExactInteger ExactInteger::operator-() const {
  ExactInteger negated = *this;
  negated.negative_ = !negative_ && !limbs_.empty();
  return negated;
}

ExactInteger operator+(const ExactInteger& a, const ExactInteger& b) {
  ExactInteger sum;
  if (a.negative_ == b.negative_) {
    sum.limbs_ = AddMagnitudes(a.limbs_, b.limbs_);
    sum.negative_ = a.negative_;
  } else if (CompareMagnitudes(a.limbs_, b.limbs_) >= 0) {
    sum.limbs_ = SubtractMagnitudes(a.limbs_, b.limbs_);
    sum.negative_ = a.negative_;
  } else {
    sum.limbs_ = SubtractMagnitudes(b.limbs_, a.limbs_);
    sum.negative_ = b.negative_;
  }
  sum.negative_ = sum.negative_ && !sum.limbs_.empty();
  return sum;
}

ExactInteger operator-(const ExactInteger& a, const ExactInteger& b) {
  return a + -b;
}

ExactInteger operator*(const ExactInteger& a, const ExactInteger& b) {
  ExactInteger product;
  if (a.IsZero() || b.IsZero())
    return product;
  product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
  for (size_t i = 0; i < a.limbs_.size(); ++i) {
    uint64_t carry = 0;
    for (size_t j = 0; j < b.limbs_.size(); ++j) {
      carry += uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j];
      product.limbs_[i + j] = static_cast<uint32_t>(carry);
      carry >>= 32;
    }
    product.limbs_[i + b.limbs_.size()] = static_cast<uint32_t>(carry);
  }
  Trim(product.limbs_);
  product.negative_ = a.negative_ != b.negative_;
  return product;
}
