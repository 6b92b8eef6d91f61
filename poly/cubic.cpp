// Evaluation order is part of the contract: every expression keeps the grouping written
// here, so that each printed digit is reproduced.

#include "poly/cubic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "poly/power_scaling.h"
#include "poly/roots_text.h"
#include "poly/shown_roots.h"

namespace {

const char kLeadingCoefficientError[] = "\n Error: the X^3 coefficient must be non-zero. \n";

// Normalises the cubic to x^3 + b*x^2 + c*x + d, whose depressed form vanishes, so that it is
// (x - r)^3; three estimates of r must agree. The original takes the square and cube roots
// of c/3 and -d without their signs, so that a triple root below zero never passed; the
// mended formula gives each estimate the sign of r. Returns whether they agreed and the
// roots were written.
bool SolveTripleRoot(CubicWorkArea& cubic, Formula formula) {
  cubic.b = cubic.b / cubic.a;
  cubic.c = cubic.c / cubic.a;
  cubic.d = cubic.d / cubic.a;
  cubic.a = 1.0;
  const double r1 = -cubic.b / 3;
  double r2 = std::sqrt(cubic.c / 3);
  double r3 = std::pow(-cubic.d, 1.0 / 3.0);
  if (formula == Formula::Mended) {
    r2 = r1 < 0 ? -r2 : r2;
    r3 = -cubic.d < 0 ? -std::pow(cubic.d, 1.0 / 3.0) : r3;
  }
  // A difference that is not a number counts as agreeing.
  if (!(std::fabs(r1 - r2) >= kZeroThreshold) && !(std::fabs(r2 - r3) >= kZeroThreshold)) {
    cubic.x1 = cubic.x2 = cubic.x3 = {r1, 0.0};
    return true;
  }
  return false;
}

struct CubicSolution {
  Complex roots[3];
  bool departed = false;  // the mended formula put the roots in another order
};

// The closed forms' roots of a*x^3 + b*x^2 + c*x + d (|a| above the threshold), by the
// original's routes. Where the original shows no roots of this cubic (the earlier ones after
// a failed triple-root check), its roots are not numbers.
CubicSolution SolveByRoutes(const double (&coefficients)[4], Formula formula) {
  CubicWorkArea& cubic = CubicWork;
  cubic.a = coefficients[0];
  cubic.b = coefficients[1];
  cubic.c = coefficients[2];
  cubic.d = coefficients[3];
  const bool mended = formula == Formula::Mended;
  CubicSolution solution;
  bool solved = false;
  if (std::fabs(cubic.b) > kZeroThreshold || std::fabs(cubic.c) > kZeroThreshold) {
    solved = true;
    const auto [p, q] = DepressCubic(cubic);
    if (std::fabs(p) >= kZeroThreshold || std::fabs(q) >= kZeroThreshold) {
      solution.departed = SolveCubic(formula);
    } else {
      // Where the estimates' signs decide the check, the original fails it and shows no
      // roots of this cubic, which leaves the order to the mended formula.
      if (!SolveTripleRoot(cubic, formula)) {
        // Not a triple root after all: the mended formula solves the normalised cubic as it
        // stands, where the original shows "Error" and no roots of its own.
        if (mended)
          SolveCubic(formula);
        else
          cubic.x1 = cubic.x2 = cubic.x3 = {std::numeric_limits<double>::quiet_NaN(), 0.0};
      }
    }
  }
  // On the normalised coefficients if the triple-root check ran.
  if (std::fabs(cubic.b) < kZeroThreshold && std::fabs(cubic.c) < kZeroThreshold &&
      std::fabs(cubic.d) > kZeroThreshold) {
    solved = true;
    SolvePureCubic();
  }
  if (!solved) {
    // The original takes what is left for a*x^3 = 0; the mended formula solves every cubic
    // that is not, however small its other coefficients (or exactly at the threshold). The
    // original's three zeros are equally near to every root, so its order is the mended one.
    if (mended && (cubic.b != 0 || cubic.c != 0 || cubic.d != 0)) {
      SolveCubic(formula);
    } else {
      cubic.x1 = cubic.x2 = cubic.x3 = {0.0, 0.0};
    }
  }
  solution.roots[0] = cubic.x1;
  solution.roots[1] = cubic.x2;
  solution.roots[2] = cubic.x3;
  return solution;
}

}  // namespace

void OriginalCubicRoots(const double (&coefficients)[4], Complex (&roots)[3]) {
  const CubicSolution solution = SolveByRoutes(coefficients, Formula::Original);
  std::copy(std::begin(solution.roots), std::end(solution.roots), roots);
}

void CalculateCubic(double a, double b, double c, double d, PolyEffects& effects,
                    RootsWanted wanted) {
  effects.clear();
  const double coefficients[4] = {a, b, c, d};
  if (std::fabs(coefficients[0]) <= kZeroThreshold) {
    AddEffect(effects, PolyEffect::Kind::Message).text = kLeadingCoefficientError;
    return;
  }

  // Where the formulas overflow or underflow, they run again on the cubic scaled by a power
  // of two, whose roots are this cubic's scaled alike.
  double formula_coefficients[4] = {coefficients[0], coefficients[1], coefficients[2],
                                    coefficients[3]};
  int shift = 0;
  CubicSolution solution = SolveByRoutes(formula_coefficients, Formula::Mended);
  if (!AllFinite(solution.roots)) {
    shift = ScaleCoefficients(formula_coefficients);
    solution = SolveByRoutes(formula_coefficients, Formula::Mended);
    UnscaleRoots(solution.roots, shift);
  }
  Complex original[3] = {solution.roots[0], solution.roots[1], solution.roots[2]};
  if (solution.departed) {
    const CubicSolution unmended = SolveByRoutes(formula_coefficients, Formula::Original);
    std::copy(std::begin(unmended.roots), std::end(unmended.roots), original);
    UnscaleRoots(original, shift);
  }

  Complex(&roots)[3] = solution.roots;
  PolyEffect& effect = AddEffect(effects, PolyEffect::Kind::ShowRoots);
  effect.values = FinishRoots(coefficients, roots, original, CleanUp::Yes, wanted);
  CubicWork.x1 = roots[0];
  CubicWork.x2 = roots[1];
  CubicWork.x3 = roots[2];
  CubicRootsText(roots, effect.text);
}
