// Each vector operation from the six box texts to the finished result text, in both layouts.
#include <benchmark/benchmark.h>

#include "common/field_number.h"
#include "vector/vector_ops.h"

namespace {

void VectorOperationText(benchmark::State& state) {
  const int dimension = static_cast<int>(state.range(0));
  const auto operation = static_cast<VectorOperation>(state.range(1));
  const char* const boxes[] = {"1", "2.5", dimension == 1 ? "-3" : "0",
                               "4", "-5",  dimension == 1 ? "6.75" : "0"};
  for (auto _ : state) {
    const Vector x{FieldNumber(boxes[0]), FieldNumber(boxes[1]), FieldNumber(boxes[2])};
    const Vector y{FieldNumber(boxes[3]), FieldNumber(boxes[4]), FieldNumber(boxes[5])};
    benchmark::DoNotOptimize(ComputeVectorResult(dimension, operation, x, y));
  }
  state.SetLabel(std::string(kVectorDimensionNames[dimension]) + " " +
                 kVectorOperationNames[state.range(1)]);
}

}  // namespace

BENCHMARK(VectorOperationText)->ArgsProduct({{0, 1}, benchmark::CreateDenseRange(0, 6, 1)});
