// The compensated Horner scheme for a real polynomial at a complex point (Graillat and
// Menissier-Morain): Horner's rule in the working precision, where each product and sum also yields
// its exact rounding error; the errors go through Horner's rule of their own and correct the result
// at the end. The value is as accurate as if computed with twice the working precision and then
// rounded: |value - p(z)| <= 2u |p(z)| + 2 gamma(4n + 2)^2 sum |c[k]| |z|^k, with u the unit
// roundoff (2^-53 for doubles) and gamma(m) = m u / (1 - m u), which the bound takes, plus a margin
// for subnormal results. The slope, in plain arithmetic, errs by at most 4 n u sum k |c[k]|
// |z|^(k-1) (Higham's bound for Horner's rule, doubled for complex products).

#include "poly/accurate_evaluation.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "common/double_double.h"

namespace {

// What rounding in the subnormal range may add in absolute terms over a whole evaluation
// (2^-1060 for doubles).
template <typename Real>
constexpr Real kSubnormalMargin = std::numeric_limits<Real>::denorm_min() * (1 << 14);

// gamma(m) = m u / (1 - m u), which bounds the relative error of m roundings in a row.
template <typename Real>
[[gnu::always_inline]] inline Real Gamma(int roundings) {
  constexpr Real u = kUnitRoundoffOf<Real>;
  const Real m = roundings;
  return m * u / (1 - m * u);
}

// The bound of the slope that Horner's rule computes beside the value, at a point of modulus
// `modulus` or less, with `margin` for what rounding in the subnormal range may add.
template <typename Real>
[[gnu::always_inline]] inline Real SlopeBound(const BasicPolynomial<Real>& p, Real modulus,
                                              Real margin) {
  Real slope_size = 0;
  for (int k = p.degree; k >= 1; --k)
    slope_size = slope_size * modulus + k * std::fabs(p.c[k]);
  return 8 * p.degree * kUnitRoundoffOf<Real> * slope_size + margin;
}

// The bounds of an evaluation of p at z whose value and slope are set.
template <typename Real>
[[gnu::always_inline]] inline void Bound(const BasicPolynomial<Real>& p, std::complex<Real> z,
                                         BasicEvaluation<Real>& e) {
  constexpr Real u = kUnitRoundoffOf<Real>;
  const Real modulus = Modulus(z) * (1 + 2 * u);
  e.slope_bound = SlopeBound(p, modulus, kSubnormalMargin<Real>);
  const Real gamma = Gamma<Real>(4 * p.degree + 2);
  e.bound = 2 * gamma * gamma * HornerSize(p, modulus) * (1 + 8 * u) + 4 * u * Modulus(e.value) +
            kSubnormalMargin<Real>;
}

template <typename Real>
[[gnu::always_inline]] inline BasicEvaluation<Real> Evaluate(const BasicPolynomial<Real>& p,
                                                             std::complex<Real> z) {
  using Complex = std::complex<Real>;
  const Real x = z.real(), y = z.imag();
  Complex r = p.c[p.degree], error = 0, slope = 0;
  for (int k = p.degree - 1; k >= 0; --k) {
    slope = slope * z + r;
    const ExactPair<Real> re_x = TwoProduct(r.real(), x), im_y = TwoProduct(r.imag(), y);
    const ExactPair<Real> re_y = TwoProduct(r.real(), y), im_x = TwoProduct(r.imag(), x);
    const ExactPair<Real> real = TwoSum(re_x.hi, -im_y.hi), imag = TwoSum(re_y.hi, im_x.hi);
    const ExactPair<Real> shifted = TwoSum(real.hi, p.c[k]);
    r = {shifted.hi, imag.hi};
    error =
        error * z + Complex(re_x.lo - im_y.lo + real.lo + shifted.lo, re_y.lo + im_x.lo + imag.lo);
  }
  BasicEvaluation<Real> e;
  e.value = r + error;
  e.slope = slope;
  Bound(p, z, e);
  return e;
}

// Evaluate's value and slope at a real point x + 0i, with the imaginary parts left out. There
// every imaginary part that Evaluate computes is a zero, and every real part the same number
// as here: the zeros that it adds and subtracts, and its products with them, change no
// non-zero number. Evaluate rounds each product on its own (a compiler may fuse one only with
// a zero addend there, which rounds the same), so this must not fuse a * b + c into one
// fused multiply-add either: contraction is off here, whatever the build's setting.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("fma", "default"), optimize("fp-contract=off")))
#endif
void HornerAtReal(const Polynomial& p, double x, Evaluation& e) {
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#endif
  double r = p.c[p.degree], error = 0, slope = 0;
  for (int k = p.degree - 1; k >= 0; --k) {
    slope = slope * x + r;
    const DoubleDouble product = TwoProduct(r, x);
    const DoubleDouble shifted = TwoSum(product.hi, p.c[k]);
    r = shifted.hi;
    error = error * x + (product.lo + shifted.lo);
  }
  e.value = r + error;
  e.slope = slope;
}

}  // namespace

