// Reading box texts as numbers: the plain numbers that nearly every box holds, as the
// calculators read them and as quillet-calc checks its number words.
#include <benchmark/benchmark.h>

#include <string_view>

#include "cli/number_word.h"
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

void StrictNumberWordOfPlainNumbers(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string_view text : kPlainNumbers)
      benchmark::DoNotOptimize(ReadNumberWord(text, 2, NumberReading::Strict));
  state.SetItemsProcessed(state.iterations() * std::size(kPlainNumbers));
}

}  // namespace

BENCHMARK(FieldNumberOfPlainNumbers);
BENCHMARK(StrictNumberWordOfPlainNumbers);
