#include "poly/multiple_roots.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "poly/exact_integer.h"

namespace {

// An integer polynomial, c[k] with x^k, with no zero leading coefficient (empty for zero).
template <typename Integer>
using IntegerPolynomial = std::vector<Integer>;
using ExactPolynomial = IntegerPolynomial<ExactInteger>;

constexpr double kUnitRoundoff = 0x1p-53;
// What rounding in the subnormal numbers may add to a root in absolute terms.
constexpr double kSubnormalMargin = 4 * DBL_TRUE_MIN;

// A 128-bit integer that turns invalid where an operation overflows, and stays so through
// every operation after: the remainder sequence runs on these first, which needs no memory
// of its own, and again on ExactInteger only where a number outgrew them. An invalid number
// is never zero, so that no coefficient that was lost is taken for a vanishing one.
class CheckedInteger {
 public:
  CheckedInteger() = default;
  explicit CheckedInteger(__int128 value) : value_(value) {}

  bool IsZero() const { return valid_ && value_ == 0; }
  bool Valid() const { return valid_; }
  __int128 Value() const { return value_; }
  // The trailing zero bits of a number that is not zero; an invalid number, whose bits mean
  // nothing, has none, so that it is never shifted by the width of its type.
  int TrailingZeros() const {
    if (!valid_)
      return 0;
    const auto low = static_cast<uint64_t>(value_);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<uint64_t>(value_ >> 64));
  }
  CheckedInteger ShiftedRight(int bits) const { return Checked(value_ >> bits, valid_); }
  // As ExactInteger::ToScaled: the conversion rounds to nearest.
  ExactInteger::Scaled ToScaled() const {
    ExactInteger::Scaled scaled;
    const double rounded = static_cast<double>(value_);
    int exponent;
    scaled.mantissa = std::frexp(rounded, &exponent);
    scaled.exponent = exponent;
    scaled.exact = std::fabs(rounded) < 0x1p126 && static_cast<__int128>(rounded) == value_;
    return scaled;
  }

  friend CheckedInteger operator*(CheckedInteger a, CheckedInteger b) {
    __int128 product;
    const bool overflow = __builtin_mul_overflow(a.value_, b.value_, &product);
    return Checked(product, a.valid_ && b.valid_ && !overflow);
  }
  friend CheckedInteger operator-(CheckedInteger a, CheckedInteger b) {
    __int128 difference;
    const bool overflow = __builtin_sub_overflow(a.value_, b.value_, &difference);
    return Checked(difference, a.valid_ && b.valid_ && !overflow);
  }

 private:
  static CheckedInteger Checked(__int128 value, bool valid) {
    CheckedInteger x(value);
    x.valid_ = valid;
    return x;
  }

  __int128 value_ = 0;
  bool valid_ = true;
};

bool Valid(const CheckedInteger& x) {
  return x.Valid();
}
bool Valid(const ExactInteger&) {
  return true;
}

template <typename Integer>
int Degree(const IntegerPolynomial<Integer>& p) {
  return static_cast<int>(p.size()) - 1;
}

template <typename Integer>
void Trim(IntegerPolynomial<Integer>& p) {
  while (!p.empty() && p.back().IsZero())
    p.pop_back();
}

// Divides the coefficients by the largest power of two that divides them all, which keeps the
// numbers of the remainder sequence short and changes no root.
template <typename Integer>
void RemovePowerOfTwo(IntegerPolynomial<Integer>& p) {
  int common = INT_MAX;
  for (const Integer& c : p)
    if (!c.IsZero())
      common = std::min(common, c.TrailingZeros());
  if (common == 0 || common == INT_MAX)
    return;
  for (Integer& c : p)
    if (!c.IsZero())
      c = c.ShiftedRight(common);
}

// A constant multiple of the remainder of a divided by b (b not zero): the leading term of a
// cancelled by lc(b) a - lc(a) x^k b until the degree of a is below that of b. The constant
// factors do not change the greatest common divisor up to a constant, nor its roots. The
// leading term cancels exactly, and goes even where the numbers overflowed.
template <typename Integer>
IntegerPolynomial<Integer> Remainder(IntegerPolynomial<Integer> a,
                                     const IntegerPolynomial<Integer>& b) {
  while (Degree(a) >= Degree(b)) {
    const size_t k = a.size() - b.size();
    const Integer lead_a = a.back(), lead_b = b.back();
    for (Integer& c : a)
      c = c * lead_b;
    for (size_t i = 0; i + 1 < b.size(); ++i)
      a[i + k] = a[i + k] - lead_a * b[i];
    a.pop_back();
    Trim(a);
    RemovePowerOfTwo(a);
  }
  return a;
}

template <typename Integer>
IntegerPolynomial<Integer> GreatestCommonDivisor(IntegerPolynomial<Integer> a,
                                                 IntegerPolynomial<Integer> b) {
  while (!b.empty()) {
    IntegerPolynomial<Integer> remainder = Remainder(std::move(a), b);
    a = std::move(b);
    b = std::move(remainder);
  }
  return a;
}

