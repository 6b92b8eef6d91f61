#pragma once

#include <cmath>
#include <span>

#include "poly/accurate_evaluation.h"

// A disc around an approximate root that provably holds a true root of the polynomial.
template <typename Real>
struct BasicInclusionDisc {
  Real radius = HUGE_VAL;
  // The Weierstrass radius n |W_i| alone (infinite where two approximations coincide).
  Real weierstrass = HUGE_VAL;
  // Whether the Weierstrass disc overlaps no other one, so that it holds exactly one root.
  bool isolated = false;
};
using InclusionDisc = BasicInclusionDisc<double>;

// The discs of the n = p.degree approximations z of all the roots of p.
//
// The theorem: with W_i = p(z_i) / (c[n] prod_{j != i} (z_i - z_j)), the Weierstrass correction,
// every root of p lies in the union of the discs |x - z_i| <= n |W_i|, and each connected
// component made of m of these discs holds exactly m roots, counted with multiplicity
// (Braess and Hadeler's inclusion, with the counting of Carstensen's Gerschgorin-type
// theorem for the Weierstrass matrix). Two more discs need no other approximation: since
// p'(z)/p(z) = sum 1/(z - root_k), some root lies within n |p(z)| / |p'(z)| of z (Newton's
// inclusion disc); and since |p(z)| = |c[n]| prod |z - root_k|, some root lies within
// (|p(z)| / |c[n]|)^(1/n) of z. Each radius shown is the smallest of those that apply; each
// bounds the rounding of p(z) from above, and that of p'(z) and the distances from below.
// Where an approximation is not finite, the others' Weierstrass discs do not apply.
void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs);
void InclusionDiscs(const WidePolynomial& p, std::span<const WidePoint> z,
                    std::span<BasicInclusionDisc<long double>> discs);
