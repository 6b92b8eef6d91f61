// Evaluation order is part of the contract: every expression keeps the grouping written
// here, and squares and cubes are taken with pow, so that each printed digit is reproduced.

#include "poly/cube_roots.h"

#include <cmath>

#include "poly/complex_arithmetic.h"

CubicWorkArea CubicWork;

namespace {

// The principal choice of w is kept, and with it the order of the roots, unless cancellation
// has left it fewer than two of its sixteen digits.
constexpr double kCancellationLimit = 1e-14;

}  // namespace

DepressedCubic DepressCubic(const CubicWorkArea& cubic) {
  const double a = cubic.a, b = cubic.b, c = cubic.c, d = cubic.d;
  const double p = (c - std::pow(b, 2.0) / (3 * a)) * (1 / a);
  const double b_cubed = std::pow(b, 3.0);
  const double t = (b_cubed + b_cubed) - 9 * a * b * c;
  const double q = (std::pow(a, 2.0) * 27 * d + t) * (1 / (std::pow(a, 3.0) * 27));
  return {p, q};
}

bool SolveCubic(Formula formula) {
  const auto [p, q] = DepressCubic(CubicWork);
  const double discriminant = std::pow(q, 2.0) + ((std::pow(p, 3.0) * 4) / 27);
  const Complex root_d = discriminant < 0 ? Complex{0.0, std::sqrt(-discriminant)}
                                          : Complex{std::sqrt(discriminant), 0.0};
  Complex w{(-q + root_d.re) / 2, root_d.im / 2};
  // The w of the other square root times this one is -p^3/27. When -q and the principal
  // root cancel (x^3 + 3x^2 + 3x + 2 gives w = 0 although p = 0 and q = 1), the other
  // root gives the same roots from a w that kept its digits.
  const Complex other_w{(-q - root_d.re) / 2, -root_d.im / 2};
  const bool mended = formula == Formula::Mended;
  const bool cancelled = mended && Modulus(w) < kCancellationLimit * Modulus(other_w);
  if (cancelled)
    w = other_w;

  // The principal cube root of w: |w|^(1/3) as (|w|^2)^(1/6), a third of its angle.
  const double m = std::pow(SquaredModulus(w), 1.0 / 6.0);
  const double theta = std::atan2(w.im, w.re);
  const Complex u1{m * std::cos(theta * (1.0 / 3.0)), m * std::sin(theta * (1.0 / 3.0))};
  const Complex cube_roots[3] = {u1, Product(u1, ThirdTurn()), Product(u1, Conjugate(ThirdTurn()))};

  // y = u - p/(3u) for each cube root u. Since w kept its digits, |u|^2 is at least a fixed
  // fraction of |p| and the division is sound, unless u vanishes altogether. That takes
  // p = q = 0, so y^3 = 0 and every y is 0; the original divides all the same.
  Complex y[3] = {};
  if (m != 0 || !mended) {
    for (int k = 0; k < 3; ++k) {
      const Complex u = cube_roots[k];
      const Complex v = RealOverComplex(p, u, SquaredModulus(u));
      y[k] = {u.re - v.re / 3, u.im - v.im / 3};
    }
  }

  const double shift = CubicWork.b / (3 * CubicWork.a);
  CubicWork.x1 = {y[0].re - shift, y[0].im};
  CubicWork.x2 = {y[1].re - shift, y[1].im};
  CubicWork.x3 = {y[2].re - shift, y[2].im};
  // Where u vanishes, the original's roots are not numbers, which leaves the order to the
  // mended formula; it departs only where it chose the other w.
  return cancelled;
}

void SolvePureCubic() {
  CubicWork.d = CubicWork.d / (-CubicWork.a);
  // From here on x^3 = d: the principal cube root of d, then it turned by +120 and -120 degrees.
  const Complex x1 = PolarRoot({CubicWork.d, 0.0}, 1.0 / 6.0, 3.0);
  CubicWork.x1 = x1;
  CubicWork.x2 = Product(x1, ThirdTurn());
  CubicWork.x3 = Product(x1, Conjugate(ThirdTurn()));
}
