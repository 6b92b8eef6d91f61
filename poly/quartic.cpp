// Evaluation order is part of the contract: every expression keeps the grouping written
// here, and every power is taken with pow, so that each printed digit is reproduced.
//
// A value is small when |x| < kZeroThreshold or it is not a number, and it exceeds the
// threshold when |x| > kZeroThreshold; a magnitude of exactly the threshold is neither.

#include "poly/quartic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "poly/complex_arithmetic.h"
#include "poly/cube_roots.h"
#include "poly/power_scaling.h"
#include "poly/roots_text.h"
#include "poly/shown_roots.h"

namespace {

const char kLeadingCoefficientError[] = "\n Error: the X^4 coefficient must be non-zero. \n";

// Below this fraction of the largest resolvent root, the smallest has lost too many digits
// to the others to be used for a square root that s3 then depends on.
constexpr double kTinyResolventRoot = 1e-5;

bool IsSmall(double x) {
  return std::isnan(x) || std::fabs(x) < kZeroThreshold;
}

bool SameComplex(Complex x, Complex y) {
  return x.re == y.re && x.im == y.im;
}

Complex Negated(Complex z) {
  return {-z.re, -z.im};
}

// The roots of one route, shifted back to x, before refinement.
struct RouteRoots {
  Complex roots[4];
  bool departed = false;         // the mended formula put the roots in another order
  bool division_failed = false;  // the division by s1*s2 had nothing to divide by
};

// Loads CubicWork with x^3 + b*x^2 + c*x + d and solves it by the original's rule: Cardano's
// method when b or c exceeds the threshold, the pure form when both are small and d exceeds
// it. Where neither applies, the original reads back an earlier cubic's roots (taken here as
// not numbers, which leaves the order to the mended formula), and the mended formula uses
// Cardano's method. Returns whether the mended formula put the roots in another order.
bool SolveMonicCubic(double b, double c, double d, Formula formula) {
  CubicWork.a = 1.0;
  CubicWork.b = b;
  CubicWork.c = c;
  CubicWork.d = d;
  if (std::fabs(CubicWork.b) > kZeroThreshold || std::fabs(CubicWork.c) > kZeroThreshold)
    return SolveCubic(formula);
  if (IsSmall(CubicWork.b) && IsSmall(CubicWork.c) && std::fabs(CubicWork.d) > kZeroThreshold) {
    SolvePureCubic();
    return false;
  }
  if (formula == Formula::Mended)
    return SolveCubic(formula);
  const Complex unknown{std::numeric_limits<double>::quiet_NaN(), 0.0};
  CubicWork.x1 = CubicWork.x2 = CubicWork.x3 = unknown;
  return false;
}

RouteRoots Shifted(const Complex (&y)[4], double h) {
  RouteRoots route;
  for (int k = 0; k < 4; ++k)
    route.roots[k] = {y[k].re - h, y[k].im};
  return route;
}

// y^4 + p*y^2 + q*y = 0: y = 0 and the roots of y^3 + p*y + q = 0.
RouteRoots SolveWithoutConstant(double p, double q, double h, Formula formula) {
  const bool departed = SolveMonicCubic(0.0, p, q, formula);
  const Complex y[4] = {{0.0, 0.0}, CubicWork.x1, CubicWork.x2, CubicWork.x3};
  RouteRoots route = Shifted(y, h);
  route.departed = departed;
  return route;
}

// y^4 + p*y^2 + r = 0 as a quadratic in y^2: the square roots of its two roots z1, z2.
RouteRoots SolveBiquadratic(double p, double r, double h) {
  const double discriminant = std::pow(p, 2.0) - 4 * r;
  Complex z1, z2;
  if (discriminant >= 0) {
    z1 = {((-p) - std::sqrt(discriminant)) / 2, 0.0};
    z2 = {(std::sqrt(discriminant) + (-p)) / 2, 0.0};
  } else {
    z1 = {-p / 2, -(std::sqrt(std::fabs(discriminant)) / 2)};
    z2 = {-p / 2, std::sqrt(std::fabs(discriminant)) / 2};
  }
  const Complex w1 = PolarRoot(z1, 0.25, 2);
  const Complex w3 = PolarRoot(z2, 0.25, 2);
  const Complex y[4] = {w1, Negated(w1), w3, Negated(w3)};
  return Shifted(y, h);
}

// The general depressed quartic through Euler's resolvent cubic, whose roots are the squares
// of s1, s2, s3 with s1*s2*s3 = -q/8; the roots are the sums of the s under four sign patterns.
RouteRoots SolveThroughResolvent(double p, double q, double r, double h, Formula formula) {
  bool departed =
      SolveMonicCubic(p / 2, (std::pow(p, 2.0) - 4 * r) / 16, -std::pow(q, 2.0) / 64, formula);
  // s3 comes from dividing by s1*s2, which suits the smallest resolvent root best: it has the
  // fewest correct digits, while the quotient gives it from q with all of them. So when x1 or
  // x2 is the smallest and tiny beside the largest, the mended formula puts x3 in its place;
  // any two of the three roots give the same four sums, but not in the same order.
  Complex z1 = CubicWork.x1, z2 = CubicWork.x2;
  const double m1 = Modulus(z1), m2 = Modulus(z2), m3 = Modulus(CubicWork.x3);
  const double smaller = std::fmin(m1, m2);
  if (formula == Formula::Mended && smaller < m3 &&
      smaller < kTinyResolventRoot * std::fmax(m1, std::fmax(m2, m3))) {
    (m1 <= m2 ? z1 : z2) = CubicWork.x3;
    departed = true;
  }
  const Complex s1 = PolarRoot(z1, 0.25, 2);
  const Complex s2 = PolarRoot(z2, 0.25, 2);
  Complex product = Product(s1, s2);
  product = {product.re * 8, product.im * 8};
  const double norm = SquaredModulus(product);
  const Complex t = RealOverComplex(q, product, norm);
  const Complex s3{t.re * (-1), t.im * (-1)};
  const Complex y[4] = {
      {(s1.re + s2.re) + s3.re, (s1.im + s2.im) + s3.im},
      {(s1.re - s2.re) - s3.re, (s1.im - s2.im) - s3.im},
      {(-s1.re + s2.re) - s3.re, (-s1.im + s2.im) - s3.im},
      {(-s1.re - s2.re) + s3.re, (-s1.im - s2.im) + s3.im},
  };
  RouteRoots route = Shifted(y, h);
  route.departed = departed;
  // The quotient is sound however small s1*s2 is, short of zero or an overflow.
  route.division_failed = norm == 0 || std::isnan(norm);
  return route;
}

// The routes that a general quartic takes, one or two, each with its roots.
struct Routes {
  RouteRoots route[2];
  int count = 0;
};

Routes SolveByRoutes(const double (&coefficients)[5], Formula formula) {
  const auto [a4, a3, a2, a1, a0] = coefficients;
  // x^4 + a*x^3 + b*x^2 + c*x + d = 0, then x = y - h removes the cubic term.
  const double a = a3 / a4, b = a2 / a4, c = a1 / a4, d = a0 / a4;
  const double p = b - std::pow(a, 2.0) * 3 / 8;
  const double q = (std::pow(a, 3.0) / 8 + c) - a * b / 2;
  const double r = (std::pow(a, 2.0) * b / 16 + (d - std::pow(a, 4.0) / 256 * 3)) - a * c / 4;
  const double h = a / 4;

  // Both special routes run when both apply, and the second text replaces the first.
  Routes routes;
  const bool without_constant = IsSmall(r);
  const bool biquadratic = IsSmall(q);
  if (without_constant)
    routes.route[routes.count++] = SolveWithoutConstant(p, q, h, formula);
  if (biquadratic)
    routes.route[routes.count++] = SolveBiquadratic(p, r, h);
  if (!without_constant && !biquadratic)
    routes.route[routes.count++] = SolveThroughResolvent(p, q, r, h, formula);
  return routes;
}

bool AllFinite(const Routes& routes) {
  for (int k = 0; k < routes.count; ++k)
    if (!AllFinite(routes.route[k].roots))
      return false;
  return true;
}

// Adds the roots update of one set of roots, refined and placed at the original's positions.
void AddRootsUpdate(PolyEffects& effects, std::span<const double> coefficients, Complex (&roots)[4],
                    std::span<const Complex> original, CleanUp clean_up, LeadingBlank leading_blank,
                    RootsWanted wanted) {
  PolyEffect& update = AddEffect(effects, PolyEffect::Kind::ShowRoots);
  update.values = FinishRoots(coefficients, roots, original, clean_up, wanted);
  QuarticRootsText(roots, leading_blank, update.text);
}

}  // namespace

