// The refinement is Aberth's iteration: a Newton step for each root, corrected by the pull of
// the other roots, so that two approximations never settle on one simple root. It runs on
// the polynomial scaled by powers of two (which changes no bit of its steps, only their
// range), evaluates p with twice the working precision, so that roots in a cluster keep
// their digits, and starts again from the circles of the Newton polygon wherever the closed
// forms handed over approximations that cannot lead to every root.

#include "poly/root_refinement.h"

#include <cmath>
#include <type_traits>

#include "poly/accurate_evaluation.h"
#include "poly/inclusion_discs.h"
#include "poly/power_scaling.h"

namespace {

// The unit roundoff of the doubles that the roots are shown in; the refinement in long double
// settles at it too, and its margins, wider than long double's own, stay sound there.
constexpr double kUnitRoundoff = 0x1p-53;
constexpr int kSweeps = 24;
constexpr int kSweepsFromCircles = 80;
// A real root's approximation whose imaginary part is below this fraction of its real part
// is tested for being provably real.
constexpr double kNearlyReal = 1e-3;
// A part below this fraction of its root's modulus is not refined any further: it lies below
// what twice the working precision resolves of a root of that size, so that what is left of
// it is rounding residue, and it is shown as 0.
constexpr double kNegligiblePart = 0x1p-90;
// The real part of a conjugate pair below this fraction of its modulus keeps too few digits
// after the refinement, and is taken from the coefficients where they determine it to within
// kTrustedPart of itself.
constexpr double kCoefficientsPart = 0x1p-60;
constexpr double kTrustedPart = 0x1p-30;

template <typename Real>
BasicPolynomial<Real> InPrecision(const Polynomial& p);
template <>
Polynomial InPrecision(const Polynomial& p) {
  return p;
}
template <>
WidePolynomial InPrecision(const Polynomial& p) {
  return Widened(p);
}

// The iteration in doubles, or in long double for roots beyond the range of doubles.
template <typename Real>
class Aberth {
  using Complex = std::complex<Real>;

 public:
  Aberth(const Polynomial& p, std::span<Complex> y) : hull_(p), p_(InPrecision<Real>(p)), y_(y) {}

  // Whether the approximations can lead to every root: finite, none at 0 (which is no root
  // here), none beyond the bound max(1, sum |c[k] / c[n]|) on every root's modulus, and no
  // two on one point unless p and p' both vanish there within rounding.
  bool CanReachEveryRoot() const {
    Real bound = 0;
    for (int k = 0; k < p_.degree; ++k)
      bound += std::fabs(p_.c[k] / p_.c[p_.degree]);
    bound = std::fmax(1.0, bound) * (1 + 1e-9);
    for (size_t i = 0; i < y_.size(); ++i) {
      if (!IsFinite(y_[i]) || y_[i] == Real(0) || Modulus(y_[i]) > bound)
        return false;
      // Each point that several approximations share is tested once, at its first repeat.
      size_t first = 0;
      while (y_[first] != y_[i])
        ++first;
      size_t repeats = 0;
      for (size_t j = first; j < i; ++j)
        repeats += y_[j] == y_[i];
      if (repeats == 1 && !IsMultipleRoot(y_[i]))
        return false;
    }
    return true;
  }

  // Sweeps until every approximation is settled, or for `sweeps` sweeps; returns whether each
  // approximation is settled or at least right to its last two bits in modulus.
  bool Sweep(int sweeps) {
    bool all_close = false;
    for (int sweep = 0; sweep < sweeps; ++sweep) {
      bool all_settled = true;
      all_close = true;
      for (size_t i = 0; i < y_.size(); ++i) {
        if (settled_[i])
          continue;
        const BasicEvaluation<Real> e = EvaluateAccurately(p_, y_[i]);
        Remember(i, e);
        if (!(Modulus(e.value) > e.bound)) {
          settled_[i] = true;
          continue;
        }
        Complex pull = 0;
        for (size_t j = 0; j < y_.size(); ++j)
          if (j != i && y_[j] != y_[i])
            pull += Reciprocal(y_[i] - y_[j]);
        const Complex step = Quotient(e.value, e.slope - e.value * pull);
        // A step within two units of the last place of each part changes nothing that a
        // double can hold; a part far below the modulus, such as the real part of a root
        // close to the imaginary axis, needs its own digits too.
        const Real modulus = Modulus(y_[i]);
        if (PartSettled(step.real(), y_[i].real(), modulus) &&
            PartSettled(step.imag(), y_[i].imag(), modulus)) {
          settled_[i] = true;
          continue;
        }
        all_settled = false;
        all_close = all_close && Modulus(step) <= 2 * kUnitRoundoff * modulus;
        if (IsFinite(y_[i] - step))
          y_[i] -= step;
      }
      if (all_settled)
        return true;
    }
    return all_close;
  }

