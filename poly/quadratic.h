#pragma once

#include <string_view>

#include "poly/poly_effects.h"

// Solves a*x^2 + b*x + c = 0 from the texts of the X^2, X and constant boxes.
PolyEffects CalculateQuadratic(std::string_view a, std::string_view b, std::string_view c);
