#include "cli/request_parser.h"

#include "cli/operation_names.h"
#include "common/field_number.h"

namespace {

UsageError Problem(std::string text) {
  return UsageError{std::move(text)};
}

std::string Quoted(const std::string& word) {
  return "\"" + word + "\"";
}

ParsedCalculation ParseRoots(std::span<const std::string> coefficients) {
  if (coefficients.size() < 3 || coefficients.size() > 5) {
    return Problem("roots takes 3, 4 or 5 coefficients, not " +
                   std::to_string(coefficients.size()));
  }
  return RootsRequest{{coefficients.begin(), coefficients.end()}};
}

ParsedCalculation ParseComplex(std::span<const std::string> words) {
  if (words.empty())
    return Problem("complex needs an operation");
  const std::optional<int> operation = FindComplexOperation(words[0]);
  if (!operation)
    return Problem("unknown complex operation " + Quoted(words[0]));
  const auto numbers = words.subspan(1);
  if (numbers.size() != 2 && numbers.size() != 4 && numbers.size() != 6) {
    return Problem(
        "complex takes 2, 4 or 6 numbers after the operation (XR XI [YR YI [ZR ZI]]), not " +
        std::to_string(numbers.size()));
  }
  ComplexRequest request{*operation, {}};
  for (size_t i = 0; i < numbers.size(); ++i)
    request.parts[i] = FieldNumber(numbers[i]);
  return request;
}

ParsedCalculation ParseVector(std::span<const std::string> words) {
  if (words.empty())
    return Problem("vector needs a dimension, 2d or 3d");
  const std::optional<int> dimension = FindVectorDimension(words[0]);
  if (!dimension)
    return Problem("unknown dimension " + Quoted(words[0]) + " (2d or 3d)");
  if (words.size() < 2)
    return Problem("vector needs an operation after the dimension");
  const std::optional<int> operation = FindVectorOperation(words[1]);
  if (!operation)
    return Problem("unknown vector operation " + Quoted(words[1]));
  const size_t components = *dimension == 1 ? 3 : 2;
  const auto numbers = words.subspan(2);
  if (numbers.size() != 2 * components) {
    return Problem(words[0] + " vectors take " + std::to_string(2 * components) + " numbers (" +
                   std::to_string(components) + " components of X, then of Y), not " +
                   std::to_string(numbers.size()));
  }
  // In two dimensions the third components stay 0, as the hidden boxes hold "0".
  VectorRequest request{*dimension, static_cast<VectorOperation>(*operation), {}};
  for (size_t i = 0; i < components; ++i) {
    request.components[i] = FieldNumber(numbers[i]);
    request.components[3 + i] = FieldNumber(numbers[components + i]);
  }
  return request;
}

}  // namespace

ParsedCalculation ParseCalculation(std::span<const std::string> words) {
  if (words.empty())
    return Problem("no calculation given");
  const std::string& kind = words[0];
  if (kind == "roots")
    return ParseRoots(words.subspan(1));
  if (kind == "complex")
    return ParseComplex(words.subspan(1));
  if (kind == "vector")
    return ParseVector(words.subspan(1));
  return Problem("unknown calculation " + Quoted(kind) + " (roots, complex or vector)");
}
