#pragma once

#include "cli/calculation_event.h"
#include "cli/calculation_request.h"

// What the calculators show for `request`, in the order they show it. The polynomial solvers
// keep their cubic work area from one call to the next, as the program keeps it from one
// press of Calculate to the next.
CalculationEvents RunCalculation(const CalculationRequest& request);

// Whether the calculation showed roots or a result, rather than ending in an input error
// (the quadratic's "Input Error", the cubic's and quartic's leading-coefficient messages).
bool ProducedResult(const CalculationEvents& events);
