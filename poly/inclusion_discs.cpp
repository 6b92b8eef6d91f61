#include "poly/inclusion_discs.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// The relative error of pow's m-th root, with room to spare.
constexpr double kRootMargin = 1e-12;

// The discs take only |p(z)|, |p'(z)| and their bounds, which EvaluateAtReal gives exactly as
// EvaluateAccurately does at a real point where they are finite (elsewhere it tells nothing).
Evaluation EvaluateAt(const Polynomial& p, Point z, std::span<const KnownEvaluation> known) {
  for (const KnownEvaluation& k : known)
    if (SameBits(k.z.real(), z.real()) && SameBits(k.z.imag(), z.imag()))
      return k.e;
  if (z.imag() == 0) {
    const Evaluation e = EvaluateAtReal(p, z.real());
    if (IsFinite(e.value) && IsFinite(e.slope) && std::isfinite(e.bound) &&
        std::isfinite(e.slope_bound))
      return e;
  }
  return EvaluateAccurately(p, z);
}
BasicEvaluation<long double> EvaluateAt(const WidePolynomial& p, WidePoint z,
                                        std::span<const KnownEvaluation>) {
  return EvaluateAccurately(p, z);
}

// |p(z)| from above: the modulus rounds by two units at most, the evaluation by its bound;
// p(0) is c[0] exactly.
template <typename Real>
Real ValueFromAbove(const BasicPolynomial<Real>& p, std::complex<Real> z,
                    const BasicEvaluation<Real>& e) {
  constexpr Real kUnitRoundoff = kUnitRoundoffOf<Real>;
  return z == Real(0) ? std::fabs(p.c[0]) : Modulus(e.value) * (1 + 4 * kUnitRoundoff) + e.bound;
}

// The Weierstrass radius n |W_i| from |p(z_i)| from above and `product`, c[n] prod |z_i - z_j|
// as computed: each difference, modulus and product rounds once.
template <typename Real>
Real WeierstrassRadius(int n, Real value, Real product) {
  constexpr Real kUnitRoundoff = kUnitRoundoffOf<Real>;
  product *= 1 - 8 * n * kUnitRoundoff;
  return product > 0 ? n * (value / product) * (1 + 4 * kUnitRoundoff) : Real(HUGE_VAL);
}

// Newton's radius n |p(z)| / |p'(z)|, from |p(z)| from above.
template <typename Real>
Real NewtonRadius(int n, Real value, const BasicEvaluation<Real>& e) {
  constexpr Real kUnitRoundoff = kUnitRoundoffOf<Real>;
  const Real slope = (Modulus(e.slope) * (1 - 4 * kUnitRoundoff) - e.slope_bound);
  return slope > 0 ? n * (value / slope) * (1 + 4 * kUnitRoundoff) : Real(HUGE_VAL);
}

// Whether two Weierstrass discs are provably apart, their centres `distance` apart as computed.
template <typename Real>
bool DiscsApart(Real distance, Real radius, Real other_radius) {
  return distance * (1 - 4 * kUnitRoundoffOf<Real>) > radius + other_radius;
}