int OriginalQuarticRoots(const double (&coefficients)[5], Complex (&roots)[2][4]) {
  const Routes routes = SolveByRoutes(coefficients, Formula::Original);
  for (int k = 0; k < routes.count; ++k)
    std::copy(std::begin(routes.route[k].roots), std::end(routes.route[k].roots), roots[k]);
  return routes.count;
}

void CalculateQuartic(double a4, double a3, double a2, double a1, double a0, PolyEffects& effects,
                      RootsWanted wanted) {
  const double coefficients[5] = {a4, a3, a2, a1, a0};
  effects.clear();

  // The two degenerate forms come before the leading coefficient is tested, and are shown
  // without clean-up; refinement only changes what the formula got wrong.
  const bool leading_not_small = std::fabs(a4) >= kZeroThreshold;
  const bool middle_small = IsSmall(a3) && IsSmall(a2) && IsSmall(a1);
  if (leading_not_small && middle_small && IsSmall(a0)) {
    Complex roots[4] = {};
    const Complex zeros[4] = {};
    AddRootsUpdate(effects, coefficients, roots, zeros, CleanUp::No, LeadingBlank::Yes, wanted);
    return;
  }
  if (leading_not_small && middle_small && std::fabs(a0) >= kZeroThreshold) {
    // x^4 = w: its principal fourth root, turned by a quarter three times. Where w or w^2
    // leaves the range of doubles, the root is taken of w divided by a power of 16 and
    // multiplied back by that power of 2. Coefficients that are not finite themselves have
    // no such power, and are left to the formula.
    double w = -(a0 / a4);
    int shift = 0;
    const double square = std::pow(w, 2.0);
    const bool finite_coefficients = std::isfinite(a0) && std::isfinite(a4);
    if (finite_coefficients && (!std::isfinite(w) || square == 0 || !std::isfinite(square))) {
      shift = (std::ilogb(a0) - std::ilogb(a4)) / 4;
      w = -(std::ldexp(a0, -4 * shift) / a4);
    }
    Complex roots[4];
    roots[0] = PolarRoot({w, 0.0}, 0.125, 4);
    roots[0] = {std::ldexp(roots[0].re, shift), std::ldexp(roots[0].im, shift)};
    for (int k = 1; k < 4; ++k)
      roots[k] = Product(roots[k - 1], {0.0, 1.0});
    const Complex original[4] = {roots[0], roots[1], roots[2], roots[3]};
    AddRootsUpdate(effects, coefficients, roots, original, CleanUp::No, LeadingBlank::Yes, wanted);
    return;
  }
  if (!(std::fabs(a4) > kZeroThreshold)) {
    AddEffect(effects, PolyEffect::Kind::Message).text = kLeadingCoefficientError;
    return;
  }

  // Where the formulas overflow or underflow, they run again on the quartic scaled by a power
  // of two, whose roots are this quartic's scaled alike.
  double formula_coefficients[5] = {a4, a3, a2, a1, a0};
  int shift = 0;
  Routes routes = SolveByRoutes(formula_coefficients, Formula::Mended);
  if (!AllFinite(routes)) {
    shift = ScaleCoefficients(formula_coefficients);
    routes = SolveByRoutes(formula_coefficients, Formula::Mended);
    for (int k = 0; k < routes.count; ++k)
      UnscaleRoots(routes.route[k].roots, shift);
  }
  bool departed = false;
  for (int k = 0; k < routes.count; ++k)
    departed = departed || routes.route[k].departed;
  Routes original = routes;
  if (departed) {
    original = SolveByRoutes(formula_coefficients, Formula::Original);
    for (int k = 0; k < original.count; ++k)
      UnscaleRoots(original.route[k].roots, shift);
  }

  const RouteRoots first = routes.route[0];
  for (int k = 0; k < routes.count; ++k) {
    RouteRoots& route = routes.route[k];
    // Where both routes hand over the same roots in the same places, as for (x - 1)^4, the
    // second update is the first one again.
    if (k == 1 &&
        std::equal(std::begin(route.roots), std::end(route.roots), std::begin(first.roots),
                   SameComplex) &&
        std::equal(std::begin(original.route[1].roots), std::end(original.route[1].roots),
                   std::begin(original.route[0].roots), SameComplex)) {
      effects.push_back(effects.back());
      continue;
    }
    // The message says that the roots could not be found, so it stands only where they were not.
    if (route.division_failed && !AllFinite(std::span<const double>(coefficients)))
      AddEffect(effects, PolyEffect::Kind::Message).text = "Complex division error.";
    AddRootsUpdate(effects, coefficients, route.roots, original.route[k].roots, CleanUp::Yes,
                   LeadingBlank::No, wanted);
  }
}
