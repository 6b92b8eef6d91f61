#include "poly/power_scaling.h"

#include <cmath>
#include <numbers>

namespace {

// The upper convex hull of the points (k, log2 |c[k]|) for the non-zero c[k]: the powers at its
// corners, from the lowest non-zero power to the degree. Returns the number of corners.
int UpperHull(const Polynomial& p, int (&corners)[kMaxDegree + 1],
              double (&heights)[kMaxDegree + 1]) {
  for (int k = 0; k <= p.degree; ++k)
    heights[k] = p.c[k] != 0 ? std::log2(std::fabs(p.c[k])) : -HUGE_VAL;
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

}  // namespace

ScaledPolynomial ScaleToRange(const Polynomial& p) {
  int corners[kMaxDegree + 1];
  double heights[kMaxDegree + 1];
  const int count = UpperHull(p, corners, heights);
  ScaledPolynomial scaled{p, 0};
  if (count >= 2) {
    // Radii fall from the highest edge to the lowest; the shift lies midway in the logarithm.
    const double smallest = EdgeRadius(heights, corners[0], corners[1]);
    const double largest = EdgeRadius(heights, corners[count - 2], corners[count - 1]);
    scaled.shift = static_cast<int>(std::lround((smallest + largest) / 2));
  }
  int top = INT32_MIN;
  for (int k = 0; k <= p.degree; ++k)
    if (p.c[k] != 0)
      top = std::max(top, std::ilogb(p.c[k]) + scaled.shift * k);
  if (top == INT32_MIN)
    return scaled;
  for (int k = 0; k <= p.degree; ++k)
    scaled.p.c[k] = std::ldexp(p.c[k], scaled.shift * k - top);
  return scaled;
}

void NewtonPolygonStarts(const Polynomial& p, std::span<Point> starts) {
  int corners[kMaxDegree + 1];
  double heights[kMaxDegree + 1];
  const int count = UpperHull(p, corners, heights);
  // An angle that no conjugation or half turn maps onto another start, so that the iteration
  // is never stuck on a symmetry of the real polynomial.
  double offset = 0.7;
  size_t next = 0;
  for (int edge = 0; edge + 1 < count; ++edge) {
    const int i = corners[edge], j = corners[edge + 1];
    const double radius = std::exp2(EdgeRadius(heights, i, j));
    for (int m = 0; m < j - i; ++m)
      starts[next++] = std::polar(radius, offset + 2 * std::numbers::pi * m / (j - i));
    offset += 1.3;
  }
}

int ScaleCoefficients(std::span<double> coefficients) {
  const ScaledPolynomial scaled = ScaleToRange(FromHighestFirst(coefficients));
  for (int k = 0; k <= scaled.p.degree; ++k)
    coefficients[scaled.p.degree - k] = scaled.p.c[k];
  return scaled.shift;
}

void UnscaleRoots(std::span<Complex> roots, int shift) {
  for (Complex& root : roots)
    root = {std::ldexp(root.re, shift), std::ldexp(root.im, shift)};
}