  // Makes the approximations closed under conjugation, as the roots of a real polynomial are.
  // Two approximations within rounding of each other's conjugate become the upper one and its
  // conjugate. An approximation whose disc lies wholly above or below the real axis holds a
  // root that is not real, so the conjugate of that root is a root too; where no approximation
  // is near it, the nearest one that is not itself proven to lie on the same side takes its
  // place (a cluster of roots can leave two approximations on one root and none on another).
  // An imaginary part below `negligible` is left to the caller's clean-up.
  void CloseUnderConjugation(Real negligible) {
    bool paired[kMaxDegree] = {};
    bool lone = false;
    for (size_t i = 0; i < y_.size(); ++i) {
      if (y_[i].imag() == 0 || paired[i])
        continue;
      const size_t j = NearestTo(std::conj(y_[i]), i, paired);
      if (j == y_.size() ||
          !(Modulus(y_[j] - std::conj(y_[i])) <= 8 * kUnitRoundoff * Modulus(y_[i]))) {
        lone = lone || std::fabs(y_[i].imag()) >= negligible;
        continue;
      }
      // Exact conjugates stay as they are, down to the signs of their zero parts.
      const size_t upper = y_[i].imag() > 0 ? i : j;
      if (y_[j] != std::conj(y_[i]))
        y_[upper == i ? j : i] = std::conj(y_[upper]);
      paired[i] = paired[j] = true;
    }
    if (!lone)
      return;
    BasicInclusionDisc<Real> discs[kMaxDegree];
    Discs(discs);
    const auto off_axis = [&](size_t k) {
      return std::fabs(y_[k].imag()) * (1 - 4 * kUnitRoundoff) > discs[k].radius;
    };
    for (size_t i = 0; i < y_.size(); ++i) {
      if (paired[i] || !off_axis(i))
        continue;
      const size_t j = NearestTo(std::conj(y_[i]), i, paired);
      if (j == y_.size() || (off_axis(j) && (y_[j].imag() > 0) == (y_[i].imag() > 0)))
        continue;
      // Of two approximations proven on either side, the one with the smaller disc stands.
      if (off_axis(j) && discs[j].radius < discs[i].radius)
        y_[i] = std::conj(y_[j]);
      else
        y_[j] = std::conj(y_[i]);
      paired[i] = paired[j] = true;
    }
  }

  // Sets the parts that are rounding residue to 0 (see kNegligiblePart). The real part of a
  // conjugate pair far below the pair's modulus is not residue but fixed by the coefficients,
  // and is taken from them where they determine it (see PairRealPart).
  void DropResidues() {
    BasicInclusionDisc<Real> discs[kMaxDegree];
    bool discs_found = false;
    bool done[kMaxDegree] = {};
    for (size_t i = 0; i < y_.size(); ++i) {
      Complex& y = y_[i];
      if (done[i])
        continue;
      // |re| + |im| lies within a factor of 1.5 of the modulus, and costs no square root.
      const Real size = std::fabs(y.real()) + std::fabs(y.imag());
      // An exact zero real part comes from the exact symmetry of a closed form (x^4 = w), and
      // stands.
      if (y.imag() != 0 && y.real() != 0 && std::fabs(y.real()) < kCoefficientsPart * size) {
        const size_t j = NearestTo(std::conj(y), i, done);
        if (j < y_.size() && y_[j] == std::conj(y)) {
          if (!discs_found)
            Discs(discs);
          discs_found = true;
          Real re;
          if (PairRealPart(i, j, discs, re)) {
            y.real(re);
            y_[j].real(re);
            done[i] = done[j] = true;
            continue;
          }
        }
      }
      const Real negligible = kNegligiblePart * size;
      // An exact zero keeps its sign, which some texts show.
      if (y.real() != 0 && std::fabs(y.real()) < negligible)
        y.real(0);
      if (y.imag() != 0 && std::fabs(y.imag()) < negligible)
        y.imag(0);
    }
  }

