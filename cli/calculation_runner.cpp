#include "cli/calculation_runner.h"

#include <algorithm>

#include "complex/complex_ops.h"
#include "poly/polynomial.h"
#include "vector/vector_ops.h"

namespace {

// The parser lets only 3, 4 or 5 coefficients through.
void Run(const RootsRequest& request, CalculationEvents& events) {
  for (PolyEffect& effect : CalculatePolynomial(request.coefficients))
    events.emplace_back(std::move(effect));
}

void Run(const ComplexRequest& request, CalculationEvents& events) {
  const auto& p = request.parts;
  events.emplace_back(
      ComputeComplexResultWithNumbers(request.operation, {p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}));
}

void Run(const VectorRequest& request, CalculationEvents& events) {
  const auto& c = request.components;
  events.emplace_back(ComputeVectorResultWithNumbers(request.dimension, request.operation,
                                                     {c[0], c[1], c[2]}, {c[3], c[4], c[5]}));
}

}  // namespace

void RunCalculation(const CalculationRequest& request, CalculationEvents& events) {
  events.clear();
  std::visit([&events](const auto& r) { Run(r, events); }, request);
}

bool ProducedResult(const CalculationEvents& events) {
  return std::any_of(events.begin(), events.end(), [](const CalculationEvent& event) {
    const auto* effect = std::get_if<PolyEffect>(&event);
    return effect == nullptr || effect->kind == PolyEffect::Kind::ShowRoots;
  });
}