template <typename Real>
void Discs(const BasicPolynomial<Real>& p, std::span<const std::complex<Real>> z,
           std::span<BasicInclusionDisc<Real>> discs, std::span<const KnownEvaluation> known) {
  constexpr Real kUnitRoundoff = kUnitRoundoffOf<Real>;
  const int n = p.degree;
  const size_t count = z.size();
  const Real leading = std::fabs(p.c[n]);
  bool all_finite = true;
  for (const std::complex<Real>& x : z)
    all_finite = all_finite && IsFinite(x);
  // |z_i - z_j|, once for each pair: z_j - z_i is exactly -(z_i - z_j), of the same modulus.
  Real apart_by[kMaxDegree][kMaxDegree];
  for (size_t i = 0; i < count; ++i) {
    apart_by[i][i] = Modulus(z[i] - z[i]);
    for (size_t j = 0; j < i; ++j)
      apart_by[i][j] = apart_by[j][i] = Modulus(z[i] - z[j]);
  }
  // |p(z_i)| from above and the Newton radius of each approximation.
  Real value[kMaxDegree], newton[kMaxDegree];
  for (size_t i = 0; i < count; ++i) {
    BasicInclusionDisc<Real>& disc = discs[i];
    disc = {};
    value[i] = newton[i] = HUGE_VAL;
    if (!IsFinite(z[i]))
      continue;
    // Approximations on one point share its bounds (the Weierstrass discs do not apply).
    if (i > 0 && z[i] == z[i - 1]) {
      value[i] = value[i - 1];
      newton[i] = newton[i - 1];
      continue;
    }
    const BasicEvaluation<Real> e = EvaluateAt(p, z[i], known);
    value[i] = ValueFromAbove(p, z[i], e);
    if (all_finite) {
      Real product = leading;
      for (size_t j = 0; j < count; ++j)
        if (j != i)
          product *= apart_by[i][j];
      disc.weierstrass = WeierstrassRadius(n, value[i], product);
    }
    newton[i] = NewtonRadius(n, value[i], e);
  }
  // The connected components of the union of the Weierstrass discs, each named by its first
  // disc. Two discs count as overlapping unless their distance proves otherwise; merging
  // components that are in fact apart leaves the count of roots in their union right.
  const auto apart = [&](size_t i, size_t j) {
    return DiscsApart(apart_by[i][j], discs[i].weierstrass, discs[j].weierstrass);
  };
  size_t component[kMaxDegree];
  for (size_t i = 0; i < count; ++i) {
    component[i] = i;
    for (size_t j = 0; j < i; ++j) {
      if (component[i] == component[j] || apart(i, j))
        continue;
      const size_t merged = std::max(component[i], component[j]);
      const size_t into = std::min(component[i], component[j]);
      for (size_t k = 0; k <= i; ++k)
        if (component[k] == merged)
          component[k] = into;
    }
  }
  for (size_t i = 0; i < count; ++i) {
    BasicInclusionDisc<Real>& disc = discs[i];
    const int members = static_cast<int>(std::count(component, component + count, component[i]));
    disc.isolated = members == 1 && std::isfinite(disc.weierstrass);
    if (disc.isolated) {
      disc.radius = std::fmin(disc.weierstrass, newton[i]);
      continue;
    }
    if (!IsFinite(z[i]))
      continue;
    if (i > 0 && z[i] == z[i - 1]) {
      disc.radius = discs[i - 1].radius;
      continue;
    }
    // The group bound, and the product of the distances d_L from z_i to the other components.
    Real group = 0, others = leading;
    for (size_t j = 0; j < count; ++j) {
      if (component[j] == component[i]) {
        group = std::fmax(group, (apart_by[i][j] * (1 + 4 * kUnitRoundoff) + discs[j].weierstrass) *
                                     (1 + 2 * kUnitRoundoff));
        continue;
      }
      Real distance = HUGE_VAL;
      for (size_t k = 0; k < count; ++k)
        if (component[k] == component[j])
          distance = std::fmin(distance,
                               (apart_by[i][k] * (1 - 4 * kUnitRoundoff) - discs[k].weierstrass) *
                                   (1 - 2 * kUnitRoundoff));
      others *= std::fmax(distance, Real(0));
    }
    others *= 1 - 4 * n * kUnitRoundoff;
    Real cluster = HUGE_VAL;
    if (others > 0)
      cluster = std::pow(value[i] / others * (1 + 4 * kUnitRoundoff), Real(1) / members) *
                (1 + kRootMargin);
    disc.radius = std::fmin(std::fmin(newton[i], group), cluster);
  }
  // The discs found so far hold a root each. Those of a set S of other approximations that
  // are apart from each other and from z_i hold |S| distinct roots, each at least d_j =
  // |z_i - z_j| - r_j from z_i; so one of the other n - |S| roots lies within
  // (|p(z_i)| / (|c[n]| prod_{j in S} d_j))^(1/(n - |S|)) of z_i. This needs no distinct
  // approximations, and tightens the discs of a cluster beside roots far from it.
  Real radius[kMaxDegree];
  for (size_t i = 0; i < count; ++i)
    radius[i] = discs[i].radius;
  for (size_t i = 0; i < count; ++i) {
    if (discs[i].isolated || !std::isfinite(value[i]))
      continue;
    size_t chosen[kMaxDegree];
    size_t size = 0;
    Real others = leading;
    // The smallest discs first, ties in their given order: they stand apart most easily. A
    // plain insertion sort, as std::sort does for so few, which GCC does not mistake for an
    // access beyond the four places.
    size_t order[kMaxDegree];
    for (size_t j = 0; j < count; ++j) {
      size_t k = j;
      for (; k > 0 && radius[j] < radius[order[k - 1]]; --k)
        order[k] = order[k - 1];
      order[k] = j;
    }
    for (size_t j : std::span(order, count)) {
      if (j == i || !std::isfinite(radius[j]))
        continue;
      const Real distance =
          (apart_by[i][j] * (1 - 4 * kUnitRoundoff) - radius[j]) * (1 - 2 * kUnitRoundoff);
      bool apart_from_chosen = distance > 0;
      for (size_t k = 0; k < size && apart_from_chosen; ++k)
        apart_from_chosen =
            apart_by[j][chosen[k]] * (1 - 4 * kUnitRoundoff) > radius[j] + radius[chosen[k]];
      if (!apart_from_chosen)
        continue;
      chosen[size++] = j;
      others *= distance;
    }
    others *= 1 - 4 * n * kUnitRoundoff;
    if (size == 0 || !(others > 0))
      continue;
    const Real bound = std::pow(value[i] / others * (1 + 4 * kUnitRoundoff),
                                Real(1) / (n - static_cast<int>(size))) *
                       (1 + kRootMargin);
    discs[i].radius = std::fmin(discs[i].radius, bound);
  }
}

}  // namespace