  void StartFromCircles() {
    NewtonPolygonStarts(hull_, y_);
    for (bool& settled : settled_)
      settled = false;
  }

  // An approximation whose disc crosses the real axis and, widened by twice its imaginary
  // part, still overlaps no other disc holds exactly one root, which its conjugate must then
  // equal: the root is real, and its imaginary part is rounding residue.
  void MakeProvablyRealRootsReal(Real negligible) {
    bool any = false;
    for (const Complex& y : y_)
      any = any || (std::fabs(y.imag()) >= negligible && y.imag() != 0 &&
                    std::fabs(y.imag()) < kNearlyReal * std::fabs(y.real()));
    if (!any)
      return;
    BasicInclusionDisc<Real> discs[kMaxDegree];
    Discs(discs);
    for (size_t i = 0; i < y_.size(); ++i) {
      const Real im = std::fabs(y_[i].imag());
      if (im == 0 || !(im <= discs[i].weierstrass))
        continue;
      bool alone = true;
      for (size_t j = 0; j < y_.size() && alone; ++j)
        if (j != i)
          alone = Modulus(y_[i] - y_[j]) * (1 - 4 * kUnitRoundoff) >
                  discs[i].weierstrass + 2 * im + discs[j].weierstrass;
      if (alone)
        y_[i] = y_[i].real();
    }
  }

  // The evaluations made last at the approximations where they still are, each at most once;
  // returns how many were written to `known`. Only the iteration in doubles keeps them.
  size_t Known(std::span<KnownEvaluation> known) const {
    size_t count = 0;
    if constexpr (std::is_same_v<Real, double>)
      for (size_t i = 0; i < y_.size(); ++i)
        if (evaluated_[i] && SameBits(known_[i].z.real(), y_[i].real()) &&
            SameBits(known_[i].z.imag(), y_[i].imag()))
          known[count++] = known_[i];
    return count;
  }

 private:
  void Remember(size_t i, const BasicEvaluation<Real>& e) {
    if constexpr (std::is_same_v<Real, double>) {
      known_[i] = {y_[i], e};
      evaluated_[i] = true;
    }
  }

  // The discs of the approximations, with the evaluations already made at them.
  void Discs(BasicInclusionDisc<Real>* discs) const {
    if constexpr (std::is_same_v<Real, double>) {
      KnownEvaluation known[kMaxDegree];
      InclusionDiscs(p_, y_, std::span(discs, y_.size()), std::span(known, Known(known)));
    } else {
      InclusionDiscs(p_, y_, std::span(discs, y_.size()));
    }
  }

  // The approximation other than `except` and those marked that is nearest to x, or y_.size().
  size_t NearestTo(Complex x, size_t except, const bool* marked) const {
    size_t nearest = y_.size();
    Real distance = 0;
    for (size_t k = 0; k < y_.size(); ++k) {
      if (k == except || marked[k])
        continue;
      const Real d = Modulus(y_[k] - x);
      if (nearest == y_.size() || d < distance) {
        nearest = k;
        distance = d;
      }
    }
    return nearest;
  }