// GCC builds the evaluation in doubles twice, so that processors with a fused multiply-add use
// it as one instruction. clang 14 cannot link such clones in an instrumented build (the fuzz
// targets), so there it is built once, with the library's fma.
#if defined(__GNUC__) && !defined(__clang__)
#define QUILLET_WITH_FMA_CLONE __attribute__((target_clones("fma", "default")))
#else
#define QUILLET_WITH_FMA_CLONE
#endif

Polynomial FromHighestFirst(std::span<const double> coefficients) {
  Polynomial p;
  p.degree = static_cast<int>(coefficients.size()) - 1;
  for (int k = 0; k <= p.degree; ++k)
    p.c[k] = coefficients[p.degree - k];
  return p;
}

WidePolynomial Widened(const Polynomial& p) {
  WidePolynomial wide;
  wide.degree = p.degree;
  for (int k = 0; k <= p.degree; ++k)
    wide.c[k] = p.c[k];
  return wide;
}

QUILLET_WITH_FMA_CLONE Evaluation EvaluateAccurately(const Polynomial& p, Point z) {
  return Evaluate(p, z);
}

// The bounds are Evaluate's own code, so that they round as there.
QUILLET_WITH_FMA_CLONE Evaluation EvaluateAtReal(const Polynomial& p, double x) {
  Evaluation e;
  HornerAtReal(p, x, e);
  Bound(p, Point(x), e);
  return e;
}

BasicEvaluation<long double> EvaluateAccurately(const WidePolynomial& p, WidePoint z) {
  return Evaluate(p, z);
}

// Horner's rule rounds each product and sum once (or once for both, where a compiler fuses
// them). At a real point its n steps make 2n roundings, and |value - p(x)| <= gamma(2n)
// sum |c[k]| |x|^k (Higham, Accuracy and Stability of Numerical Algorithms, 5.1). At a complex
// point each step is a complex product, which errs by at most sqrt(2) gamma(2) <= gamma(3)
// times |r| |z| whether or not its parts are fused, and the sum of a real coefficient, which
// errs by u times its modulus; so the term of c[k] carries at most 4n roundings, and the bound
// is gamma(4n) sum |c[k]| |z|^k. The slope errs by at most (8n - 4) u sum k |c[k]| |z|^(k-1)
// in complex arithmetic, half that in real, within SlopeBound's 8 n u.
// These hold wherever no product underflows. One that does errs by at most 2^-1075 more in each
// part, so a step by 2 sqrt(2) 2^-1075, which the remaining steps multiply by |z| each:
// 3 n 2^-1075 max(1, |z|)^(n - 1) in all, far below the margin of DBL_MIN max(1, |z|)^(n - 1),
// which is a normal number: arithmetic on subnormal ones takes many processors a hundred
// cycles or more.
// An overflow leaves an infinite or NaN value or bound, which proves nothing.
Evaluation EvaluatePlainly(const Polynomial& p, Point z) {
  constexpr double u = kUnitRoundoffOf<double>;
  const int n = p.degree;
  const double x = z.real(), y = z.imag();
  Evaluation e;
  double modulus;
  int roundings;
  if (y == 0) {
    double r = p.c[n], slope = 0;
    for (int k = n - 1; k >= 0; --k) {
      slope = slope * x + r;
      r = r * x + p.c[k];
    }
    e.value = r;
    e.slope = slope;
    modulus = std::fabs(x);
    roundings = 2 * n;
  } else {
    double re = p.c[n], im = 0, slope_re = 0, slope_im = 0;
    for (int k = n - 1; k >= 0; --k) {
      const double turned_re = slope_re * x - slope_im * y, turned_im = slope_re * y + slope_im * x;
      slope_re = turned_re + re;
      slope_im = turned_im + im;
      const double product_re = re * x - im * y, product_im = re * y + im * x;
      re = product_re + p.c[k];
      im = product_im;
    }
    e.value = {re, im};
    e.slope = {slope_re, slope_im};
    modulus = Modulus(z) * (1 + 2 * u);
    roundings = 4 * n;
  }
  const double spread = modulus > 1 ? modulus : 1;
  double margin = DBL_MIN;
  for (int k = 1; k < n; ++k)
    margin *= spread;
  e.bound = Gamma<double>(roundings) * HornerSize(p, modulus) * (1 + 8 * u) + margin;
  e.slope_bound = SlopeBound(p, modulus, margin);
  return e;
}