bool IsolatedDiscs(const Polynomial& p, std::span<const Point> z, std::span<double> radii) {
  const int n = p.degree;
  const size_t count = z.size();
  for (int k = 0; k <= n; ++k)
    if (!std::isfinite(p.c[k]))
      return false;
  for (const Point& x : z)
    if (!IsFinite(x))
      return false;
  // The bounds' factors of (1 +- k u) hold for normal numbers. With the leading coefficient
  // and the distances between 2^-250 and 2^250, every product of them is one; a radius below
  // DBL_MIN proves nothing, short of 0 where p(z_i) is exactly 0.
  const double leading = std::fabs(p.c[n]);
  const auto in_range = [](double x) { return x >= 0x1p-250 && x <= 0x1p250; };
  if (!in_range(leading))
    return false;
  double apart_by[kMaxDegree][kMaxDegree];
  for (size_t i = 0; i < count; ++i) {
    for (size_t j = 0; j < i; ++j) {
      apart_by[i][j] = apart_by[j][i] = Modulus(z[i] - z[j]);
      if (!in_range(apart_by[i][j]))
        return false;
    }
  }
  double weierstrass[kMaxDegree];
  for (size_t i = 0; i < count; ++i) {
    const Evaluation e = EvaluatePlainly(p, z[i]);
    const double value = ValueFromAbove(p, z[i], e);
    double product = leading;
    for (size_t j = 0; j < count; ++j)
      if (j != i)
        product *= apart_by[i][j];
    weierstrass[i] = WeierstrassRadius(n, value, product);
    double newton = NewtonRadius(n, value, e);
    if (value != 0 && !(weierstrass[i] >= DBL_MIN))
      return false;
    if (value != 0 && !(newton >= DBL_MIN))
      newton = HUGE_VAL;
    radii[i] = newton < weierstrass[i] ? newton : weierstrass[i];
  }
  for (size_t i = 0; i < count; ++i)
    for (size_t j = 0; j < i; ++j)
      if (!DiscsApart(apart_by[i][j], weierstrass[i], weierstrass[j]))
        return false;
  return true;
}

void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs,
                    std::span<const KnownEvaluation> known) {
  Discs(p, z, discs, known);
}

void InclusionDiscs(const WidePolynomial& p, std::span<const WidePoint> z,
                    std::span<BasicInclusionDisc<long double>> discs) {
  Discs(p, z, discs, {});
}
