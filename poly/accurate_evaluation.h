#pragma once

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <span>

// A real polynomial of degree 1 to 4, its coefficients indexed by power: c[k] goes with x^k.
// The refinement works in doubles; where no power of two brings every root of a polynomial
// into the range of doubles, it works in long double, whose exponent range holds every root
// of a polynomial with double coefficients (see RefineRoots).
inline constexpr int kMaxDegree = 4;
template <typename Real>
struct BasicPolynomial {
  int degree = 0;
  Real c[kMaxDegree + 1] = {};
};
using Polynomial = BasicPolynomial<double>;
using WidePolynomial = BasicPolynomial<long double>;

static_assert(std::numeric_limits<long double>::max_exponent >= 16384,
              "the refinement of roots beyond the range of doubles needs an extended long double");

// The polynomial of coefficients given from the highest power down, as the boxes hold them.
Polynomial FromHighestFirst(std::span<const double> coefficients);
// The same polynomial in long double, exactly.
WidePolynomial Widened(const Polynomial& p);

// A point of the refinement. The calculators' own Complex carries the roots in and out; the
// refinement's arithmetic is std::complex's operators, whose products treat infinite and NaN
// parts by C's rules (Annex G). Operators written out again for Complex would be a second copy
// of them that differs there, so the refinement stays on std::complex.
using Point = std::complex<double>;
using WidePoint = std::complex<long double>;

// Half the distance from 1 to the next number of the type.
template <typename Real>
inline constexpr Real kUnitRoundoffOf = std::numeric_limits<Real>::epsilon() / 2;

// 2^exponent, at compile time.
template <typename Real>
constexpr Real PowerOfTwo(int exponent) {
  Real power = 1;
  for (; exponent > 0; --exponent)
    power *= 2;
  for (; exponent < 0; ++exponent)
    power /= 2;
  return power;
}

// Whether a sum of squares lies well inside the range of its type (for doubles, between
// 2^-1000 and 2^1000), so that it lost no digits to underflow and nothing overflowed.
template <typename Real>
inline bool SquareInRange(Real square) {
  constexpr int kSafeExponent = std::numeric_limits<Real>::max_exponent - 24;
  return square > PowerOfTwo<Real>(-kSafeExponent) && square < PowerOfTwo<Real>(kSafeExponent);
}

// |z| within two units of the last place, without hypot's cost where the squares stay in range.
template <typename Real>
inline Real Modulus(std::complex<Real> z) {
  const Real square = z.real() * z.real() + z.imag() * z.imag();
  if (SquareInRange(square) || z == Real(0))
    return std::sqrt(square);
  return std::hypot(z.real(), z.imag());
}

template <typename Real>
inline std::complex<Real> PlainQuotient(std::complex<Real> x, std::complex<Real> y) {
  const Real norm = y.real() * y.real() + y.imag() * y.imag();
  return {(x.real() * y.real() + x.imag() * y.imag()) / norm,
          (x.imag() * y.real() - x.real() * y.imag()) / norm};
}

// Whether two doubles have the same representation, not only the same value.
inline bool SameBits(double x, double y) {
  return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y);
}