  // The real part of the conjugate pair y_i, y_j from the coefficients: p = c[m] (x^2 + e x + f)
  // q(x) with f = |y_i|^2 and q the factor of the other roots, so that Vieta's relations give
  // e = -2 re from the coefficients and the other roots in several ways. Each way's error is
  // bounded from the discs, which must all be isolated so that each holds its own root, and
  // from rounding; the way that cancels least is taken if that bound is below kTrustedPart of
  // e. Returns whether it was.
  bool PairRealPart(size_t i, size_t j, const BasicInclusionDisc<Real>* discs, Real& re) const {
    constexpr Real u = kUnitRoundoffOf<Real>;
    const int m = p_.degree;
    for (int k = 0; k < m; ++k)
      if (!discs[k].isolated)
        return false;
    size_t other[2] = {};
    for (size_t k = 0, o = 0; k < y_.size(); ++k)
      if (k != i && k != j)
        other[o++] = k;
    const Real a = p_.c[m];
    const Real f = std::norm(y_[i]);
    const Real r_i = discs[i].radius;
    const Real f_error = (2 * Modulus(y_[i]) + r_i) * r_i + 4 * u * f;
    Real best = 0, best_error = HUGE_VAL;
    const auto consider = [&](Real e, Real error) {
      if (error < best_error) {
        best = e;
        best_error = error;
      }
    };
    if (m == 2) {
      consider(p_.c[1] / a, 4 * u * std::fabs(p_.c[1] / a));
    } else if (m == 3) {
      // p = c[3] (x - r)(x^2 + e x + f): c[2] / c[3] = e - r and c[1] / c[3] = f - r e.
      const Complex w = y_[other[0]];
      const Real r = w.real(), r_error = discs[other[0]].radius + std::fabs(w.imag());
      const Real b = p_.c[2] / a, c = p_.c[1] / a;
      consider(b + r, 4 * u * (std::fabs(b) + std::fabs(r)) + r_error);
      const Real e = (f - c) / r;
      consider(e, ((4 * u * (f + std::fabs(c)) + f_error) + std::fabs(e) * r_error) / std::fabs(r) *
                      (1 + 8 * u));
    } else {
      // p = c[4] (x^2 + e x + f)(x^2 + g x + h): c[3] / c[4] = e + g, c[1] / c[4] = e h + f g.
      const Complex w1 = y_[other[0]], w2 = y_[other[1]];
      const Real r1 = discs[other[0]].radius, r2 = discs[other[1]].radius;
      const Real g = -(w1 + w2).real(), h = (w1 * w2).real();
      const Real g_error = r1 + r2 + std::fabs((w1 + w2).imag()) + 4 * u * std::fabs(g);
      const Real h_error = Modulus(w1) * r2 + Modulus(w2) * r1 + r1 * r2 +
                           std::fabs((w1 * w2).imag()) + 4 * u * std::fabs(h);
      const Real b = p_.c[3] / a, d = p_.c[1] / a;
      consider(b - g, 4 * u * (std::fabs(b) + std::fabs(g)) + g_error);
      const Real from_h = (d - f * g) / h;
      consider(from_h,
               ((4 * u * (std::fabs(d) + f * std::fabs(g)) + f_error * std::fabs(g) + f * g_error) +
                std::fabs(from_h) * h_error) /
                   std::fabs(h) * (1 + 8 * u));
      // Both relations at once, without g: e = (f b - d) / (f - h).
      const Real without_g = (f * b - d) / (f - h);
      consider(without_g,
               ((4 * u * (f * std::fabs(b) + std::fabs(d)) + std::fabs(b) * f_error) +
                std::fabs(without_g) * (f_error + h_error + 4 * u * (f + std::fabs(h)))) /
                   std::fabs(f - h) * (1 + 8 * u));
    }
    // A real part of 0 keeps the sign it has, which some texts show.
    if (best == 0 || !(best_error <= kTrustedPart * std::fabs(best)))
      return false;
    re = -best / 2;
    return true;
  }

  // `modulus` is that of the approximation.
  static bool PartSettled(Real step, Real part, Real modulus) {
    return std::fabs(step) <= 2 * kUnitRoundoff * std::fabs(part) + kNegligiblePart * modulus;
  }

  // p and p' both within their rounding error of zero at y.
  bool IsMultipleRoot(Complex y) const {
    const BasicEvaluation<Real> e = EvaluateAccurately(p_, y);
    return !(Modulus(e.value) > e.bound) && !(Modulus(e.slope) > e.slope_bound);
  }

