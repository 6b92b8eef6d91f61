#include "cli/calculation_runner.h"

#include <algorithm>

#include "complex/complex_ops.h"
#include "poly/cubic.h"
#include "poly/quadratic.h"
#include "poly/quartic.h"
#include "vector/vector_ops.h"

namespace {

// The solvers' effects as events, in the order of PolyEffect::Kind.
constexpr CalculationEvent::Kind kEventKinds[] = {
    CalculationEvent::Kind::Message,
    CalculationEvent::Kind::Roots,
    CalculationEvent::Kind::WriteBack,
};

// The parser lets only 3, 4 or 5 coefficients through.
PolyEffects Solve(const std::vector<std::string>& c) {
  if (c.size() == 3)
    return CalculateQuadratic(c[0], c[1], c[2]);
  if (c.size() == 4)
    return CalculateCubic(c[0], c[1], c[2], c[3]);
  return CalculateQuartic(c[0], c[1], c[2], c[3], c[4]);
}

CalculationEvents Run(const RootsRequest& request) {
  CalculationEvents events;
  for (PolyEffect& effect : Solve(request.coefficients))
    events.push_back({kEventKinds[static_cast<int>(effect.kind)], std::move(effect.text),
                      effect.box, std::move(effect.values)});
  return events;
}

CalculationEvents Shown(ResultWithNumbers result) {
  return {{CalculationEvent::Kind::Result,
           std::move(result.text),
           CoefficientBox::Constant,
           {},
           std::move(result.numbers)}};
}

CalculationEvents Run(const ComplexRequest& request) {
  const auto& p = request.parts;
  return Shown(
      ComputeComplexResultWithNumbers(request.operation, {p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}));
}

CalculationEvents Run(const VectorRequest& request) {
  const auto& c = request.components;
  return Shown(ComputeVectorResultWithNumbers(request.dimension, request.operation,
                                              {c[0], c[1], c[2]}, {c[3], c[4], c[5]}));
}

}  // namespace

CalculationEvents RunCalculation(const CalculationRequest& request) {
  return std::visit([](const auto& r) { return Run(r); }, request);
}

bool ProducedResult(const CalculationEvents& events) {
  return std::any_of(events.begin(), events.end(), [](const CalculationEvent& event) {
    return event.kind == CalculationEvent::Kind::Roots ||
           event.kind == CalculationEvent::Kind::Result;
  });
}
