#include "cli/request_parser.h"

#include <optional>

#include "cli/number_word.h"
#include "cli/operation_names.h"
#include "cli/quoted_word.h"
#include "complex/complex_ops.h"
#include "vector/vector_ops.h"

namespace {

UsageError Problem(std::string text) {
  return UsageError{std::move(text)};
}

// Reads the number words of a calculation into `values`; `first_position` is the position
// of numbers[0] among the calculation's words. Returns the first word's problem, if any.
std::optional<UsageError> ReadNumbers(std::span<const std::string_view> numbers,
                                      size_t first_position, NumberReading reading,
                                      std::span<double> values) {
  for (size_t i = 0; i < numbers.size(); ++i) {
    auto value = ReadNumberWord(numbers[i], first_position + i, reading);
    if (auto* error = std::get_if<UsageError>(&value))
      return std::move(*error);
    values[i] = std::get<double>(value);
  }
  return std::nullopt;
}

ParsedCalculation ParseRoots(std::span<const std::string_view> coefficients,
                             NumberReading reading) {
  if (coefficients.size() < 3 || coefficients.size() > 5) {
    return Problem("roots takes 3, 4 or 5 coefficients, not " +
                   std::to_string(coefficients.size()));
  }
  double values[5];
  if (auto error = ReadNumbers(coefficients, 2, reading, values))
    return *error;
  RootsRequest request;
  for (size_t i = 0; i < coefficients.size(); ++i)
    request.coefficients.push_back(values[i]);
  return request;
}

ParsedCalculation ParseComplex(std::span<const std::string_view> words, NumberReading reading) {
  if (words.empty())
    return Problem("complex needs an operation");
  const std::optional<int> operation = FindComplexOperation(words[0]);
  if (!operation)
    return Problem("unknown complex operation " + QuotedWord(words[0]));
  const auto numbers = words.subspan(1);
  if (numbers.size() != 2 && numbers.size() != 4 && numbers.size() != 6) {
    return Problem(
        "complex takes 2, 4 or 6 numbers after the operation (XR XI [YR YI [ZR ZI]]), not " +
        std::to_string(numbers.size()));
  }
  ComplexRequest request{static_cast<ComplexOperation>(*operation), {}};
  if (auto error = ReadNumbers(numbers, 3, reading, request.parts))
    return *error;
  return request;
}

ParsedCalculation ParseVector(std::span<const std::string_view> words, NumberReading reading) {
  if (words.empty())
    return Problem("vector needs a dimension, 2d or 3d");
  const std::optional<int> dimension = FindVectorDimension(words[0]);
  if (!dimension)
    return Problem("unknown dimension " + QuotedWord(words[0]) + " (2d or 3d)");
  if (words.size() < 2)
    return Problem("vector needs an operation after the dimension");
  const std::optional<int> operation = FindVectorOperation(words[1]);
  if (!operation)
    return Problem("unknown vector operation " + QuotedWord(words[1]));
  const size_t components = *dimension == kThreeDimensionsPosition ? 3 : 2;
  const auto numbers = words.subspan(2);
  if (numbers.size() != 2 * components) {
    return Problem(std::string(*dimension == kThreeDimensionsPosition ? "3d" : "2d") +
                   " vectors take " + std::to_string(2 * components) + " numbers (" +
                   std::to_string(components) + " components of X, then of Y), not " +
                   std::to_string(numbers.size()));
  }
  // In two dimensions the third components stay 0, as the hidden boxes hold "0".
  VectorRequest request{*dimension, static_cast<VectorOperation>(*operation), {}};
  const std::span<double> all = request.components;
  if (auto error = ReadNumbers(numbers.first(components), 4, reading, all.first(components)))
    return *error;
  if (auto error = ReadNumbers(numbers.last(components), 4 + components, reading,
                               all.subspan(3, components)))
    return *error;
  return request;
}

}  // namespace

ParsedCalculation ParseCalculation(std::span<const std::string_view> words, NumberReading reading) {
  if (words.empty())
    return Problem("no calculation given");
  const std::string_view kind = words[0];
  if (kind == "roots")
    return ParseRoots(words.subspan(1), reading);
  if (kind == "complex")
    return ParseComplex(words.subspan(1), reading);
  if (kind == "vector")
    return ParseVector(words.subspan(1), reading);
  return Problem("unknown calculation " + QuotedWord(kind) + " (roots, complex or vector)");
}
