#include "poly/power_scaling.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// log2 |x| to within 0.09 for x != 0, from the exponent and a straight line through the
// significand: enough for a scale or a starting circle, and far cheaper than log2.
double RoughLog2(double x) {
  const uint64_t bits = std::bit_cast<uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  if (biased == 0)  // subnormal
    return std::ilogb(x) + 0.5;
  const double significand =
      std::bit_cast<double>((bits & 0xfffffffffffffULL) | 0x3ff0000000000000ULL);
  return (biased - 1023) + (significand - 1);
}

// The upper convex hull of the points (k, log2 |c[k]|) for the non-zero c[k]: the powers at its
// corners, from the lowest non-zero power to the degree. Returns the number of corners.
int UpperHull(const Polynomial& p, int (&corners)[kMaxDegree + 1],
              double (&heights)[kMaxDegree + 1]) {
  for (int k = 0; k <= p.degree; ++k)
    heights[k] = p.c[k] != 0 ? RoughLog2(p.c[k]) : -HUGE_VAL;
  int count = 0;
  for (int k = 0; k <= p.degree; ++k) {
    if (p.c[k] == 0)
      continue;
    // Drop the last corner while it lies on or below the line from the one before it to k.
    while (count >= 2) {
      const int i = corners[count - 2], j = corners[count - 1];
      if ((heights[j] - heights[i]) * (k - i) > (heights[k] - heights[i]) * (j - i))
        break;
      --count;
    }
    corners[count++] = k;
  }
  return count;
}

// log2 of the radius of the circle of the hull edge from power i to power j.
double EdgeRadius(const double (&heights)[kMaxDegree + 1], int i, int j) {
  return (heights[i] - heights[j]) / (j - i);
}

// The exponent that brings the largest coefficient near 1 after the shift.
int TopExponent(const Polynomial& p, const double (&heights)[kMaxDegree + 1], int shift) {
  double top = -HUGE_VAL;
  for (int k = 0; k <= p.degree; ++k)
    top = std::max(top, heights[k] + shift * k);
  return static_cast<int>(std::floor(top));
}

// Whether a shift keeps every coefficient's bits (none sinks into the subnormal numbers) and
// every term at the largest root (log2 `largest`) far from overflow.
bool Fits(const Polynomial& p, const double (&heights)[kMaxDegree + 1], int shift, double largest) {
  const int exponent = TopExponent(p, heights, shift);
  for (int k = 0; k <= p.degree; ++k) {
    if (p.c[k] == 0)
      continue;
    const int multiplier = shift * k - exponent;
    if (multiplier < 0 && heights[k] + multiplier < -1020)
      return false;
    if (heights[k] + multiplier + k * (largest - shift) > 1000)
      return false;
  }
  return true;
}

}  // namespace

ScaledPolynomial ScaleToRange(const Polynomial& p) {
  int corners[kMaxDegree + 1];
  double heights[kMaxDegree + 1];
  const int count = UpperHull(p, corners, heights);
  ScaledPolynomial scaled{p, 0};
  if (count < 2)
    return scaled;
  // Radii grow from the lowest edge to the highest. The shift of choice lies midway between
  // them in the logarithm; where the roots span too wide a range for that, no shift, or one
  // that brings the largest or the smallest roots near 1, may keep every coefficient.
  const double smallest = EdgeRadius(heights, corners[0], corners[1]);
  const double largest = EdgeRadius(heights, corners[count - 2], corners[count - 1]);
  const int candidates[] = {static_cast<int>(std::lround((smallest + largest) / 2)), 0,
                            static_cast<int>(std::lround(largest)),
                            static_cast<int>(std::lround(smallest))};
  scaled.shift = candidates[0];
  scaled.fits = false;
  for (int shift : candidates) {
    if (Fits(p, heights, shift, largest)) {
      scaled.shift = shift;
      scaled.fits = true;
      break;
    }
  }
  const int exponent = TopExponent(p, heights, scaled.shift);
  for (int k = 0; k <= p.degree; ++k)
    scaled.p.c[k] = TimesPowerOfTwo(p.c[k], scaled.shift * k - exponent);
  return scaled;
}

template <typename Real>
void NewtonPolygonStarts(const Polynomial& p, std::span<std::complex<Real>> starts) {
  int corners[kMaxDegree + 1];
  double heights[kMaxDegree + 1];
  const int count = UpperHull(p, corners, heights);
  // An angle that no conjugation or half turn maps onto another start, so that the iteration
  // is never stuck on a symmetry of the real polynomial.
  double offset = 0.7;
  size_t next = 0;
  for (int edge = 0; edge + 1 < count; ++edge) {
    const int i = corners[edge], j = corners[edge + 1];
    const Real radius = std::exp2(static_cast<Real>(EdgeRadius(heights, i, j)));
    for (int m = 0; m < j - i; ++m)
      starts[next++] =
          std::polar(radius, static_cast<Real>(offset + 2 * std::numbers::pi * m / (j - i)));
    offset += 1.3;
  }
}
template void NewtonPolygonStarts(const Polynomial& p, std::span<Point> starts);
template void NewtonPolygonStarts(const Polynomial& p, std::span<WidePoint> starts);

int ScaleCoefficients(std::span<double> coefficients) {
  const ScaledPolynomial scaled = ScaleToRange(FromHighestFirst(coefficients));
  for (int k = 0; k <= scaled.p.degree; ++k)
    coefficients[scaled.p.degree - k] = scaled.p.c[k];
  return scaled.shift;
}

void UnscaleRoots(std::span<Complex> roots, int shift) {
  for (Complex& root : roots)
    root = {TimesPowerOfTwo(root.re, shift), TimesPowerOfTwo(root.im, shift)};
}
