#pragma once

#include <cstddef>
#include <string_view>

// The value of an edit box, read the way the C library's atof reads text in the "C" locale:
// leading white space, an optional sign, digits with an optional '.', an optional exponent.
// Reading stops at the first character that does not fit; text that does not start with a
// number (an empty or blank box included) reads as 0. Hexadecimal and the words "inf" and
// "nan" are not numbers here, and the decimal point is '.' whatever the process locale.
double FieldNumber(std::string_view text);

// The length of the longest prefix of `text` that has the shape of a decimal number: an
// optional sign, digits with an optional point (at least one digit in all), and an exponent
// only when digits follow its 'e' and optional sign. 0 when `text` does not start with one.
size_t NumberPrefixLength(std::string_view text);
