#pragma once

#include <span>
#include <string>

#include "common/complex_value.h"

// The Roots box texts of the cubic and quartic solvers: each root as "X<k> = re + j ( im)"
// with %11.5g, the imaginary part printed with its own sign.

// "Complex Roots ..." with X1 to X3, ending in a blank, in place of what `text` held.
void CubicRootsText(const Complex (&roots)[3], std::string& text);

// "Complex Roots ..." with X1 to X4, in place of what `text` held; the two degenerate quartics
// put a blank in front.
enum class LeadingBlank { No, Yes };
void QuarticRootsText(const Complex (&roots)[4], LeadingBlank leading_blank, std::string& text);

// Sets every part of `roots` whose magnitude is below the zero threshold, or which is not a
// number, to positive zero, so that no residue and no "-0" is printed.
void CleanUpRoots(std::span<Complex> roots);
