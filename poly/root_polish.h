#pragma once

#include <span>

#include "common/complex_value.h"

// Refines approximate roots of the real polynomial coefficients[0]*x^n + ... + coefficients[n]
// (n = roots.size(), at most 4) until p at each of them is down to its own rounding error.
// Roots that are already that good are left exactly as they are, so the closed forms' results
// stand wherever they were right to the last digit.
void PolishRoots(std::span<const double> coefficients, std::span<Complex> roots);
