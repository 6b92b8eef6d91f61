#include "cli/operation_names.h"

#include <algorithm>
#include <charconv>
#include <cstring>
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

// Whether `folded`, already folded, is `entry` once folded: compared as it goes, since
// folding every entry anew for every word would cost more than the calculation.
bool IsFoldedEntry(std::string_view folded, std::string_view entry) {
  size_t at = 0;
  for (const char c : entry) {
    if (c == ' ' || c == '\t')
      continue;
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (at == folded.size() || folded[at] != lower)
      return false;
    ++at;
  }
  return at == folded.size();
}

bool IsDigits(std::string_view word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A word of digits alone is a list position; any other word is looked up among the aliases,
// which batches use most, and then the entries. No alias is the entry of another operation,
// so the order of the lookups changes no answer.
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
  // strcmp stops at the first letter that differs, where comparing with the string would
  // measure each alias first.
  for (int i = 0; i < count; ++i) {
    if (std::strcmp(folded.c_str(), aliases[i]) == 0)
      return i;
  }
  for (int i = 0; i < count; ++i) {
    if (IsFoldedEntry(folded, names[i]))
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
    if (IsFoldedEntry(folded, kVectorDimensionNames[i]))
      return i;
  }
  return std::nullopt;
}
