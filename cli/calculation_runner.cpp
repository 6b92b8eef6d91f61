#include "cli/calculation_runner.h"

#include <algorithm>
#include <iterator>

#include "complex/complex_ops.h"
#include "poly/polynomial.h"
#include "vector/vector_ops.h"

namespace {

// The parser lets only 3, 4 or 5 coefficients through.
CalculationEvents Run(const RootsRequest& request) {
  PolyEffects effects = CalculatePolynomial(request.coefficients);
  return {std::make_move_iterator(effects.begin()), std::make_move_iterator(effects.end())};
}

CalculationEvents Run(const ComplexRequest& request) {
  const auto& p = request.parts;
  return {
      ComputeComplexResultWithNumbers(request.operation, {p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]})};
}

CalculationEvents Run(const VectorRequest& request) {
  const auto& c = request.components;
  return {ComputeVectorResultWithNumbers(request.dimension, request.operation, {c[0], c[1], c[2]},
                                         {c[3], c[4], c[5]})};
}

}  // namespace

CalculationEvents RunCalculation(const CalculationRequest& request) {
  return std::visit([](const auto& r) { return Run(r); }, request);
}

bool ProducedResult(const CalculationEvents& events) {
  return std::any_of(events.begin(), events.end(), [](const CalculationEvent& event) {
    const auto* effect = std::get_if<PolyEffect>(&event);
    return effect == nullptr || effect->kind == PolyEffect::Kind::ShowRoots;
  });
}
