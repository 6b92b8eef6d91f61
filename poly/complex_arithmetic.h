#pragma once

#include <cmath>

#include "common/complex_value.h"

// The complex steps the polynomial solvers share, each written out part by part in the one
// grouping that every solver uses, since the printed digits depend on it.

// x * y = (x.re*y.re - x.im*y.im, x.re*y.im + x.im*y.re).
inline Complex Product(Complex x, Complex y) {
  return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}

// The real number `numerator` divided by `divisor`, whose squared modulus the caller has
// already formed as `norm`.
inline Complex RealOverComplex(double numerator, Complex divisor, double norm) {
  return {(numerator * divisor.re + 0.0 * divisor.im) / norm,
          (0.0 * divisor.re - numerator * divisor.im) / norm};
}

// The squared modulus re^2 + im^2, both squares taken with pow.
inline double SquaredModulus(Complex z) {
  return std::pow(z.re, 2.0) + std::pow(z.im, 2.0);
}

inline double Modulus(Complex z) {
  return std::hypot(z.re, z.im);
}

// The principal root of z by the polar rule: modulus SquaredModulus(z)^exponent, angle
// atan2(im, re) / angle_divisor. The square root takes 0.25 and 2, the fourth root 0.125
// and 4.
inline Complex PolarRoot(Complex z, double exponent, double angle_divisor) {
  const double m = std::pow(SquaredModulus(z), exponent);
  const double theta = std::atan2(z.im, z.re) / angle_divisor;
  return {m * std::cos(theta), m * std::sin(theta)};
}

// The rotation by +120 degrees, -0.5 + j*sqrt(3)/2; its conjugate turns by -120 degrees.
inline Complex ThirdTurn() {
  return {-0.5, std::sqrt(3.0) / 2};
}

inline Complex Conjugate(Complex z) {
  return {z.re, -z.im};
}
