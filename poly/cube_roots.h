#pragma once

#include "common/complex_value.h"

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

// The depressed form y^3 + p*y + q = 0 of the work area's cubic, with x = y - b/(3a).
struct DepressedCubic {
  double p = 0.0;
  double q = 0.0;
};
DepressedCubic DepressCubic(const CubicWorkArea& cubic);

// Which formula a closed form follows: the original one, kept to tell where the original put
// each root, or the one mended where the original loses a root's digits altogether. A mended
// closed form returns whether it put the roots in another order than the original would
// have, where the original's roots are numbers at all.
enum class Formula { Original, Mended };

// Cardano's method on CubicWork: reads a, b, c, d (left unchanged), writes x1, x2, x3.
// The caller guarantees a != 0.
bool SolveCubic(Formula formula);

// The roots of a*x^3 + d = 0: replaces CubicWork.d by -d/a and writes x1, x2, x3.
// The caller guarantees a != 0.
void SolvePureCubic();
