#pragma once

#include <span>

#include "common/complex_value.h"

// Reorders `roots` so that each stands where the original formula put its nearest root
// (`original`, in the original's order): of all the ways to pair them, the one with the least
// total distance, the given order winning ties. A position that the original filled with a
// value that is not finite is nearest to every root alike, so such positions keep the given
// order. Mending the digits thus never changes the order that the original showed.
void PlaceAtOriginalPositions(std::span<Complex> roots, std::span<const Complex> original);
