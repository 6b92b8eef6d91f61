#include "cli/calculation_runner.h"

#include <algorithm>
#include <variant>

#include "complex/complex_ops.h"
#include "poly/polynomial.h"
#include "vector/vector_ops.h"

namespace {

// The parser lets only 3, 4 or 5 coefficients through.
void Run(const RootsRequest& request, CalculationEvents& events, RootsWanted wanted) {
  CalculatePolynomial(request.coefficients, events.effects, wanted);
  events.result.clear();
}

void Run(const ComplexRequest& request, CalculationEvents& events, RootsWanted) {
  const auto& p = request.parts;
  events.effects.clear();
  events.result.clear();
  WriteComplexResult(request.operation, {p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]},
                     events.result.Next());
}

void Run(const VectorRequest& request, CalculationEvents& events, RootsWanted) {
  const auto& c = request.components;
  events.effects.clear();
  events.result.clear();
  WriteVectorResult(request.dimension, request.operation, {c[0], c[1], c[2]}, {c[3], c[4], c[5]},
                    events.result.Next());
}

}  // namespace

void RunCalculation(const CalculationRequest& request, CalculationEvents& events,
                    RootsWanted wanted) {
  std::visit([&events, wanted](const auto& r) { Run(r, events, wanted); }, request);
}

bool ProducedResult(const CalculationEvents& events) {
  return !events.result.empty() ||
         std::any_of(events.effects.begin(), events.effects.end(), [](const PolyEffect& effect) {
           return effect.kind == PolyEffect::Kind::ShowRoots;
         });
}
