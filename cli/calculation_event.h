#pragma once

#include <variant>
#include <vector>

#include "common/result_text.h"
#include "poly/poly_effects.h"

// One thing a calculation shows, in the order the program would show it: an effect of a
// polynomial solver on its dialog (a message, the roots, a write-back into a coefficient box),
// or the result text of the complex or vector calculator with the numbers it shows, which the
// program shows in a message box.
using CalculationEvent = std::variant<PolyEffect, ResultWithNumbers>;

using CalculationEvents = std::vector<CalculationEvent>;
