#pragma once

#include <string_view>

#include "common/complex_value.h"
#include "poly/poly_effects.h"

// Magnitudes below this count as zero in the cubic and quartic solvers.
inline constexpr double kZeroThreshold = 1e-8;

// The work area of one cubic a*x^3 + b*x^2 + c*x + d, shared by the cube-root routines and
// the cubic and quartic solvers. It lives for the whole run of the program, starts zeroed and
// is never cleared.
struct CubicWorkArea {
  double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
  Complex x1, x2, x3;
};
extern CubicWorkArea CubicWork;

// Cardano's method on CubicWork: reads a, b, c, d (left unchanged), writes x1, x2, x3.
// A failed complex division adds the message "Complex division error." to `effects` and
// the computation goes on. The caller guarantees a != 0.
void SolveCubic(PolyEffects& effects);

// The roots of a*x^3 + d = 0: replaces CubicWork.d by -d/a and writes x1, x2, x3.
// The caller guarantees a != 0.
void SolvePureCubic();

// Solves a*x^3 + b*x^2 + c*x + d = 0 from the texts of the X^3, X^2, X and constant boxes.
PolyEffects CalculateCubic(std::string_view a, std::string_view b, std::string_view c,
                           std::string_view d);
