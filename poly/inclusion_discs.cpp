#include "poly/inclusion_discs.h"

#include <cmath>

namespace {

constexpr double kUnitRoundoff = 0x1p-53;

// The relative error of pow's n-th root, with room to spare.
constexpr double kRootMargin = 1e-12;

}  // namespace

void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs) {
  const int n = p.degree;
  const double leading = std::fabs(p.c[n]);
  for (size_t i = 0; i < z.size(); ++i) {
    const Evaluation e = EvaluateAccurately(p, z[i]);
    // |p(z_i)| from above: the modulus rounds by two units at most, the evaluation by its bound.
    const double value = std::abs(e.value) * (1 + 4 * kUnitRoundoff) + e.bound;
    // c[n] prod |z_i - z_j| from below: each difference, modulus and product rounds once.
    double product = leading;
    for (size_t j = 0; j < z.size(); ++j)
      if (j != i)
        product *= std::abs(z[i] - z[j]);
    product *= 1 - 8 * n * kUnitRoundoff;
    InclusionDisc& disc = discs[i];
    disc.weierstrass = product > 0 ? n * (value / product) * (1 + 4 * kUnitRoundoff) : HUGE_VAL;
    const double crude = std::pow(value / leading, 1.0 / n) * (1 + kRootMargin);
    disc.radius = std::fmin(disc.weierstrass, crude);
    if (!std::isfinite(z[i].real()) || !std::isfinite(z[i].imag()))
      disc.radius = HUGE_VAL;
  }
  for (size_t i = 0; i < z.size(); ++i) {
    bool isolated = std::isfinite(discs[i].weierstrass);
    for (size_t j = 0; j < z.size() && isolated; ++j)
      if (j != i)
        isolated = std::abs(z[i] - z[j]) * (1 - 4 * kUnitRoundoff) >
                   discs[i].weierstrass + discs[j].weierstrass;
    discs[i].isolated = isolated;
  }
}
