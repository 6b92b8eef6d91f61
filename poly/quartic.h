#pragma once

#include <string_view>

#include "common/complex_value.h"

#include "poly/poly_effects.h"

// Solves A4*x^4 + A3*x^3 + A2*x^2 + A1*x + A0 = 0 from the texts of the five coefficient
// boxes, from the X^4 box to the constant box.
PolyEffects CalculateQuartic(std::string_view a4, std::string_view a3, std::string_view a2,
                             std::string_view a1, std::string_view a0);

// The roots that the original, unmended formula gives for a quartic that takes its general
// routes (the leading coefficient above the threshold, not a degenerate form), one set for
// each roots update, before clean-up; not numbers where it reads an earlier cubic's roots.
// Returns the number of updates, 1 or 2. The solver places its roots where these are; tests
// compare with them.
int OriginalQuarticRoots(const double (&coefficients)[5], Complex (&roots)[2][4]);
