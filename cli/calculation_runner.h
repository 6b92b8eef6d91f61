#pragma once

#include "cli/calculation_event.h"
#include "cli/calculation_request.h"

// What the calculators show for `request`, in the order they show it, in place of what
// `events` held before: its room is kept, so that a batch costs no new effects a line. The
// polynomial solvers keep their cubic work area from one call to the next, as the program
// keeps it from one press of Calculate to the next. Roots come with their discs unless only
// their texts are wanted (see RootsWanted).
void RunCalculation(const CalculationRequest& request, CalculationEvents& events,
                    RootsWanted wanted = RootsWanted::WithDiscs);

// Whether the calculation showed roots or a result, rather than ending in an input error
// (the quadratic's "Input Error", the cubic's and quartic's leading-coefficient messages).
bool ProducedResult(const CalculationEvents& events);
