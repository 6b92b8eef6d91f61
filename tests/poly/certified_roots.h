#pragma once

// The roots of a polynomial as stored, certified by ball arithmetic: each double coefficient is
// taken as the exact rational number it is, the polynomial is split into its square-free
// factors in exact integer arithmetic (FLINT), and the roots of each factor are isolated in
// balls of at least 300 correct bits (Arb's ball arithmetic). Every statement about a disc is then
// a proof or says that it is none. This shares no code with the solvers.

#include <acb.h>
#include <acb_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/poly/root_oracle.h"

enum class Verdict { Yes, No, Unknown };

class CertifiedRoots {
 public:
  // Coefficients from the highest power down, all finite, the leading one non-zero.
  explicit CertifiedRoots(const std::vector<double>& coefficients) {
    fmpz_poly_t p;
    fmpz_poly_init(p);
    const int degree = static_cast<int>(coefficients.size()) - 1;
    // c = m 2^e with an integer m; all of them times 2^-(smallest e) are integers.
    int lowest = INT32_MAX;
    for (double c : coefficients)
      if (c != 0)
        lowest = std::min(lowest, Exponent(c));
    fmpz_t term;
    fmpz_init(term);
    for (int k = 0; k <= degree; ++k) {
      const double c = coefficients[degree - k];
      if (c == 0)
        continue;
      fmpz_set_si(term, static_cast<int64_t>(std::ldexp(c, -Exponent(c))));
      fmpz_mul_2exp(term, term, Exponent(c) - lowest);
      fmpz_poly_set_coeff_fmpz(p, k, term);
    }
    fmpz_clear(term);
    // The powers of x that divide p are exact zero roots.
    int zeros = 0;
    while (fmpz_is_zero(p->coeffs + zeros))
      ++zeros;
    fmpz_poly_shift_right(p, p, zeros);
    if (zeros > 0) {
      acb_ptr zero = _acb_vec_init(1);
      roots_.push_back(zero);
      multiplicity_.push_back(zeros);
    }
    if (fmpz_poly_degree(p) > 0) {
      fmpz_poly_factor_t factors;
      fmpz_poly_factor_init(factors);
      fmpz_poly_factor_squarefree(factors, p);
      for (slong f = 0; f < factors->num; ++f) {
        const slong d = fmpz_poly_degree(factors->p + f);
        acb_ptr found = _acb_vec_init(d);
        Isolate(factors->p + f, found);
        for (slong k = 0; k < d; ++k) {
          acb_ptr root = _acb_vec_init(1);
          acb_set(root, found + k);
          roots_.push_back(root);
          multiplicity_.push_back(static_cast<int>(factors->exp[f]));
        }
        _acb_vec_clear(found, d);
      }
      fmpz_poly_factor_clear(factors);
    }
    fmpz_poly_clear(p);
  }
  CertifiedRoots(const CertifiedRoots&) = delete;
  CertifiedRoots& operator=(const CertifiedRoots&) = delete;
  ~CertifiedRoots() {
    for (acb_ptr root : roots_)
      _acb_vec_clear(root, 1);
  }

  // Whether the closed disc holds a root: Yes and No are proofs.
  Verdict Holds(double re, double im, double radius) const {
    Verdict verdict = Verdict::No;
    for (size_t k = 0; k < roots_.size(); ++k) {
      const Verdict one = Inside(k, re, im, radius);
      if (one == Verdict::Yes)
        return Verdict::Yes;
      if (one == Verdict::Unknown)
        verdict = Verdict::Unknown;
    }
    return verdict;
  }

  // The roots in the closed disc, counted with multiplicity: at least `surely`, at most
  // `possibly`.
  struct Count {
    int surely = 0;
    int possibly = 0;
  };
  Count RootsIn(double re, double im, double radius) const {
    Count count;
    for (size_t k = 0; k < roots_.size(); ++k) {
      const Verdict one = Inside(k, re, im, radius);
      count.surely += one == Verdict::Yes ? multiplicity_[k] : 0;
      count.possibly += one != Verdict::No ? multiplicity_[k] : 0;
    }
    return count;
  }

  // Every root, repeated by its multiplicity, as a centre in long double and a radius that
  // covers the ball and the rounding of its centre.
  std::vector<ReferenceRoot> Reference() const {
    std::vector<ReferenceRoot> roots;
    for (size_t k = 0; k < roots_.size(); ++k) {
      const LongRoot value(LongOf(arb_midref(acb_realref(roots_[k]))),
                           LongOf(arb_midref(acb_imagref(roots_[k]))));
      arf_t radius;
      arf_init(radius);
      arf_set_mag(radius, arb_radref(acb_realref(roots_[k])));
      long double r = LongOf(radius);
      arf_set_mag(radius, arb_radref(acb_imagref(roots_[k])));
      r += LongOf(radius);
      arf_clear(radius);
      r += 2 * std::abs(value) * std::ldexp(1.0L, -63);
      for (int m = 0; m < multiplicity_[k]; ++m)
        roots.push_back({value, r});
    }
    return roots;
  }

