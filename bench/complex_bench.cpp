// Each complex operation from the six box texts to the finished result text.
#include <benchmark/benchmark.h>

#include "common/field_number.h"
#include "complex/complex_ops.h"

namespace {

void ComplexResult(benchmark::State& state) {
  const int position = static_cast<int>(state.range(0));
  const auto operation = static_cast<ComplexOperation>(position);
  const char* const boxes[] = {"1.5", "-2.25", "3", "-4", "0.5", "7"};
  for (auto _ : state) {
    const Complex x{FieldNumber(boxes[0]), FieldNumber(boxes[1])};
    const Complex y{FieldNumber(boxes[2]), FieldNumber(boxes[3])};
    const Complex z{FieldNumber(boxes[4]), FieldNumber(boxes[5])};
    benchmark::DoNotOptimize(ComputeComplexResult(operation, x, y, z));
  }
  state.SetLabel(kComplexOperationNames[position]);
}

}  // namespace

BENCHMARK(ComplexResult)->DenseRange(0, kComplexOperationCount - 1);
