#pragma once

#include <cmath>
#include <complex>
#include <span>

// A real polynomial of degree 1 to 4, its coefficients indexed by power: c[k] goes with x^k.
inline constexpr int kMaxDegree = 4;
struct Polynomial {
  int degree = 0;
  double c[kMaxDegree + 1] = {};
};

// The polynomial of coefficients given from the highest power down, as the boxes hold them.
Polynomial FromHighestFirst(std::span<const double> coefficients);

// A point of the refinement. The calculators' own Complex carries the roots in and out; the
// refinement's arithmetic is std::complex's operators, whose products treat infinite and NaN
// parts by C's rules (Annex G). Operators written out again for Complex would be a second copy
// of them that differs there, so the refinement stays on std::complex.
using Point = std::complex<double>;

// |z| within two units of the last place, without hypot's cost where the squares stay in range.
inline double Modulus(Point z) {
  const double square = z.real() * z.real() + z.imag() * z.imag();
  if ((square > 0x1p-1000 && square < 0x1p1000) || z == 0.0)
    return std::sqrt(square);
  return std::hypot(z.real(), z.imag());
}

// x / y written out, without the library's care for infinities (callers test the result).
inline Point Quotient(Point x, Point y) {
  const double norm = y.real() * y.real() + y.imag() * y.imag();
  return {(x.real() * y.real() + x.imag() * y.imag()) / norm,
          (x.imag() * y.real() - x.real() * y.imag()) / norm};
}

// p(z) with the accuracy of twice the working precision, p'(z) in plain doubles, and bounds
// that provably cover the errors: the true p(z) lies within `bound` of `value`, the true
// p'(z) within `slope_bound` of `slope`.
struct Evaluation {
  Point value;
  Point slope;
  double bound = 0.0;
  double slope_bound = 0.0;
};
Evaluation EvaluateAccurately(const Polynomial& p, Point z);

// sum |c[k]| |z|^k, on which every rounding error of Horner's rule depends, rounded up.
double HornerSize(const Polynomial& p, double modulus);
