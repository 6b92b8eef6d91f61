#pragma once

#include <span>

#include "poly/poly_effects.h"

// Solves the polynomial of `coefficients`, the numbers of its boxes from the highest power
// down, with the solver of the degree their number gives: 3 for the quadratic, 4 for the
// cubic, 5 for the quartic; what the solver shows replaces what `effects` held, in its room.
// The caller guarantees 3, 4 or 5 coefficients.
void CalculatePolynomial(std::span<const double> coefficients, PolyEffects& effects,
                         RootsWanted wanted = RootsWanted::WithDiscs);

// The same, for a single calculation.
PolyEffects CalculatePolynomial(std::span<const double> coefficients);
