#include "cli/operation_names.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "complex/complex_ops.h"
#include "vector/vector_ops.h"

const char* const kComplexAliases[kComplexOperationCount] = {
    "inv", "mag", "phase", "ln", "exp", "sqrt", "sq", "add", "mul", "div", "zxy",
};

const char* const kVectorAliases[kVectorOperationCount] = {
    "mag", "cos", "add", "sub", "dot", "cross", "angle",
};

namespace {

// Lower case without blanks, so that "Natural Log (X)" and "naturallog(x)" meet.
std::string Folded(std::string_view word) {
  std::string folded;
  folded.reserve(word.size());
  for (const char c : word) {
    if (c == ' ' || c == '\t')
      continue;
    folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return folded;
}

bool IsDigits(std::string_view word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A word of digits alone is a list position; any other word is looked up among the entries
// and the aliases.
std::optional<int> FindInList(std::string_view word, const char* const* names,
                              const char* const* aliases, int count) {
  const std::string folded = Folded(word);
  if (IsDigits(folded)) {
    int position = 0;
    const auto result = std::from_chars(folded.data(), folded.data() + folded.size(), position);
    if (result.ec != std::errc() || position >= count)
      return std::nullopt;
    return position;
  }
  for (int i = 0; i < count; ++i) {
    if (folded == Folded(names[i]) || folded == aliases[i])
      return i;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> FindComplexOperation(std::string_view word) {
  return FindInList(word, kComplexOperationNames, kComplexAliases, kComplexOperationCount);
}

std::optional<int> FindVectorOperation(std::string_view word) {
  return FindInList(word, kVectorOperationNames, kVectorAliases, kVectorOperationCount);
}

std::optional<int> FindVectorDimension(std::string_view word) {
  const std::string folded = Folded(word);
  for (int i = 0; i < kVectorDimensionCount; ++i) {
    if (folded == Folded(kVectorDimensionNames[i]))
      return i;
  }
  return std::nullopt;
}
