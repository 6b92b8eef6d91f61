// The compensated Horner scheme for a real polynomial at a complex point (Graillat and
// Menissier-Morain): Horner's rule in doubles, where each product and sum also yields its
// exact rounding error; the errors go through Horner's rule of their own and correct the
// result at the end. The value is as accurate as if computed with twice the working precision
// and then rounded: |value - p(z)| <= 2u |p(z)| + 2 gamma(4n + 2)^2 sum |c[k]| |z|^k, with
// u = 2^-53 and gamma(m) = m u / (1 - m u), which the bound takes, plus a margin for
// subnormal results. The slope, in plain doubles, errs by at most 4 n u sum k |c[k]| |z|^(k-1)
// (Higham's bound for Horner's rule, doubled for complex products).

#include "poly/accurate_evaluation.h"

#include <cmath>

#include "poly/double_double.h"

namespace {

constexpr double kUnitRoundoff = 0x1p-53;
// What rounding in the subnormal range may add in absolute terms over a whole evaluation.
constexpr double kSubnormalMargin = 0x1p-1060;

}  // namespace

// GCC builds the evaluation twice, so that processors with a fused multiply-add use it as one
// instruction. clang 14 cannot link such clones in an instrumented build (the fuzz targets),
// so there it is built once, with the library's fma.
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

double HornerSize(const Polynomial& p, double modulus) {
  double size = std::fabs(p.c[p.degree]);
  for (int k = p.degree - 1; k >= 0; --k)
    size = size * modulus + std::fabs(p.c[k]);
  // Each of the 2n operations may round down by a relative u.
  return size * (1 + 4 * p.degree * kUnitRoundoff);
}

QUILLET_WITH_FMA_CLONE Evaluation EvaluateAccurately(const Polynomial& p, Point z) {
  const double x = z.real(), y = z.imag();
  Point r = p.c[p.degree], error = 0.0, slope = 0.0;
  for (int k = p.degree - 1; k >= 0; --k) {
    slope = slope * z + r;
    const DoubleDouble re_x = TwoProduct(r.real(), x), im_y = TwoProduct(r.imag(), y);
    const DoubleDouble re_y = TwoProduct(r.real(), y), im_x = TwoProduct(r.imag(), x);
    const DoubleDouble real = TwoSum(re_x.hi, -im_y.hi), imag = TwoSum(re_y.hi, im_x.hi);
    const DoubleDouble shifted = TwoSum(real.hi, p.c[k]);
    r = {shifted.hi, imag.hi};
    error =
        error * z + Point(re_x.lo - im_y.lo + real.lo + shifted.lo, re_y.lo + im_x.lo + imag.lo);
  }
  Evaluation e;
  e.value = r + error;
  e.slope = slope;
  const double modulus = Modulus(z) * (1 + 2 * kUnitRoundoff);
  double slope_size = 0.0;
  for (int k = p.degree; k >= 1; --k)
    slope_size = slope_size * modulus + k * std::fabs(p.c[k]);
  const double m = 4 * p.degree + 2;
  const double gamma = m * kUnitRoundoff / (1 - m * kUnitRoundoff);
  e.bound = 2 * gamma * gamma * HornerSize(p, modulus) * (1 + 8 * kUnitRoundoff) +
            4 * kUnitRoundoff * Modulus(e.value) + kSubnormalMargin;
  e.slope_bound = 8 * p.degree * kUnitRoundoff * slope_size + kSubnormalMargin;
  return e;
}
