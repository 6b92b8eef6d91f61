#include "poly/polynomial.h"

#include "poly/cubic.h"
#include "poly/quadratic.h"
#include "poly/quartic.h"

PolyEffects CalculatePolynomial(std::span<const std::string> c) {
  if (c.size() == 3)
    return CalculateQuadratic(c[0], c[1], c[2]);
  if (c.size() == 4)
    return CalculateCubic(c[0], c[1], c[2], c[3]);
  return CalculateQuartic(c[0], c[1], c[2], c[3], c[4]);
}
