#include "cli/number_word.h"

#include <cmath>
#include <string>

#include "cli/quoted_word.h"
#include "common/field_number.h"

std::variant<double, UsageError> ReadNumberWord(std::string_view word, size_t position,
                                                NumberReading reading) {
  if (reading == NumberReading::Lenient)
    return FieldNumber(word);
  const auto refused = [&](const char* problem) {
    return UsageError{"word " + std::to_string(position) + ", " + QuotedWord(word) + ", " +
                      problem};
  };
  const size_t length = NumberPrefixLength(word);
  if (length == 0 || length != word.size())
    return refused("is not a number");
  // The word is a number from its first byte to its last, so the boxes' reading takes all of
  // it.
  const double value = FieldNumber(word);
  if (std::isinf(value))
    return refused("is too large for a double");
  return value;
}
