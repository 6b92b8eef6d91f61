#pragma once

#include "common/fixed_list.h"
#include "common/result_text.h"
#include "poly/poly_effects.h"

// What one calculation shows, in the order the program would show it: the effects of a
// polynomial solver on its dialog (messages, the roots, write-backs into coefficient boxes),
// or the result text of the complex or vector calculator with the numbers it shows, which the
// program shows in a message box. A batch keeps one from line to line, and the effects and
// the result keep their room, a polynomial's line between two results included.
struct CalculationEvents {
  PolyEffects effects;
  FixedList<ResultWithNumbers, 1> result = {};  // none, or the one result

  bool operator==(const CalculationEvents&) const = default;
};