 private:
  static constexpr slong kBits = 300;
  static constexpr slong kMostBits = 1 << 17;

  static int Exponent(double c) {
    int e;
    std::frexp(c, &e);
    return e - 53;
  }

  // Starts for the roots of f (f(0) != 0) on the circles of its Newton polygon: each edge
  // from power i to power j of the upper hull of (k, log2 |f_k|) puts j - i starts on the
  // circle of radius 2^((log2 |f_i| - log2 |f_j|) / (j - i)), so that roots of very different
  // sizes each start near their own.
  static void NewtonPolygonStarts(const fmpz_poly_t f, acb_ptr start) {
    const slong d = fmpz_poly_degree(f);
    std::vector<double> log2(d + 1, -HUGE_VAL);
    for (slong k = 0; k <= d; ++k) {
      if (fmpz_is_zero(f->coeffs + k))
        continue;
      slong exponent;
      const double mantissa = fmpz_get_d_2exp(&exponent, f->coeffs + k);
      log2[k] = std::log2(std::fabs(mantissa)) + static_cast<double>(exponent);
    }
    slong filled = 0;
    for (slong i = 0; i < d;) {
      slong next = i + 1;
      double best = HUGE_VAL;
      for (slong j = i + 1; j <= d; ++j) {
        if (log2[j] == -HUGE_VAL)
          continue;
        const double slope = (log2[i] - log2[j]) / static_cast<double>(j - i);
        if (slope <= best) {
          best = slope;
          next = j;
        }
      }
      const double whole = std::floor(best);
      for (slong k = 0; k < next - i; ++k, ++filled) {
        const double angle =
            0.4 + 0.7 * static_cast<double>(i) +
            2 * 3.141592653589793 * static_cast<double>(k) / static_cast<double>(next - i);
        const double size = std::exp2(best - whole);
        acb_set_d_d(start + filled, size * std::cos(angle), size * std::sin(angle));
        acb_mul_2exp_si(start + filled, start + filled, static_cast<slong>(whole));
      }
      i = next;
    }
  }

  // The roots of a square-free integer polynomial f with f(0) != 0: Durand and Kerner's
  // iteration in ball arithmetic from the circles of its Newton polygon, with the coefficients
  // exact, at a precision that doubles until every root is validated (its ball holds exactly
  // one root) to kBits relative bits.
  static void Isolate(const fmpz_poly_t f, acb_ptr found) {
    const slong d = fmpz_poly_degree(f);
    acb_ptr start = _acb_vec_init(d);
    NewtonPolygonStarts(f, start);
    acb_poly_t p;
    acb_poly_init(p);
    for (slong prec = fmpz_poly_max_bits(f) + 2 * kBits;; prec *= 2) {
      const slong exact = std::max(prec, FLINT_ABS(fmpz_poly_max_bits(f)) + 64);
      acb_poly_set_fmpz_poly(p, f, exact);
      bool accurate = acb_poly_find_roots(found, p, start, 0, exact) == d;
      for (slong k = 0; k < d && accurate; ++k)
        accurate = acb_rel_accuracy_bits(found + k) >= kBits;
      // Past that, the balls stay as wide as they are, and the verdicts say Unknown.
      if (accurate || prec > kMostBits)
        break;
      for (slong k = 0; k < d; ++k)
        acb_get_mid(start + k, found + k);
    }
    acb_poly_clear(p);
    _acb_vec_clear(start, d);
  }

  static long double LongOf(const arf_t x) {
    mpfr_t m;
    mpfr_init2(m, 64);
    arf_get_mpfr(m, x, MPFR_RNDN);
    const long double value = mpfr_get_ld(m, MPFR_RNDN);
    mpfr_clear(m);
    return value;
  }

  Verdict Inside(size_t k, double re, double im, double radius) const {
    if (std::isnan(radius) || std::isnan(re) || std::isnan(im))
      return Verdict::Unknown;
    const slong prec = 2 * kBits;
    acb_t centre;
    arb_t distance, r;
    acb_init(centre);
    arb_init(distance);
    arb_init(r);
    acb_set_d_d(centre, re, im);
    acb_sub(centre, centre, roots_[k], prec);
    acb_abs(distance, centre, prec);
    arb_set_d(r, radius);
    const Verdict verdict = arb_le(distance, r)   ? Verdict::Yes
                            : arb_gt(distance, r) ? Verdict::No
                                                  : Verdict::Unknown;
    acb_clear(centre);
    arb_clear(distance);
    arb_clear(r);
    return verdict;
  }

  std::vector<acb_ptr> roots_;
  std::vector<int> multiplicity_;
};
