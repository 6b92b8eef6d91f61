#pragma once

#include <span>

#include "poly/accurate_evaluation.h"

// A disc around an approximate root that provably holds a true root of the polynomial.
struct InclusionDisc {
  double radius = HUGE_VAL;
  // The Weierstrass radius n |W_i| alone (infinite where two approximations coincide).
  double weierstrass = HUGE_VAL;
  // Whether the Weierstrass disc overlaps no other one, so that it holds exactly one root.
  bool isolated = false;
};

// The discs of the n = p.degree approximations z of all the roots of p.
//
// The theorem: with W_i = p(z_i) / (c[n] prod_{j != i} (z_i - z_j)), the Weierstrass correction,
// every root of p lies in the union of the discs |x - z_i| <= n |W_i|, and each connected
// component made of m of these discs holds exactly m roots, counted with multiplicity
// (Braess and Hadeler's inclusion, with the counting of Carstensen's Gerschgorin-type
// theorem for the Weierstrass matrix). A second, cruder disc needs no other approximation:
// |p(z)| = |c[n]| prod |z - root_k| >= |c[n]| min_k |z - root_k|^n, so some root lies within
// (|p(z)| / |c[n]|)^(1/n) of z. Each radius shown is the smaller of the two, each bounds the
// rounding of p(z) from above and the rounding of the distances from below.
void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs);
