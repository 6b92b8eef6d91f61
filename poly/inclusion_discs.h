#pragma once

#include <cmath>
#include <span>

#include "poly/accurate_evaluation.h"

// A disc around an approximate root that provably holds a true root of the polynomial.
template <typename Real>
struct BasicInclusionDisc {
  Real radius = HUGE_VAL;
  // The Weierstrass radius n |W_i| alone (infinite where two approximations coincide). It
  // holds a root on its own only where the disc is isolated.
  Real weierstrass = HUGE_VAL;
  // Whether the Weierstrass disc overlaps no other one, so that it holds exactly one root.
  bool isolated = false;
};
using InclusionDisc = BasicInclusionDisc<double>;

// The discs of the n = p.degree approximations z of all the roots of p. Each radius is the
// smallest of the bounds below that apply to it, and each of these holds a root by itself.
//
// The Weierstrass discs: with the z_i distinct and W_i = p(z_i) / (c[n] prod_{j != i} (z_i -
// z_j)), the Weierstrass correction, every root of p lies in the union of the discs
// |x - z_i| <= n |W_i|, and each connected component of that union made of m of the discs holds
// exactly m roots, counted with multiplicity (Carstensen's Gerschgorin-type theorem for the
// Weierstrass matrix, after Braess and Hadeler). A disc may belong to a component of several
// discs and hold no root itself, so n |W_i| is a radius only for a disc that overlaps no other.
// From the components, for the disc of z_i in a component K of m discs:
//   - the group bound: the m roots of K lie in its discs, so one lies within
//     max_{j in K} (|z_i - z_j| + n |W_j|) of z_i;
//   - the cluster bound: every root outside K lies in the disc of some z_j of another component
//     L, at least d_L = min_{j in L} (|z_i - z_j| - n |W_j|) > 0 from z_i, and L holds as many
//     roots as it has discs. Since |p(z_i)| = |c[n]| prod_k |z_i - root_k|, the m roots of K
//     satisfy prod_{k in K} |z_i - root_k| <= |p(z_i)| / (|c[n]| prod_{j not in K} d_{L(j)}), so
//     one lies within the m-th root of that. With K all of the discs (m = n), or where the
//     Weierstrass discs do not apply, this is (|p(z_i)| / |c[n]|)^(1/n).
// Newton's inclusion disc, which needs no other approximation: since p'(z)/p(z) = sum_k
// 1/(z - root_k), some root lies within n |p(z)| / |p'(z)| of z.
//
// Each bound takes |p(z_i)| rounded up, its evaluation error included, and p'(z_i), the
// distances and products rounded down, so that rounding can only widen a disc. Where an
// approximation is not finite, the Weierstrass discs do not apply to the others either.
// Evaluations of p already made at some of the z are taken from `known` (see KnownEvaluation).
void InclusionDiscs(const Polynomial& p, std::span<const Point> z, std::span<InclusionDisc> discs,
                    std::span<const KnownEvaluation> known = {});
void InclusionDiscs(const WidePolynomial& p, std::span<const WidePoint> z,
                    std::span<BasicInclusionDisc<long double>> discs);

// The discs of the n = p.degree approximations z of all the roots of p where they are all
// isolated, from evaluations in plain arithmetic on p in any range of doubles (EvaluatePlainly):
// each radius min(n |W_i|, Newton's), rounded up, in `radii`. Returns false, and leaves
// `radii` meaningless, where any Weierstrass disc overlaps another or is not finite, or a
// coefficient or approximation is not. A cheap first try before InclusionDiscs, which needs
// the polynomial scaled and evaluates it with twice the working precision.
bool IsolatedDiscs(const Polynomial& p, std::span<const Point> z, std::span<double> radii);
