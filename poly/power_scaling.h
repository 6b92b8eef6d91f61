#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "common/complex_value.h"
#include "poly/accurate_evaluation.h"

// x = 2^shift * y, and every coefficient multiplied by one more power of two: a change of
// scale that is exact in binary (short of underflow) and moves the roots' moduli to both
// sides of 1, whatever range the coefficients span.
struct ScaledPolynomial {
  Polynomial p;  // in y
  int shift = 0;
  // Whether the scaled polynomial keeps every coefficient's bits and its terms at the largest
  // root far from overflow. Roots that lie more than about 2^1000 apart fit no single shift.
  bool fits = true;
};

// The shift centres the range of root moduli that the Newton polygon of the coefficients
// gives; the largest coefficient of the scaled polynomial lies near 1. A polynomial with
// c[0] = 0 is scaled like one without its zero roots. Where no shift fits, the one that
// centres the range is taken.
ScaledPolynomial ScaleToRange(const Polynomial& p);

// x * 2^exponent: a multiplication where 2^exponent is a normal double, as exact as ldexp and
// much cheaper.
inline double TimesPowerOfTwo(double x, int exponent) {
  if (exponent < -1022 || exponent > 1023)
    return std::ldexp(x, exponent);
  return x * std::bit_cast<double>(static_cast<uint64_t>(exponent + 1023) << 52);
}

inline Point ToScaled(Point x, int shift) {
  return {TimesPowerOfTwo(x.real(), -shift), TimesPowerOfTwo(x.imag(), -shift)};
}
inline Point FromScaled(Point y, int shift) {
  return {TimesPowerOfTwo(y.real(), shift), TimesPowerOfTwo(y.imag(), shift)};
}

// Starting points for all the roots of p (c[0] != 0), on the circles of the Newton polygon of
// |c[k]|: each edge from power i to power j of its upper hull puts j - i points on the circle of
// radius (|c[i]| / |c[j]|)^(1/(j - i)), so that roots of very different sizes each start near
// their own size. With roots of one size this is the classic starting circle.
// The starts are doubles, or long doubles where the circles lie beyond the range of doubles.
template <typename Real>
void NewtonPolygonStarts(const Polynomial& p, std::span<std::complex<Real>> starts);

// Scales the coefficients of a polynomial given from the highest power down, as ScaleToRange
// does, in place; returns the shift.
int ScaleCoefficients(std::span<double> coefficients);

// Takes roots of the scaled polynomial back to roots of the polynomial before scaling.
void UnscaleRoots(std::span<Complex> roots, int shift);
