// The refinement is Aberth's iteration: a Newton step for each root, corrected by the pull of
// the other roots, so that two approximations never settle on one simple root. It runs on
// the polynomial scaled by powers of two (which changes no bit of its steps, only their
// range), evaluates p with twice the working precision, so that roots in a cluster keep
// their digits, and starts again from the circles of the Newton polygon wherever the closed
// forms handed over approximations that cannot lead to every root.

#include "poly/root_refinement.h"

#include <cmath>

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
        if (PartSettled(step.real(), y_[i].real(), y_[i]) &&
            PartSettled(step.imag(), y_[i].imag(), y_[i])) {
          settled_[i] = true;
          continue;
        }
        all_settled = false;
        all_close = all_close && Modulus(step) <= 2 * kUnitRoundoff * Modulus(y_[i]);
        if (IsFinite(y_[i] - step))
          y_[i] -= step;
      }
      if (all_settled)
        return true;
    }
    return all_close;
  }

  // Sets the parts that are rounding residue to 0 (see kNegligiblePart).
  void DropResidues() {
    for (Complex& y : y_) {
      // |re| + |im| lies within a factor of 1.5 of the modulus, and costs no square root.
      const Real negligible = kNegligiblePart * (std::fabs(y.real()) + std::fabs(y.imag()));
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
    InclusionDiscs(p_, y_, discs);
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

 private:
  static bool PartSettled(Real step, Real part, Complex y) {
    return std::fabs(step) <= 2 * kUnitRoundoff * std::fabs(part) + kNegligiblePart * Modulus(y);
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
};

}  // namespace

void RefineRoots(std::span<const double> coefficients, const ScaledPolynomial& scaled_full,
                 std::span<Complex> roots, double negligible) {
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
    return;
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
    aberth.DropResidues();
    aberth.MakeProvablyRealRootsReal(negligible);
    for (int k = 0; k < m; ++k)
      roots[index[k]] = {static_cast<double>(y[k].real()), static_cast<double>(y[k].imag())};
    return;
  }
  Point y[kMaxDegree];
  for (int k = 0; k < m; ++k)
    y[k] = ToScaled({roots[index[k]].re, roots[index[k]].im}, scaled.shift);
  Aberth<double> aberth(scaled.p, std::span(y, m));
  if (!aberth.CanReachEveryRoot() || !aberth.Sweep(kSweeps)) {
    aberth.StartFromCircles();
    aberth.Sweep(kSweepsFromCircles);
  }
  aberth.DropResidues();
  aberth.MakeProvablyRealRootsReal(TimesPowerOfTwo(negligible, -scaled.shift));
  for (int k = 0; k < m; ++k) {
    const Point x = FromScaled(y[k], scaled.shift);
    roots[index[k]] = {x.real(), x.imag()};
  }
}
