#pragma once

#include <string_view>

#include "poly/poly_effects.h"

// Solves A4*x^4 + A3*x^3 + A2*x^2 + A1*x + A0 = 0 from the texts of the five coefficient
// boxes, from the X^4 box to the constant box.
PolyEffects CalculateQuartic(std::string_view a4, std::string_view a3, std::string_view a2,
                             std::string_view a1, std::string_view a0);
