#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include "cli/calculation_request.h"
#include "common/field_number.h"

// How the command line reads the words that stand for numbers.
enum class NumberReading {
  // As the calculators read their boxes: a plain number in the "C" locale or arithmetic on
  // numbers, whose value is a finite double. Unlike a box, an empty word is refused.
  Strict,
  // The original reading of the boxes: the leading number of the word, or 0.
  Lenient,
};

// The value of `word`, the `position`-th word of the calculation (counted from 1, the
// calculator's name being word 1), or the usage error that names it with the reason. A
// number too large for a double is refused; one too small for it reads as the nearest
// double, 0 or a subnormal, as the calculators read it.
inline std::variant<double, UsageError> ReadNumberWord(std::string_view word, size_t position,
                                                       NumberReading reading);

// ReadNumberWord for every word that is not a short plain decimal.
std::variant<double, UsageError> ReadLongerNumberWord(std::string_view word, size_t position,
                                                      NumberReading reading);

// Inline, as a batch reads every number word of every line here: both readings give a short
// plain decimal the same value, with no call.
inline std::variant<double, UsageError> ReadNumberWord(std::string_view word, size_t position,
                                                       NumberReading reading) {
  if (double value; ReadShortDecimalWord(word, value))
    return value;
  return ReadLongerNumberWord(word, position, reading);
}
