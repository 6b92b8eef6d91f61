#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include "cli/calculation_request.h"

// How the command line reads the words that stand for numbers.
enum class NumberReading {
  // The whole word is a decimal number in the "C" locale: an optional sign, digits with an
  // optional '.', an optional exponent, and a value within the range of a double.
  Strict,
  // As the calculators read their boxes: the leading number of the word, or 0.
  Lenient,
};

// The value of `word`, the `position`-th word of the calculation (counted from 1, the
// calculator's name being word 1), or the usage error that names it. A number too large for
// a double is refused; one too small for it reads as the nearest double, 0 or a subnormal,
// as the calculators read it.
std::variant<double, UsageError> ReadNumberWord(std::string_view word, size_t position,
                                                NumberReading reading);
