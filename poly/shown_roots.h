#pragma once

#include <span>

#include "common/complex_value.h"
#include "poly/poly_effects.h"

// Whether the parts below the zero threshold are set to zero before the roots are shown
// (the degenerate quartics show their roots as computed, unless refinement replaced them).
enum class CleanUp { No, Yes };

// Turns a closed form's approximations of all the roots of the polynomial of `coefficients`
// (highest power first) into the roots shown, in place: refined on the polynomial as stored,
// cleaned up if asked, and each placed where the original formula put its nearest root
// (`original`). Returns the roots shown with a proven inclusion disc each. Where only the texts
// are wanted and discs proven at the approximations show that, cleaned up, they print the true
// roots' texts in every digit and stand where the placement would put them, they stand as they
// are, cleaned up, and no roots are returned.
RootValues FinishRoots(std::span<const double> coefficients, std::span<Complex> roots,
                       std::span<const Complex> original, CleanUp clean_up, RootsWanted wanted);

// The roots shown with a proven inclusion disc each, for roots computed in closed form.
RootValues ProvenRoots(std::span<const double> coefficients, std::span<const Complex> roots);

// Whether every part of every root, or every coefficient, is finite.
bool AllFinite(std::span<const Complex> roots);
bool AllFinite(std::span<const double> coefficients);
