#include "poly/polynomial.h"

#include "poly/cubic.h"
#include "poly/quadratic.h"
#include "poly/quartic.h"

void CalculatePolynomial(std::span<const double> c, PolyEffects& effects, RootsWanted wanted) {
  if (c.size() == 3)
    CalculateQuadratic(c[0], c[1], c[2], effects, wanted);
  else if (c.size() == 4)
    CalculateCubic(c[0], c[1], c[2], c[3], effects, wanted);
  else
    CalculateQuartic(c[0], c[1], c[2], c[3], c[4], effects, wanted);
}

PolyEffects CalculatePolynomial(std::span<const double> coefficients) {
  PolyEffects effects;
  CalculatePolynomial(coefficients, effects);
  return effects;
}