// Arithmetic modulo the prime 2^61 - 1, in which 2^61 is 1.
constexpr uint64_t kPrime = (uint64_t{1} << 61) - 1;

uint64_t ModularProduct(uint64_t a, uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  uint64_t r = static_cast<uint64_t>(product & kPrime) + static_cast<uint64_t>(product >> 61);
  return r >= kPrime ? r - kPrime : r;
}

// The degree of gcd(p, p') modulo the prime, for p of degree n (highest first) whose leading
// coefficient the prime does not divide. The degree of the gcd of the integer polynomials is
// at most that, so 0 proves that p has no multiple root; the exact sequence, which costs far
// more, runs only where it is not 0.
int ModularGcdDegree(std::span<const double> coefficients, int lowest) {
  const int n = static_cast<int>(coefficients.size()) - 1;
  std::vector<uint64_t> a(n + 1, 0), b(n, 0);
  for (int k = 0; k <= n; ++k) {
    const double c = coefficients[n - k];
    if (c == 0)
      continue;
    int exponent;
    const double mantissa = std::frexp(c, &exponent);
    const int64_t m = static_cast<int64_t>(std::ldexp(mantissa, 53));
    const uint64_t magnitude = static_cast<uint64_t>(m < 0 ? -m : m) % kPrime;
    const uint64_t power = uint64_t{1} << ((exponent - 53 - lowest) % 61);
    const uint64_t value = ModularProduct(magnitude, power);
    a[k] = m < 0 && value != 0 ? kPrime - value : value;
  }
  for (int k = 1; k <= n; ++k)
    b[k - 1] = ModularProduct(a[k], k);
  const auto trim = [](std::vector<uint64_t>& p) {
    while (!p.empty() && p.back() == 0)
      p.pop_back();
  };
  trim(a);
  trim(b);
  while (!b.empty()) {
    // lc(b) a - lc(a) x^k b, as in the exact sequence: no inverse is needed.
    while (a.size() >= b.size()) {
      const uint64_t lead_a = a.back(), lead_b = b.back();
      const size_t k = a.size() - b.size();
      for (uint64_t& c : a)
        c = ModularProduct(c, lead_b);
      for (size_t i = 0; i < b.size(); ++i)
        a[i + k] = (a[i + k] + kPrime - ModularProduct(lead_a, b[i])) % kPrime;
      trim(a);
    }
    std::swap(a, b);
  }
  return static_cast<int>(a.size()) - 1;
}

// The exponent of the last bit of a double's 53-bit integer significand.
int LowestExponent(double c) {
  int exponent;
  std::frexp(c, &exponent);
  return exponent - 53;
}

// The 53-bit integer m with c = m 2^LowestExponent(c).
int64_t Significand(double c) {
  int exponent;
  return static_cast<int64_t>(std::ldexp(std::frexp(c, &exponent), 53));
}

// c times 2^-lowest, exactly, for lowest at most LowestExponent(c).
ExactInteger Exact(double c, int lowest) {
  return ExactInteger(Significand(c), LowestExponent(c) - lowest);
}

// The largest shift of a 53-bit significand that leaves a 128-bit integer room for the
// sequence's first products.
constexpr int kWidestChecked = 72;

// m 2^e as a double: infinite above the range of doubles, rounded into the subnormal numbers
// or to zero below it.
double Value(double mantissa, int64_t exponent) {
  return std::ldexp(mantissa, static_cast<int>(std::clamp<int64_t>(exponent, -4000, 4000)));
}

// The number n / d of two scaled integers, with a bound on its error: each mantissa errs by a
// relative 2^-53 at most, and so does their quotient; a quotient of exact mantissas that
// leaves no remainder and needs no rounding into the subnormal numbers is exact.
struct Rounded {
  double value = 0;
  double error = 0;
};
Rounded Quotient(const ExactInteger::Scaled& n, const ExactInteger::Scaled& d) {
  const double q = n.mantissa / d.mantissa;
  const double value = Value(q, n.exponent - d.exponent);
  const bool exact = n.exact && d.exact && std::fma(q, d.mantissa, -n.mantissa) == 0 &&
                     std::fabs(value) >= DBL_MIN;
  return {value, exact ? 0 : 4 * kUnitRoundoff * std::fabs(value) + kSubnormalMargin};
}

ExactInteger::Scaled Times(ExactInteger::Scaled x, double factor) {
  x.mantissa *= factor;
  return x;
}

