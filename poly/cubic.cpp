// Evaluation order is part of the contract: every expression keeps the grouping written
// here, so that each printed digit is reproduced.

#include "poly/cubic.h"

#include <cmath>

#include "common/field_number.h"
#include "poly/root_polish.h"
#include "poly/roots_text.h"

namespace {

const char kLeadingCoefficientError[] = "\n Error: the X^3 coefficient must be non-zero. \n";

// Normalises the cubic to x^3 + b*x^2 + c*x + d, whose depressed form vanishes, so that it is
// (x - r)^3; three estimates of r, each keeping the sign of r, must agree. Returns whether
// they did and the roots were written.
bool SolveTripleRoot(CubicWorkArea& cubic) {
  cubic.b = cubic.b / cubic.a;
  cubic.c = cubic.c / cubic.a;
  cubic.d = cubic.d / cubic.a;
  cubic.a = 1.0;
  const double r1 = -cubic.b / 3;
  const double r2 = r1 < 0 ? -std::sqrt(cubic.c / 3) : std::sqrt(cubic.c / 3);
  const double r3 = -cubic.d < 0 ? -std::pow(cubic.d, 1.0 / 3.0) : std::pow(-cubic.d, 1.0 / 3.0);
  // A difference that is not a number counts as agreeing.
  if (!(std::fabs(r1 - r2) >= kZeroThreshold) && !(std::fabs(r2 - r3) >= kZeroThreshold)) {
    cubic.x1 = cubic.x2 = cubic.x3 = {r1, 0.0};
    return true;
  }
  return false;
}

}  // namespace

PolyEffects CalculateCubic(std::string_view a_text, std::string_view b_text,
                           std::string_view c_text, std::string_view d_text) {
  PolyEffects effects;
  CubicWorkArea& cubic = CubicWork;
  cubic.a = FieldNumber(a_text);
  cubic.b = FieldNumber(b_text);
  cubic.c = FieldNumber(c_text);
  cubic.d = FieldNumber(d_text);
  const double coefficients[4] = {cubic.a, cubic.b, cubic.c, cubic.d};
  if (std::fabs(cubic.a) <= kZeroThreshold) {
    effects.push_back({PolyEffect::Kind::Message, kLeadingCoefficientError});
    return effects;
  }

  bool solved = false;
  if (std::fabs(cubic.b) > kZeroThreshold || std::fabs(cubic.c) > kZeroThreshold) {
    solved = true;
    const auto [p, q] = DepressCubic(cubic);
    if (std::fabs(p) >= kZeroThreshold || std::fabs(q) >= kZeroThreshold) {
      SolveCubic();
    } else if (!SolveTripleRoot(cubic)) {
      // Not a triple root after all: the normalised cubic is solved as it stands.
      effects.push_back({PolyEffect::Kind::Message, "Error"});
      SolveCubic();
    }
  }
  // On the normalised coefficients if the triple-root check ran.
  if (std::fabs(cubic.b) < kZeroThreshold && std::fabs(cubic.c) < kZeroThreshold &&
      std::fabs(cubic.d) > kZeroThreshold) {
    solved = true;
    SolvePureCubic();
  }

  Complex roots[3] = {cubic.x1, cubic.x2, cubic.x3};
  if (solved) {
    PolishRoots(coefficients, roots);
  } else {
    // What is left is a*x^3 = 0, give or take parts below the threshold.
    for (Complex& root : roots)
      root = {0.0, 0.0};
  }
  CleanUpRoots(roots);
  cubic.x1 = roots[0];
  cubic.x2 = roots[1];
  cubic.x3 = roots[2];
  effects.push_back({PolyEffect::Kind::ShowRoots, CubicRootsText(roots)});
  return effects;
}
