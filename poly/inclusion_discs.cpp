#include "poly/inclusion_discs.h"

#include <cmath>

namespace {

// The relative error of pow's n-th root, with room to spare.
constexpr double kRootMargin = 1e-12;

template <typename Real>
void Discs(const BasicPolynomial<Real>& p, std::span<const std::complex<Real>> z,
           std::span<BasicInclusionDisc<Real>> discs) {
  constexpr Real kUnitRoundoff = kUnitRoundoffOf<Real>;
  const int n = p.degree;
  const Real leading = std::fabs(p.c[n]);
  bool all_finite = true;
  for (const std::complex<Real>& x : z)
    all_finite = all_finite && IsFinite(x);
  for (size_t i = 0; i < z.size(); ++i) {
    BasicInclusionDisc<Real>& disc = discs[i];
    disc = {};
    if (!IsFinite(z[i]))
      continue;
    // Approximations on one point share its disc (the Weierstrass discs do not apply).
    if (i > 0 && z[i] == z[i - 1]) {
      disc.radius = discs[i - 1].radius;
      continue;
    }
    const BasicEvaluation<Real> e = EvaluateAccurately(p, z[i]);
    // |p(z_i)| from above: the modulus rounds by two units at most, the evaluation by its bound.
    const Real value = Modulus(e.value) * (1 + 4 * kUnitRoundoff) + e.bound;
    // c[n] prod |z_i - z_j| from below: each difference, modulus and product rounds once.
    if (all_finite) {
      Real product = leading;
      for (size_t j = 0; j < z.size(); ++j)
        if (j != i)
          product *= Modulus(z[i] - z[j]);
      product *= 1 - 8 * n * kUnitRoundoff;
      if (product > 0)
        disc.weierstrass = n * (value / product) * (1 + 4 * kUnitRoundoff);
    }
    const Real slope = (Modulus(e.slope) * (1 - 4 * kUnitRoundoff) - e.slope_bound);
    const Real newton = slope > 0 ? n * (value / slope) * (1 + 4 * kUnitRoundoff) : HUGE_VAL;
    disc.radius = std::fmin(disc.weierstrass, newton);
    if (!std::isfinite(disc.radius))
      disc.radius = std::pow(value / leading, Real(1) / n) * (1 + kRootMargin);
  }
  for (size_t i = 0; i < z.size(); ++i) {
    bool isolated = std::isfinite(discs[i].weierstrass);
    for (size_t j = 0; j < z.size() && isolated; ++j)
      if (j != i)
        isolated = Modulus(z[i] - z[j]) * (1 - 4 * kUnitRoundoff) >
                   discs[i].weierstrass + discs[j].weierstrass;
    discs[i].isolated = isolated;
  }
}

}  // namespace

void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs) {
  Discs(p, z, discs);
}

void InclusionDiscs(const WidePolynomial& p, std::span<const WidePoint> z,
                    std::span<BasicInclusionDisc<long double>> discs) {
  Discs(p, z, discs);
}
