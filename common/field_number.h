#pragma once

#include <string_view>

// The value of an edit box, read the way the C library's atof reads text in the "C" locale:
// leading white space, an optional sign, digits with an optional '.', an optional exponent.
// Reading stops at the first character that does not fit; text that does not start with a
// number (an empty or blank box included) reads as 0. Hexadecimal and the words "inf" and
// "nan" are not numbers here, and the decimal point is '.' whatever the process locale.
double FieldNumber(std::string_view text);

// Reads the unsigned decimal number that starts at `first`: digits with an optional '.' (at
// least one digit in all), then an exponent only when digits follow its 'e' and optional
// sign. Returns the end of the number, or `first` when none starts there. The value is
// rounded as strtod rounds it in the "C" locale: beyond the range of doubles it is infinite,
// below it 0 or the nearest subnormal.
const char* ReadUnsignedDecimal(const char* first, const char* last, double& value);

// The white space of the "C" locale, which a box may hold around its number.
constexpr bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
