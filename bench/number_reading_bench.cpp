// Reading box texts as numbers: the plain numbers that nearly every box holds, as the
// solvers read them (FieldNumber), as the boxes and quillet-calc's number words read them,
// and arithmetic.
#include <benchmark/benchmark.h>

#include <string_view>

#include "cli/number_word.h"
#include "common/box_number.h"
#include "common/field_number.h"

namespace {

// Short and long mantissas, exponents, signs and the blanks that boxes start with.
constexpr std::string_view kPlainNumbers[] = {
    "1", "0", "-3", "2.5", "1e3", " 1", "-1.2345678901234567e-300", "123456.789",
};

void FieldNumberOfPlainNumbers(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string_view text : kPlainNumbers)
      benchmark::DoNotOptimize(FieldNumber(text));
  state.SetItemsProcessed(state.iterations() * std::size(kPlainNumbers));
}

void BoxNumberOfPlainNumbers(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string_view text : kPlainNumbers)
      benchmark::DoNotOptimize(ReadBoxNumber(text));
  state.SetItemsProcessed(state.iterations() * std::size(kPlainNumbers));
}

constexpr std::string_view kArithmetic[] = {
    "1/3", "-2^2", "2*pi", "sqrt(2)/2", "(1 + 2) * 3", "1e3 - 0.5", "ln(10)", "2^-3^2",
};

void BoxNumberOfArithmetic(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string_view text : kArithmetic)
      benchmark::DoNotOptimize(ReadBoxNumber(text));
  state.SetItemsProcessed(state.iterations() * std::size(kArithmetic));
}

void StrictNumberWordOfPlainNumbers(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string_view text : kPlainNumbers)
      benchmark::DoNotOptimize(ReadNumberWord(text, 2, NumberReading::Strict));
  state.SetItemsProcessed(state.iterations() * std::size(kPlainNumbers));
}

}  // namespace

BENCHMARK(FieldNumberOfPlainNumbers);
BENCHMARK(BoxNumberOfPlainNumbers);
BENCHMARK(BoxNumberOfArithmetic);
BENCHMARK(StrictNumberWordOfPlainNumbers);
