#pragma once

#include "common/complex_value.h"

#include "poly/poly_effects.h"

// Solves A4*x^4 + A3*x^3 + A2*x^2 + A1*x + A0 = 0, the numbers of the five coefficient boxes
// from the X^4 box to the constant box; what it shows replaces what `effects` held.
void CalculateQuartic(double a4, double a3, double a2, double a1, double a0, PolyEffects& effects,
                      RootsWanted wanted = RootsWanted::WithDiscs);

// The roots that the original, unmended formula gives for a quartic that takes its general
// routes (the leading coefficient above the threshold, not a degenerate form), one set for
// each roots update, before clean-up; not numbers where it reads an earlier cubic's roots.
// Returns the number of updates, 1 or 2. The solver places its roots where these are; tests
// compare with them.
int OriginalQuarticRoots(const double (&coefficients)[5], Complex (&roots)[2][4]);
