#include "poly/shown_roots.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "poly/cube_roots.h"
#include "poly/inclusion_discs.h"
#include "poly/original_order.h"
#include "poly/power_scaling.h"
#include "poly/root_refinement.h"
#include "poly/roots_text.h"

bool AllFinite(std::span<const double> coefficients) {
  return std::all_of(coefficients.begin(), coefficients.end(),
                     [](double c) { return std::isfinite(c); });
}

namespace {

// A disc's radius as a double, rounded up.
double RoundedUp(long double radius) {
  const double rounded = static_cast<double>(radius);
  return rounded < radius ? std::nextafter(rounded, HUGE_VAL) : rounded;
}

// The discs of roots that no one scale brings into range, proven on the polynomial as stored
// in long double, which holds all of its roots and terms.
void ProveUnscaled(std::span<const double> coefficients, std::span<RootValue> values) {
  const WidePolynomial p = Widened(FromHighestFirst(coefficients));
  WidePoint z[kMaxDegree];
  for (size_t i = 0; i < values.size(); ++i)
    z[i] = {values[i].re, values[i].im};
  BasicInclusionDisc<long double> discs[kMaxDegree];
  InclusionDiscs(p, std::span(z, values.size()), discs);
  for (size_t i = 0; i < values.size(); ++i) {
    values[i].radius = RoundedUp(discs[i].radius);
    values[i].isolated = discs[i].isolated;
  }
}

// The discs are proven on the scaled polynomial, whose roots are those of the polynomial as
// stored divided by a power of two.
std::vector<RootValue> Proven(std::span<const double> coefficients, const ScaledPolynomial& scaled,
                              std::span<const Complex> roots) {
  std::vector<RootValue> values;
  values.reserve(roots.size());
  for (const Complex& root : roots)
    values.push_back({root.re, root.im, HUGE_VAL, false});
  if (!AllFinite(coefficients))
    return values;
  if (!scaled.fits) {
    ProveUnscaled(coefficients, values);
    return values;
  }
  Point y[kMaxDegree];
  double moved[kMaxDegree];
  for (size_t i = 0; i < roots.size(); ++i) {
    const Point x{roots[i].re, roots[i].im};
    y[i] = ToScaled(x, scaled.shift);
    // Scaling is exact unless it underflows; the disc then widens by what it lost.
    moved[i] = Modulus(FromScaled(y[i], scaled.shift) - x);
  }
  InclusionDisc discs[kMaxDegree];
  InclusionDiscs(scaled.p, std::span(y, roots.size()), discs);
  for (size_t i = 0; i < roots.size(); ++i) {
    // Scaling back is exact, short of a radius that sinks into the subnormal numbers.
    double radius = std::ldexp(discs[i].radius, scaled.shift);
    if (radius < DBL_MIN && discs[i].radius > 0)
      radius = std::nextafter(radius, HUGE_VAL);
    values[i].radius = radius + 2 * moved[i];
    // A root beyond the range of doubles (or one that scaling lost) proves nothing.
    if (std::isnan(values[i].radius))
      values[i].radius = HUGE_VAL;
    values[i].isolated = discs[i].isolated && moved[i] == 0;
  }
  return values;
}

}  // namespace

std::vector<RootValue> ProvenRoots(std::span<const double> coefficients,
                                   std::span<const Complex> roots) {
  return Proven(coefficients, ScaleToRange(FromHighestFirst(coefficients)), roots);
}

bool AllFinite(std::span<const Complex> roots) {
  return std::all_of(roots.begin(), roots.end(), [](const Complex& root) {
    return std::isfinite(root.re) && std::isfinite(root.im);
  });
}

std::vector<RootValue> FinishRoots(std::span<const double> coefficients, std::span<Complex> roots,
                                   std::span<const Complex> original, CleanUp clean_up) {
  const ScaledPolynomial scaled = ScaleToRange(FromHighestFirst(coefficients));
  Complex computed[4];
  std::copy(roots.begin(), roots.end(), computed);
  if (AllFinite(coefficients))
    RefineRoots(coefficients, scaled, roots, kZeroThreshold);
  // Roots shown as computed are cleaned up where the refinement had to replace them, so that
  // its rounding residue on a part that is zero does not print.
  for (size_t k = 0; k < roots.size(); ++k)
    if (clean_up == CleanUp::Yes || roots[k].re != computed[k].re || roots[k].im != computed[k].im)
      CleanUpRoots(roots.subspan(k, 1));
  PlaceAtOriginalPositions(roots, original);
  return Proven(coefficients, scaled, roots);
}
