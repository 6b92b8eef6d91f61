#pragma once

#include "poly/cube_roots.h"
#include "poly/poly_effects.h"

// Solves a*x^3 + b*x^2 + c*x + d = 0, the numbers of the X^3, X^2, X and constant boxes; what
// it shows replaces what `effects` held.
void CalculateCubic(double a, double b, double c, double d, PolyEffects& effects,
                    RootsWanted wanted = RootsWanted::WithDiscs);

// The roots that the original, unmended formula gives for a*x^3 + b*x^2 + c*x + d (|a| above
// the threshold), before clean-up; not numbers where it shows an earlier cubic's roots. The
// solver places its roots where these are; tests compare with them.
void OriginalCubicRoots(const double (&coefficients)[4], Complex (&roots)[3]);
