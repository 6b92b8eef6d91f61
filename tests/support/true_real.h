#pragma once

#include <mpfr.h>

#include <cmath>
#include <cstdio>
#include <cstring>

// A real number carried by MPFR with so many bits that every sum of products of doubles is
// exact (a product of two doubles spans 2^-2148 to 2^2048) and the functions taken of such a
// value are far more precise than five digits need: the oracle of the accuracy tests.
class TrueReal {
 public:
  static constexpr mpfr_prec_t kBits = 4400;

  TrueReal() : TrueReal(0.0) {}
  TrueReal(double value) {  // NOLINT: a double converts exactly, as in arithmetic
    mpfr_init2(v_, kBits);
    mpfr_set_d(v_, value, MPFR_RNDN);
  }
  TrueReal(const TrueReal& other) {
    mpfr_init2(v_, kBits);
    mpfr_set(v_, other.v_, MPFR_RNDN);
  }
  TrueReal& operator=(const TrueReal& other) {
    mpfr_set(v_, other.v_, MPFR_RNDN);
    return *this;
  }
  ~TrueReal() { mpfr_clear(v_); }

  // The nearest double, subnormal numbers and infinities included.
  double ToDouble() const {
    // MPFR's own exponent range is wider than a double's; rounding to a subnormal double
    // needs the double's range and its subnormal rule.
    const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_t rounded;
    mpfr_init2(rounded, 53);
    const int inexact = mpfr_set(rounded, v_, MPFR_RNDN);
    mpfr_subnormalize(rounded, mpfr_check_range(rounded, inexact, MPFR_RNDN), MPFR_RNDN);
    const double value = mpfr_get_d(rounded, MPFR_RNDN);
    mpfr_clear(rounded);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    return value;
  }

  bool IsZero() const { return mpfr_zero_p(v_) != 0; }
  int Sign() const { return mpfr_sgn(v_); }

  friend TrueReal operator+(const TrueReal& a, const TrueReal& b) { return Apply(mpfr_add, a, b); }
  friend TrueReal operator-(const TrueReal& a, const TrueReal& b) { return Apply(mpfr_sub, a, b); }
  friend TrueReal operator*(const TrueReal& a, const TrueReal& b) { return Apply(mpfr_mul, a, b); }
  friend TrueReal operator/(const TrueReal& a, const TrueReal& b) { return Apply(mpfr_div, a, b); }
  TrueReal operator-() const { return Apply(mpfr_neg, *this); }
  friend bool operator<(const TrueReal& a, const TrueReal& b) { return mpfr_less_p(a.v_, b.v_); }

  friend TrueReal Ldexp(const TrueReal& a, long exponent) {
    TrueReal result;
    mpfr_mul_2si(result.v_, a.v_, exponent, MPFR_RNDN);
    return result;
  }
  friend TrueReal Sqrt(const TrueReal& a) { return Apply(mpfr_sqrt, a); }
  friend TrueReal Abs(const TrueReal& a) { return Apply(mpfr_abs, a); }
  friend TrueReal Log(const TrueReal& a) { return Apply(mpfr_log, a); }
  friend TrueReal Exp(const TrueReal& a) { return Apply(mpfr_exp, a); }
  friend TrueReal Cos(const TrueReal& a) { return Apply(mpfr_cos, a); }
  friend TrueReal Sin(const TrueReal& a) { return Apply(mpfr_sin, a); }
  friend TrueReal Atan2(const TrueReal& y, const TrueReal& x) { return Apply(mpfr_atan2, y, x); }
  static TrueReal Pi() {
    TrueReal pi;
    mpfr_const_pi(pi.v_, MPFR_RNDN);
    return pi;
  }

 private:
  static TrueReal Apply(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), const TrueReal& a) {
    TrueReal result;
    f(result.v_, a.v_, MPFR_RNDN);
    return result;
  }
  static TrueReal Apply(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t), const TrueReal& a,
                        const TrueReal& b) {
    TrueReal result;
    f(result.v_, a.v_, b.v_, MPFR_RNDN);
    return result;
  }

  mpfr_t v_;
};

// Whether `shown` prints with five significant digits as the true value does once it is
// rounded to the nearest double, which is the best any double can show. Zeros of either sign
// are one value here; so are NaNs.
inline bool PrintsTrueDigits(double shown, const TrueReal& truth) {
  const double best = truth.ToDouble();
  if (std::isnan(best) || std::isnan(shown))
    return std::isnan(best) && std::isnan(shown);
  if (best == 0 || shown == 0)
    return best == shown;
  char a[32], b[32];
  std::snprintf(a, sizeof a, "%.5g", shown);
  std::snprintf(b, sizeof b, "%.5g", best);
  return std::strcmp(a, b) == 0;
}
