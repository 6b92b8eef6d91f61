#pragma once

#include <span>

#include "common/complex_value.h"

// Reorders `roots` so that each stands where the original formula put its nearest root
// (`original`, in the original's order): of all the ways to pair them, the one with the least
// total distance. Totals that differ only by rounding are ties: where the two roots of a
// conjugate pair tie for a position that the original filled, the upper one comes first, and
// otherwise the given order stands. A position that the original filled with a value that is
// not finite is nearest to every root alike. Mending the digits thus never changes the order
// that the original showed.
void PlaceAtOriginalPositions(std::span<Complex> roots, std::span<const Complex> original);
