#pragma once

#include <string_view>

#include "poly/cube_roots.h"
#include "poly/poly_effects.h"

// Solves a*x^3 + b*x^2 + c*x + d = 0 from the texts of the X^3, X^2, X and constant boxes.
PolyEffects CalculateCubic(std::string_view a, std::string_view b, std::string_view c,
                           std::string_view d);
