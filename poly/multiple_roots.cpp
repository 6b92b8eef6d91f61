#include "poly/multiple_roots.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "poly/exact_integer.h"

namespace {

// An integer polynomial, c[k] with x^k, with no zero leading coefficient (empty for zero).
using ExactPolynomial = std::vector<ExactInteger>;

constexpr double kUnitRoundoff = 0x1p-53;
// What rounding in the subnormal numbers may add to a root in absolute terms.
constexpr double kSubnormalMargin = 4 * DBL_TRUE_MIN;

int Degree(const ExactPolynomial& p) {
  return static_cast<int>(p.size()) - 1;
}

void Trim(ExactPolynomial& p) {
  while (!p.empty() && p.back().IsZero())
    p.pop_back();
}

// Divides the coefficients by the largest power of two that divides them all, which keeps the
// numbers of the remainder sequence short and changes no root.
void RemovePowerOfTwo(ExactPolynomial& p) {
  int common = INT_MAX;
  for (const ExactInteger& c : p)
    if (!c.IsZero())
      common = std::min(common, c.TrailingZeros());
  if (common == 0 || common == INT_MAX)
    return;
  for (ExactInteger& c : p)
    if (!c.IsZero())
      c = c.ShiftedRight(common);
}

// A constant multiple of the remainder of a divided by b (b not zero): the leading term of a
// cancelled by lc(b) a - lc(a) x^k b until the degree of a is below that of b. The constant
// factors do not change the greatest common divisor up to a constant, nor its roots.
ExactPolynomial Remainder(ExactPolynomial a, const ExactPolynomial& b) {
  while (Degree(a) >= Degree(b)) {
    const size_t k = a.size() - b.size();
    const ExactInteger lead_a = a.back(), lead_b = b.back();
    for (ExactInteger& c : a)
      c = c * lead_b;
    for (size_t i = 0; i < b.size(); ++i)
      a[i + k] = a[i + k] - lead_a * b[i];
    Trim(a);
    RemovePowerOfTwo(a);
  }
  return a;
}

ExactPolynomial GreatestCommonDivisor(ExactPolynomial a, ExactPolynomial b) {
  while (!b.empty()) {
    ExactPolynomial remainder = Remainder(std::move(a), b);
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

uint64_t ModularInverse(uint64_t a) {
  uint64_t inverse = 1;
  for (uint64_t e = kPrime - 2; e > 0; e >>= 1, a = ModularProduct(a, a))
    if (e & 1)
      inverse = ModularProduct(inverse, a);
  return inverse;
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
    while (a.size() >= b.size()) {
      const uint64_t factor = ModularProduct(a.back(), ModularInverse(b.back()));
      const size_t k = a.size() - b.size();
      for (size_t i = 0; i < b.size(); ++i)
        a[i + k] = (a[i + k] + kPrime - ModularProduct(factor, b[i])) % kPrime;
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

// c times 2^-lowest, exactly, for lowest at most LowestExponent(c).
ExactInteger Exact(double c, int lowest) {
  int exponent;
  const double mantissa = std::frexp(c, &exponent);
  return {static_cast<int64_t>(std::ldexp(mantissa, 53)), exponent - 53 - lowest};
}

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
void QuadraticRoots(const ExactPolynomial& g, const ExactInteger& discriminant,
                    std::span<MultipleRoot, 4> roots) {
  ExactInteger::Scaled d = discriminant.ToScaled();
  if (d.exponent % 2 != 0) {
    d.mantissa *= 2;
    --d.exponent;
  }
  const ExactInteger::Scaled root_d{std::sqrt(std::fabs(d.mantissa)), d.exponent / 2, false};
  const ExactInteger::Scaled g2 = g[2].ToScaled(), g1 = g[1].ToScaled(), g0 = g[0].ToScaled();
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

// The root -g[k-1] / (k g[k]) of g = g[k] (x - r)^k.
MultipleRoot RepeatedRoot(const ExactPolynomial& g, int multiplicity) {
  const int k = Degree(g);
  const Rounded r = Quotient(g[k - 1].ToScaled(), (g[k] * ExactInteger(-k, 0)).ToScaled());
  return {{r.value, 0.0}, r.error, multiplicity};
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
  ExactPolynomial p(n + 1), slope(n);
  for (int k = 0; k <= n; ++k)
    if (coefficients[n - k] != 0)
      p[k] = Exact(coefficients[n - k], lowest);
  for (int k = 1; k <= n; ++k)
    slope[k - 1] = p[k] * ExactInteger(k, 0);
  Trim(slope);
  const ExactPolynomial g = GreatestCommonDivisor(p, slope);
  int count = 0;
  switch (Degree(g)) {
    case 1:
      roots[count++] = RepeatedRoot(g, 2);
      break;
    case 2: {
      const ExactInteger discriminant = g[1] * g[1] - ExactInteger(4, 0) * g[2] * g[0];
      if (discriminant.IsZero()) {
        roots[count++] = RepeatedRoot(g, 3);
      } else {
        QuadraticRoots(g, discriminant, roots);
        count = 2;
      }
      break;
    }
    case 3:
      roots[count++] = RepeatedRoot(g, 4);
      break;
    default:
      break;
  }
  for (int k = 0; k < count; ++k)
    if (!std::isfinite(roots[k].value.re) || !std::isfinite(roots[k].value.im) ||
        !std::isfinite(roots[k].radius))
      return 0;
  return count;
}