template <typename Real>
inline bool IsFinite(std::complex<Real> z) {
  return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// Whether the parts of z lie between 2^-(e/2) and 2^(e/2) in size, e the exponent that
// SquareInRange keeps to, or z is 0: products and squares of two such numbers neither overflow
// nor lose digits to underflow.
template <typename Real>
inline bool PartsInRange(std::complex<Real> z) {
  constexpr int kSafeExponent = (std::numeric_limits<Real>::max_exponent - 24) / 2;
  const Real size = std::fmax(std::fabs(z.real()), std::fabs(z.imag()));
  return (size > PowerOfTwo<Real>(-kSafeExponent) && size < PowerOfTwo<Real>(kSafeExponent)) ||
         size == 0;
}

// x / y written out, without the library's care for infinities (callers test the result).
// Where products of x and y or |y|^2 would leave the range, x and y are first brought near 1
// by powers of two, which is exact, and the quotient taken back by their ratio.
template <typename Real>
inline std::complex<Real> Quotient(std::complex<Real> x, std::complex<Real> y) {
  if ((PartsInRange(x) && PartsInRange(y)) || y == Real(0) || !IsFinite(x) || !IsFinite(y))
    return PlainQuotient(x, y);
  const auto exponent = [](std::complex<Real> z) {
    return z == Real(0) ? 0 : std::ilogb(std::fmax(std::fabs(z.real()), std::fabs(z.imag())));
  };
  const int x_exponent = exponent(x), y_exponent = exponent(y);
  const std::complex<Real> near_one = PlainQuotient(
      std::complex<Real>(std::scalbn(x.real(), -x_exponent), std::scalbn(x.imag(), -x_exponent)),
      std::complex<Real>(std::scalbn(y.real(), -y_exponent), std::scalbn(y.imag(), -y_exponent)));
  return {std::scalbn(near_one.real(), x_exponent - y_exponent),
          std::scalbn(near_one.imag(), x_exponent - y_exponent)};
}

// 1 / y, as Quotient(1, y) but cheaper where |y|^2 stays in range, the only thing that can
// leave it here.
template <typename Real>
inline std::complex<Real> Reciprocal(std::complex<Real> y) {
  const Real norm = y.real() * y.real() + y.imag() * y.imag();
  if (SquareInRange(norm) || y == Real(0) || !IsFinite(y))
    return {y.real() / norm, -y.imag() / norm};
  return Quotient(std::complex<Real>(1), y);
}

// p(z) with the accuracy of twice the working precision, p'(z) in plain arithmetic, and bounds
// that provably cover the errors: the true p(z) lies within `bound` of `value`, the true
// p'(z) within `slope_bound` of `slope`.
template <typename Real>
struct BasicEvaluation {
  std::complex<Real> value;
  std::complex<Real> slope;
  Real bound = 0;
  Real slope_bound = 0;
};
using Evaluation = BasicEvaluation<double>;
Evaluation EvaluateAccurately(const Polynomial& p, Point z);
BasicEvaluation<long double> EvaluateAccurately(const WidePolynomial& p, WidePoint z);
// EvaluateAccurately at x + 0i (or x - 0i), in half the operations, with the same |value|,
// |slope| and bounds, though the imaginary parts are +0 and a zero real part may differ in
// sign: enough for everything that takes only those, as the inclusion discs do.
Evaluation EvaluateAtReal(const Polynomial& p, double x);
// p(z) and p'(z) by Horner's rule in plain arithmetic (real arithmetic where z is real), with
// bounds that cover their rounding errors for a polynomial in any range of doubles, not only a
// scaled one: a fraction of EvaluateAccurately's cost, for roots whose value the plain rule
// resolves as well as the approximation itself does.
Evaluation EvaluatePlainly(const Polynomial& p, Point z);

// An evaluation of one polynomial at a point, kept so that it need not be done again there:
// the refinement's last evaluation at each root serves the discs proven on that root. The
// evaluation is a function of the polynomial and the point alone, so one kept for a point
// with the very bits of another (-0 and +0 differ) is the one that would be computed there.
struct KnownEvaluation {
  Point z;
  Evaluation e;
};

// sum |c[k]| |z|^k, on which every rounding error of Horner's rule depends, rounded up.
template <typename Real>
Real HornerSize(const BasicPolynomial<Real>& p, Real modulus) {
  Real size = std::fabs(p.c[p.degree]);
  for (int k = p.degree - 1; k >= 0; --k)
    size = size * modulus + std::fabs(p.c[k]);
  // Each of the 2n operations may round down by a relative u.
  return size * (1 + 4 * p.degree * kUnitRoundoffOf<Real>);
}
