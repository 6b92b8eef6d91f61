#pragma once

#include <span>

#include "common/complex_value.h"
#include "poly/power_scaling.h"

// Refines approximations of all the roots of the real polynomial coefficients[0]*x^n + ... +
// coefficients[n] (n = roots.size(), 1 to 4, coefficients finite, the leading one non-zero), in
// place. Approximations that are already right to the last bit or two stay exactly as they
// are, so the closed forms' results stand wherever they were right. An imaginary part that
// rounding left on a provably real root is set to zero, unless it is below `negligible`
// (which the caller cleans up anyway). `scaled` is the polynomial as ScaleToRange scales it;
// where no scale fits, the roots are found afresh in long double and rounded to doubles.
// Writes to `known` (room for roots.size()) the evaluations of scaled.p that it made last at
// the refined roots, in scaled.p's variable, and returns how many.
size_t RefineRoots(std::span<const double> coefficients, const ScaledPolynomial& scaled,
                   std::span<Complex> roots, double negligible, std::span<KnownEvaluation> known);
