// Horner's rule in double-double complex arithmetic. Each step turns (R + jI) into
// (R + jI) * (x + jy) + c[k]; z = x + jy is a pair of doubles, so each product is a
// double-double times a double and errs by a few units of 2^-106, as does each sum. Over the
// n steps the error stays below 32 n u^2 sum |c[k]| |z|^k (u = 2^-53), which is what the
// bound takes, plus the final rounding to doubles and a margin for subnormal results.

#include "poly/accurate_evaluation.h"

#include <cmath>

#include "poly/double_double.h"

namespace {

constexpr double kUnitRoundoff = 0x1p-53;
// What rounding in the subnormal range may add in absolute terms over a whole evaluation.
constexpr double kSubnormalMargin = 0x1p-1060;

}  // namespace

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

Evaluation EvaluateAccurately(const Polynomial& p, Point z) {
  const double x = z.real(), y = z.imag();
  DoubleDouble re{p.c[p.degree], 0.0}, im{};
  Point slope = 0.0;
  for (int k = p.degree - 1; k >= 0; --k) {
    slope = slope * z + Point(re.hi, im.hi);
    const DoubleDouble next_re = (re * x + -(im * y)) + DoubleDouble{p.c[k], 0.0};
    im = re * y + im * x;
    re = next_re;
  }
  Evaluation e;
  e.value = {re.hi + re.lo, im.hi + im.lo};
  e.slope = slope;
  e.bound = 32 * p.degree * kUnitRoundoff * kUnitRoundoff * HornerSize(p, std::abs(z)) +
            2 * kUnitRoundoff * std::abs(e.value) + kSubnormalMargin;
  return e;
}
