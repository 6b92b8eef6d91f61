// Reading box texts as numbers: the plain numbers that nearly every box holds, as the
// solvers read them (FieldNumber), as the boxes and quillet-calc's number words read them,
// and arithmetic.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "cli/number_word.h"
#include "common/box_number.h"
#include "common/field_number.h"

namespace {

// Short and long mantissas, exponents, signs and the blanks that boxes start with.
constexpr std::string_view kPlainNumbers[] = {
    "1", "0", "-3", "2.5", "1e3", " 1", "-1.2345678901234567e-300", "123456.789",
};

// Reads each text with `read`, once an iteration; an item is one text read.
template <typename Read>
void ReadEach(benchmark::State& state, std::span<const std::string_view> texts, Read read) {
  for (auto _ : state)
    for (const std::string_view text : texts)
      benchmark::DoNotOptimize(read(text));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}

constexpr std::string_view kArithmetic[] = {
    "1/3", "-2^2", "2*pi", "sqrt(2)/2", "(1 + 2) * 3", "1e3 - 0.5", "ln(10)", "2^-3^2",
};

void FieldNumberOfPlainNumbers(benchmark::State& state) {
  ReadEach(state, kPlainNumbers, FieldNumber);
}

void BoxNumberOfPlainNumbers(benchmark::State& state) {
  ReadEach(state, kPlainNumbers, ReadBoxNumber);
}

void BoxNumberOfArithmetic(benchmark::State& state) {
  ReadEach(state, kArithmetic, ReadBoxNumber);
}

void StrictNumberWordOfPlainNumbers(benchmark::State& state) {
  ReadEach(state, kPlainNumbers,
           [](std::string_view text) { return ReadNumberWord(text, 2, NumberReading::Strict); });
}

}  // namespace

BENCHMARK(FieldNumberOfPlainNumbers);
BENCHMARK(BoxNumberOfPlainNumbers);
BENCHMARK(BoxNumberOfArithmetic);
BENCHMARK(StrictNumberWordOfPlainNumbers);