// The two roots of g2 x^2 + g1 x + g0 with the exact discriminant D != 0, as doubles within
// a relative 8 units of the last place: the square root of D and the sums that do not cancel
// err by less than 3 units, each quotient by 2 more.
void QuadraticRoots(const ExactInteger::Scaled& g2, const ExactInteger::Scaled& g1,
                    const ExactInteger::Scaled& g0, ExactInteger::Scaled d,
                    std::span<MultipleRoot, 4> roots) {
  if (d.exponent % 2 != 0) {
    d.mantissa *= 2;
    --d.exponent;
  }
  const ExactInteger::Scaled root_d{std::sqrt(std::fabs(d.mantissa)), d.exponent / 2, false};
  if (d.mantissa < 0) {
    const Rounded re = Quotient(Times(g1, -0.5), g2);
    const Rounded im = Quotient(Times(root_d, 0.5), g2);
    const double radius =
        8 * kUnitRoundoff * (std::fabs(re.value) + std::fabs(im.value)) + 2 * kSubnormalMargin;
    roots[0] = {{re.value, std::fabs(im.value)}, radius, 2};
    roots[1] = {{re.value, -std::fabs(im.value)}, radius, 2};
    return;
  }
  // s = g1 + sign(g1) sqrt(D) does not cancel; the roots are -s / (2 g2) and -2 g0 / s.
  const int64_t exponent = std::max(g1.exponent, root_d.exponent);
  const double sign = g1.mantissa < 0 ? -1.0 : 1.0;
  const ExactInteger::Scaled s{Value(g1.mantissa, g1.exponent - exponent) +
                                   sign * Value(root_d.mantissa, root_d.exponent - exponent),
                               exponent, false};
  const Rounded r1 = Quotient(Times(s, -0.5), g2), r2 = Quotient(Times(g0, -2), s);
  roots[0] = {{r1.value, 0.0}, 8 * kUnitRoundoff * std::fabs(r1.value) + 2 * kSubnormalMargin, 2};
  roots[1] = {{r2.value, 0.0}, 8 * kUnitRoundoff * std::fabs(r2.value) + 2 * kSubnormalMargin, 2};
}

// The multiple roots of p from g = gcd(p, p') of degree k: for k = 1 or 3 (and 2 with a zero
// discriminant) g = g[k] (x - r)^k with r = -g[k-1] / (k g[k]), a root of multiplicity k + 1;
// otherwise the two roots of the quadratic g, each of multiplicity 2. Returns how many there
// are, or -1 where a number outgrew its type.
template <typename Integer>
int RootsOfDivisor(const IntegerPolynomial<Integer>& g, std::span<MultipleRoot, 4> roots) {
  const int k = Degree(g);
  if (k < 1)
    return 0;
  if (k == 2) {
    const Integer discriminant = g[1] * g[1] - Integer(4) * g[2] * g[0];
    if (!Valid(discriminant))
      return -1;
    if (!discriminant.IsZero()) {
      QuadraticRoots(g[2].ToScaled(), g[1].ToScaled(), g[0].ToScaled(), discriminant.ToScaled(),
                     roots);
      return 2;
    }
  }
  const Integer lead = g[k] * Integer(-k);
  if (!Valid(lead))
    return -1;
  const Rounded r = Quotient(g[k - 1].ToScaled(), lead.ToScaled());
  roots[0] = {{r.value, 0.0}, r.error, k + 1};
  return 1;
}

}  // namespace

int ExactMultipleRoots(std::span<const double> coefficients, std::span<MultipleRoot, 4> roots) {
  const int n = static_cast<int>(coefficients.size()) - 1;
  int lowest = INT_MAX;
  for (double c : coefficients)
    if (c != 0)
      lowest = std::min(lowest, LowestExponent(c));
  // The prime divides no leading coefficient: that is a double's significand times a power of
  // two, and the prime is larger than every significand.
  if (ModularGcdDegree(coefficients, lowest) == 0)
    return 0;
  // The sequence in 128 bits, or exactly where its numbers outgrow them.
  int widest = 0;
  for (double c : coefficients)
    if (c != 0)
      widest = std::max(widest, LowestExponent(c) - lowest);
  int count = -1;
  if (widest <= kWidestChecked) {
    IntegerPolynomial<CheckedInteger> p(n + 1), slope(n);
    for (int k = 0; k <= n; ++k) {
      const double c = coefficients[n - k];
      if (c != 0)
        p[k] =
            CheckedInteger(static_cast<__int128>(Significand(c)) << (LowestExponent(c) - lowest));
    }
    for (int k = 1; k <= n; ++k)
      slope[k - 1] = p[k] * CheckedInteger(k);
    Trim(slope);
    const IntegerPolynomial<CheckedInteger> g = GreatestCommonDivisor(p, slope);
    if (std::all_of(g.begin(), g.end(), [](const CheckedInteger& c) { return c.Valid(); }))
      count = RootsOfDivisor(g, roots);
  }
  if (count < 0) {
    ExactPolynomial p(n + 1), slope(n);
    for (int k = 0; k <= n; ++k)
      if (coefficients[n - k] != 0)
        p[k] = Exact(coefficients[n - k], lowest);
    for (int k = 1; k <= n; ++k)
      slope[k - 1] = p[k] * ExactInteger(k);
    Trim(slope);
    count = RootsOfDivisor(GreatestCommonDivisor(p, slope), roots);
  }
  for (int k = 0; k < count; ++k)
    if (!std::isfinite(roots[k].value.re) || !std::isfinite(roots[k].value.im) ||
        !std::isfinite(roots[k].radius))
      return 0;
  return count;
}
