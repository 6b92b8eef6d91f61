#pragma once

#include <span>
#include <string>

#include "poly/poly_effects.h"

// Solves the polynomial whose coefficient texts are given from the highest power down, with
// the solver of the degree their number gives: 3 texts for the quadratic, 4 for the cubic,
// 5 for the quartic. The caller guarantees 3, 4 or 5 texts.
PolyEffects CalculatePolynomial(std::span<const std::string> coefficients);
