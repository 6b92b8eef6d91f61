#pragma once

#include "poly/poly_effects.h"

// Solves a*x^2 + b*x + c = 0, the numbers of the X^2, X and constant boxes; what it shows
// replaces what `effects` held.
void CalculateQuadratic(double a, double b, double c, PolyEffects& effects,
                        RootsWanted wanted = RootsWanted::WithDiscs);