  // The polynomial in doubles, whose Newton polygon places the starting circles.
  const Polynomial& hull_;
  const BasicPolynomial<Real> p_;
  std::span<Complex> y_;
  bool settled_[kMaxDegree] = {};
  // The last evaluation made at each approximation, and where (see Known).
  KnownEvaluation known_[kMaxDegree] = {};
  bool evaluated_[kMaxDegree] = {};
};

}  // namespace

size_t RefineRoots(std::span<const double> coefficients, const ScaledPolynomial& scaled_full,
                   std::span<Complex> roots, double negligible, std::span<KnownEvaluation> known) {
  const Polynomial full = FromHighestFirst(coefficients);
  // A zero constant term makes 0 an exact root, as often as the lowest coefficients vanish;
  // the approximations nearest to 0 take them, exactly, and the rest refine on p / x^zeros.
  int zeros = 0;
  while (zeros < full.degree && full.c[zeros] == 0)
    ++zeros;
  bool at_zero[kMaxDegree] = {};
  for (int z = 0; z < zeros; ++z) {
    int nearest = -1;
    for (int i = 0; i < full.degree; ++i)
      if (!at_zero[i] &&
          (nearest < 0 || !(std::fabs(roots[i].re) + std::fabs(roots[i].im) >=
                            std::fabs(roots[nearest].re) + std::fabs(roots[nearest].im))))
        nearest = i;
    at_zero[nearest] = true;
    roots[nearest] = {0.0, 0.0};
  }
  // Dividing by x^zeros drops the zero coefficients, of the scaled polynomial too, whose scale
  // they did not affect.
  ScaledPolynomial scaled{{}, scaled_full.shift};
  Polynomial reduced;
  reduced.degree = scaled.p.degree = full.degree - zeros;
  if (scaled.p.degree == 0)
    return 0;
  for (int k = 0; k <= scaled.p.degree; ++k) {
    scaled.p.c[k] = scaled_full.p.c[k + zeros];
    reduced.c[k] = full.c[k + zeros];
  }
  int index[kMaxDegree];
  int m = 0;
  for (int i = 0; i < full.degree; ++i)
    if (!at_zero[i])
      index[m++] = i;
  if (!scaled_full.fits) {
    // The roots lie too far apart for any one power of two to bring them all into the range
    // of doubles. Long double's exponent range holds every root of a polynomial with double
    // coefficients and every term of it there, so the iteration runs unscaled in long double,
    // from the circles of the Newton polygon: the closed forms' approximations of such roots
    // are lost to overflow and underflow. Each root then rounds to the nearest double, which
    // is infinite beyond the largest one and zero or subnormal below the smallest.
    WidePoint y[kMaxDegree];
    Aberth<long double> aberth(reduced, std::span(y, m));
    aberth.StartFromCircles();
    aberth.Sweep(kSweepsFromCircles);
    aberth.CloseUnderConjugation(negligible);
    aberth.DropResidues();
    aberth.MakeProvablyRealRootsReal(negligible);
    for (int k = 0; k < m; ++k)
      roots[index[k]] = {static_cast<double>(y[k].real()), static_cast<double>(y[k].imag())};
    return 0;
  }
  Point y[kMaxDegree];
  for (int k = 0; k < m; ++k)
    y[k] = ToScaled({roots[index[k]].re, roots[index[k]].im}, scaled.shift);
  Aberth<double> aberth(scaled.p, std::span(y, m));
  if (!aberth.CanReachEveryRoot() || !aberth.Sweep(kSweeps)) {
    aberth.StartFromCircles();
    aberth.Sweep(kSweepsFromCircles);
  }
  const double scaled_negligible = TimesPowerOfTwo(negligible, -scaled.shift);
  aberth.CloseUnderConjugation(scaled_negligible);
  aberth.DropResidues();
  aberth.MakeProvablyRealRootsReal(scaled_negligible);
  for (int k = 0; k < m; ++k) {
    const Point x = FromScaled(y[k], scaled.shift);
    roots[index[k]] = {x.real(), x.imag()};
  }
  // Evaluations of the polynomial without its zero roots are not those of the one scaled.
  return zeros == 0 ? aberth.Known(known) : 0;
}
