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

// The parts of a point known only to lie in a box, each between its bounds.
struct Box {
  double re_low, re_high, im_low, im_high;
};

// Whether PlaceAtOriginalPositions leaves roots in the order given wherever each of them lies
// in its box (boxes[k] for the root given k-th): every point of each box is nearer to its own
// position than any point of it is to another one, by more than what the placement takes for
// rounding. The positions must all be finite.
bool KeepsGivenOrder(std::span<const Box> boxes, std::span<const Complex> original);
