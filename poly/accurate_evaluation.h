#pragma once

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

using Point = std::complex<double>;

// p(z) with the accuracy of twice the working precision, p'(z) in plain doubles, and a bound
// that provably covers the error: the true p(z) lies within `bound` of `value`.
struct Evaluation {
  Point value;
  Point slope;
  double bound = 0.0;
};
Evaluation EvaluateAccurately(const Polynomial& p, Point z);

// sum |c[k]| |z|^k, on which every rounding error of Horner's rule depends, rounded up.
double HornerSize(const Polynomial& p, double modulus);
