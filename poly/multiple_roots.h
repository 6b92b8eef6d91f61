#pragma once

#include <span>

#include "common/complex_value.h"

// A root of multiplicity 2 or more of a polynomial as stored, the nearest doubles to it, and a
// bound on their distance from it.
struct MultipleRoot {
  Complex value;
  double radius = 0;
  int multiplicity = 0;
};

// The multiple roots of the polynomial of `coefficients` (highest power first, of degree 2 to
// 4, all finite, the leading one non-zero), found exactly: each
// double is the rational number m 2^e that it stands for, so the polynomial times a power of
// two has integer coefficients, and the greatest common divisor g of p and p', which an
// exact Euclidean remainder sequence gives, has the multiple roots of p as its roots, each
// once less often. Of degree 3 at most, g gives them in closed form: a rational root from its
// two coefficients, or the two roots of a quadratic with an exact discriminant. Writes them to
// `roots` and returns how many there are (0 where p has no multiple root, or where a root lies
// beyond the range of doubles).
int ExactMultipleRoots(std::span<const double> coefficients, std::span<MultipleRoot, 4> roots);
