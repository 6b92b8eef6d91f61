// Evaluation order is part of the contract: every expression keeps the grouping written
// here, and b^2 is taken with pow, so that each printed digit is reproduced.

#include "poly/quadratic.h"

#include <cfloat>
#include <cmath>

#include "common/double_double.h"
#include "common/result_text.h"
#include "poly/shown_roots.h"

namespace {

// Below this fraction of b^2, D = b^2 - 4ac has cancelled enough of its digits to be formed
// again exactly.
constexpr double kCancelledDiscriminant = 0x1p-10;
// Below this, b^2 and 4ac reach the subnormal numbers and lose digits.
constexpr double kSubnormalReach = 0x1p-969;

// x1 and x2 as printed: two real roots, or the pair re + j im and re - j im.
template <typename Real>
struct QuadraticRoots {
  bool complex = false;
  Real x1 = 0, x2 = 0;  // or re and im
};

// b^2 - 4ac, formed again from the exact products when the formula's value has cancelled:
// b^2 and 4ac are then within a factor of two, so the difference of their leading parts is
// exact, and what is left is the difference of their rounding errors.
template <typename Real>
Real Discriminant(Real a, Real b, Real c) {
  const Real discriminant = std::pow(b, 2.0) - 4 * a * c;
  if (!(std::fabs(discriminant) < kCancelledDiscriminant * std::pow(b, 2.0)))
    return discriminant;
  const ExactPair<Real> square = TwoProduct(b, b);
  const ExactPair<Real> product = TwoProduct(4 * a, c);
  return (square.hi - product.hi) + (square.lo - product.lo);
}

// The formula in doubles, or in long double where the doubles' range does not hold it.
template <typename Real>
QuadraticRoots<Real> SolveQuadratic(Real a, Real b, Real c) {
  const Real discriminant = Discriminant(a, b, c);
  QuadraticRoots<Real> roots;
  if (discriminant < 0) {
    roots.complex = true;
    roots.x1 = -b / (2 * a);
    roots.x2 = std::sqrt(-discriminant) / (2 * a);
    // x1 is always the root above the real axis, whatever the sign of a.
    if (roots.x2 < 0)
      roots.x2 = -roots.x2;
  } else {
    // D >= 0, or not a number when the coefficients overflow.
    roots.x1 = (-b + std::sqrt(discriminant)) / (2 * a);
    roots.x2 = (-b - std::sqrt(discriminant)) / (2 * a);
    // When -b and the root of D have opposite signs, their sum cancels and loses the
    // smaller root; the product of the roots, c/a, gives it from the other one. An exact
    // zero root (c = 0) is kept as the formula gives it.
    if (b > 0 && c != 0)
      roots.x1 = c / a / roots.x2;
    else if (b < 0 && c != 0)
      roots.x2 = c / a / roots.x1;
  }
  return roots;
}

// Whether the formula's intermediate values left the range of doubles: a result that is not
// finite, products so small that they reach the subnormal numbers, or a product of the roots
// c/a that does, from which the smaller root would keep only some of its digits.
bool OutOfRange(double a, double b, double c, const QuadraticRoots<double>& roots) {
  const double largest_product = std::fmax(std::pow(b, 2.0), std::fabs(4 * a * c));
  return !std::isfinite(roots.x1) || !std::isfinite(roots.x2) ||
         (largest_product < kSubnormalReach && (b != 0 || c != 0)) ||
         (c != 0 && std::fabs(c / a) < DBL_MIN);
}

}  // namespace

void CalculateQuadratic(double a, double b, double c, PolyEffects& effects, RootsWanted wanted) {
  effects.clear();
  // Only an exact zero is rejected: the quadratic has no tolerance.
  if (std::fabs(a) > 0) {
    QuadraticRoots<double> roots = SolveQuadratic(a, b, c);
    const double coefficients[3] = {a, b, c};
    if (OutOfRange(a, b, c, roots) && AllFinite(std::span(coefficients))) {
      // The same formula in long double, whose exponent range holds b^2, 4ac and the roots
      // of any double coefficients; each root then rounds to the nearest double, infinite
      // beyond the largest one.
      const QuadraticRoots<long double> wide = SolveQuadratic<long double>(a, b, c);
      roots = {wide.complex, static_cast<double>(wide.x1), static_cast<double>(wide.x2)};
    }
    PolyEffect& effect = AddEffect(effects, PolyEffect::Kind::ShowRoots);
    Complex shown[2];
    if (roots.complex) {
      AssignResultText(
          effect.text,
          " Two Complex Roots: \r\n\r\n x1 = %12.5g + j (%12.5g) \r\n\r\n x2 = %12.5g -  j "
          "(%12.5g) ",
          roots.x1, roots.x2, roots.x1, roots.x2);
      shown[0] = {roots.x1, roots.x2};
      shown[1] = {roots.x1, -roots.x2};
    } else {
      AssignResultText(effect.text, " Two Real Roots: \r\n\r\n x1 = %12.5g \r\n x2 = %12.5g",
                       roots.x1, roots.x2);
      shown[0] = {roots.x1, 0.0};
      shown[1] = {roots.x2, 0.0};
    }
    // The texts come from the formula alone; the discs only prove them.
    if (wanted == RootsWanted::WithDiscs)
      effect.values = ProvenRoots(coefficients, shown);
  } else {
    AddEffect(effects, PolyEffect::Kind::Message).text = "\n Input Error \n";
  }

  // A coefficient read as zero is written back as "0.", negative zero included.
  if (b == 0)
    AddEffect(effects, PolyEffect::Kind::WriteBack, CoefficientBox::X).text = "0.";
  if (c == 0)
    AddEffect(effects, PolyEffect::Kind::WriteBack, CoefficientBox::Constant).text = "0.";
}
